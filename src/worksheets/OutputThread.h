// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QThread>

#include <functional>

// The thread that prints and saves the worksheets, one job after another,
// so that no window waits for a printer or a disk. The program owns it:
// jobs must touch only what outlives every window, and a job under way when
// the program ends is finished first (a job is never left half-sent); those
// still waiting are dropped.
class OutputThread final
{
public:
    OutputThread();
    ~OutputThread();
    OutputThread(const OutputThread &) = delete;
    OutputThread &operator=(const OutputThread &) = delete;

    // Runs job on the thread, after the jobs posted before it.
    void post(std::function<void()> job);

private:
    QThread m_thread;
    QObject *m_worker; // lives on m_thread
};
