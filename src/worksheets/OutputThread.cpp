// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/OutputThread.h"

OutputThread::OutputThread() : m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("output"));
    m_worker->moveToThread(&m_thread);
}

OutputThread::~OutputThread()
{
    m_thread.quit();
    m_thread.wait(); // at once when it never started
    // The jobs still queued go with it, unrun.
    delete m_worker;
}

void OutputThread::post(std::function<void()> job)
{
    // Started by the first job, not at start-up: most runs never print, and
    // a thread's start and join cost the program's first paint and its end.
    if (!m_thread.isRunning())
        m_thread.start();
    QMetaObject::invokeMethod(m_worker, std::move(job), Qt::QueuedConnection);
}
