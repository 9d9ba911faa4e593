// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into the tests and benchmarks, never into the program: the stores
// of this build, handed over as the application starts, so that they never
// depend on where the results module lies.
#include "storage/ResultsBackend.h"
#include "storage/SqlBackend.h"

#include <QCoreApplication>

namespace {
void useBuiltInResults()
{
    results::setBackend(&sqlResultsBackend());
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(useBuiltInResults)
