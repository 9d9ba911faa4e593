// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The print system's library writes to its sockets without asking the
// system not to raise SIGPIPE, so a print server that goes away in the
// middle of a request would end the whole program. Called once at start,
// before any connection: a write to a closed socket then fails as an
// error, which the print service reports.
void ignoreBrokenPipe();
