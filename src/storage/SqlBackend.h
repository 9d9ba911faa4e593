// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ResultsBackend;

// The stores in SQL databases: what the results module offers, and what
// the tests and tools that link Qt SQL themselves hand to results::setBackend().
ResultsBackend &sqlResultsBackend();
