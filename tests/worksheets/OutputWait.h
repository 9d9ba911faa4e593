// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"

#include "worksheets/OutputThread.h"

#include <QPointer>
#include <QTest>

#include <memory>
#include <semaphore>

// The worksheet screen prints and saves in the background: a test waits for
// the job's outcome to be told (never for a time).
inline bool outputIdle(const WorksheetScreen *screen, int timeoutMs = 30000)
{
    const QPointer<const WorksheetScreen> open(screen);
    return QTest::qWaitFor([open] { return !open || !open->output().isRunning(); }, timeoutMs);
}

// Holds an output thread until released (at the latest when it goes): the
// jobs posted meanwhile wait their turn, not yet handed over.
class OutputHold
{
public:
    explicit OutputHold(OutputThread &thread)
    {
        thread.post([gate = m_gate] { gate->acquire(); });
    }
    ~OutputHold() { release(); }
    OutputHold(const OutputHold &) = delete;
    OutputHold &operator=(const OutputHold &) = delete;

    void release()
    {
        if (!m_released) {
            m_released = true;
            m_gate->release();
        }
    }

private:
    std::shared_ptr<std::binary_semaphore> m_gate = std::make_shared<std::binary_semaphore>(0);
    bool m_released = false;
};
