// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ServerResults.h"

#include "storage/ResultsBackend.h"
#include "storage/ResultsService.h"
#include "storage/ResultsStore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QThreadPool>

QString serverResultsText(const QString &location, const QDateTime &lastSent)
{
    if (!lastSent.isValid())
        return QCoreApplication::translate("ResultsStore",
                                           "Fonte dei risultati: %1. Questo computer non ha "
                                           "ancora inviato risposte.")
            .arg(location);
    return QCoreApplication::translate("ResultsStore",
                                       "Fonte dei risultati: %1. Ultimo invio di questo "
                                       "computer: %2.")
        .arg(location, QLocale().toString(lastSent.toLocalTime(), QLocale::ShortFormat));
}

namespace {
void addSender(ResultsService *service, const QString &localFile, const ServerSettings &server,
               const ResultsSender::Timing &timing)
{
    SenderEvents events;
    events.sent = [service](const QDateTime &when) { service->setLastSent(when); };
    events.problem = [service](const QString &text) { Q_EMIT service->problem(text); };
    AnswerSender *sender = results::backend().sender(localFile, server, timing, std::move(events),
                                                     service);
    if (!sender)
        return; // the store says why, at the first save
    QObject::connect(service, &ResultsService::saved, service, [sender] { sender->send(); });
    // Answers left waiting when the program last ended go now.
    sender->send();
}
} // namespace

ResultsService *makeResultsService(const ServerSettings &server, QObject *parent)
{
    return makeResultsService(ResultsService::localFile(), server, parent);
}

ResultsService *makeResultsService(const QString &localFile, const ServerSettings &server,
                                   QObject *parent)
{
    return makeResultsService(localFile, server, ResultsSender::Timing(), parent);
}

ResultsService *makeResultsService(const QString &localFile, const ServerSettings &server,
                                   const ResultsSender::Timing &timing, QObject *parent)
{
    if (!server.isSet())
        return new ResultsService([localFile] { return results::backend().fileStore(localFile); },
                                  localFile, parent);
    const QString where =
        QCoreApplication::translate("ResultsStore", "il server %1").arg(server.description());
    auto *service = new ResultsService(
        [localFile, server] { return results::backend().serverStore(localFile, server); }, where,
        parent);
    // The sender comes from the results module, which is opened off this
    // thread; answers saved meanwhile wait in the file for its first send.
    QThreadPool::globalInstance()->start(
        [guard = QPointer<ResultsService>(service), localFile, server, timing] {
            results::backend();
            QMetaObject::invokeMethod(qApp, [guard, localFile, server, timing] {
                if (guard)
                    addSender(guard.data(), localFile, server, timing);
            });
        });
    return service;
}
