// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"

#include <QPointer>
#include <QTest>

// The worksheet screen prints and saves in the background: a test waits for
// the job's outcome to be told (never for a time).
inline bool outputIdle(const WorksheetScreen *screen, int timeoutMs = 30000)
{
    const QPointer<const WorksheetScreen> open(screen);
    return QTest::qWaitFor([open] { return !open || !open->output().isRunning(); }, timeoutMs);
}
