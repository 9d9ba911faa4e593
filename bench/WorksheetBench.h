// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The worksheet screen as the print benchmarks open it: over the start
// screen, shown and settled, its print messages collected instead of shown.
#include "QtBench.h"

#include "printing/BrokenPipe.h"
#include "start/Program.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace bench {

inline WorksheetScreen &openWorksheetScreen(Program &program, QStringList &messages)
{
    ignoreBrokenPipe(); // as the program does
    program.openStart();
    settle();
    WorksheetScreen &screen = *program.openWorksheets();
    // Each press a press of its own, a second after the last: the runs
    // follow faster than a double click.
    static qint64 pressMs = 0;
    screen.output().setPressClock([] { return pressMs += 1000; });
    screen.output().setMessageHandler(
        [&messages](const QString &text, const QString &) { messages << text; });
    settle();
    return screen;
}

// Runs the event loop until the screen's output job has been told, and
// answers the longest the loop went without turning meanwhile: how long the
// screen was blocked (ms).
inline double longestStallUntilOutputDone(WorksheetScreen &screen)
{
    QElapsedTimer sinceTurn;
    sinceTurn.start();
    qint64 longest = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceTurn.nsecsElapsed());
        sinceTurn.restart();
    });
    probe.start();
    (void)QTest::qWaitFor([&screen] { return !screen.output().isRunning(); }, 60000);
    longest = std::max(longest, sinceTurn.nsecsElapsed());
    return static_cast<double>(longest) / 1e6;
}

} // namespace bench
