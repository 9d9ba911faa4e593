// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worksheet screen as the print benchmarks open it: over the start
// screen, shown and settled, its print messages collected instead of shown.
#include "QtBench.h"

#include "printing/BrokenPipe.h"
#include "start/Program.h"
#include "worksheets/WorksheetScreen.h"

#include <QStringList>

namespace bench {

inline WorksheetScreen &openWorksheetScreen(Program &program, QStringList &messages)
{
    ignoreBrokenPipe(); // as the program does
    program.openStart();
    settle();
    WorksheetScreen &screen = *program.openWorksheets();
    screen.setMessageHandler(
        [&messages](const QString &text, const QString &) { messages << text; });
    settle();
    return screen;
}

} // namespace bench
