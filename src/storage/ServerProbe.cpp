// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ServerProbe.h"

#include "storage/ResultsBackend.h"

#include <QThread>

#include <memory>
#include <utility>

ServerProbe::ServerProbe(QObject *parent) : QObject(parent) {}

void ServerProbe::start(const ServerSettings &server)
{
    const int generation = ++m_generation;
    m_running = true;
    auto result = std::make_shared<std::pair<ServerFault, QString>>();
    // Not a child: a try still waiting for the network when the dialog
    // closes ends on its own and deletes itself then.
    QThread *thread = QThread::create(
        [server, result] { *result = results::backend().checkServer(server); });
    thread->setObjectName(QStringLiteral("server-probe"));
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, generation, result] {
        if (generation != m_generation)
            return;
        m_running = false;
        Q_EMIT finished(result->first, result->second);
    });
    thread->start();
}
