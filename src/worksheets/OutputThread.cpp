// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/OutputThread.h"

OutputThread::OutputThread() : m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("output"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

OutputThread::~OutputThread()
{
    m_thread.quit();
    m_thread.wait();
    // The jobs still queued go with it, unrun.
    delete m_worker;
}

void OutputThread::post(std::function<void()> job)
{
    QMetaObject::invokeMethod(m_worker, std::move(job), Qt::QueuedConnection);
}
