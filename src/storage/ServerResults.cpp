// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ServerResults.h"

#include "storage/ResultsSender.h"
#include "storage/ResultsService.h"

#include <QCoreApplication>
#include <QLocale>

ServerResultsStore::ServerResultsStore(const QString &localFile, const ServerSettings &server)
    : m_local(localFile), m_server(server)
{}

bool ServerResultsStore::open()
{
    // The server is opened by the first request that needs it: the drill
    // must save even when the server is out of reach.
    if (m_local.open())
        return true;
    setProblem(m_local.problem());
    return false;
}

void ServerResultsStore::close()
{
    m_local.close();
    m_server.close();
}

ResultsStore::Saved ServerResultsStore::save(const AnswerRecord &answer)
{
    const Saved saved = m_local.save(answer);
    if (saved == Saved::Failed)
        setProblem(m_local.problem());
    return saved;
}

template<typename Result> Result ServerResultsStore::fromServer(Result result)
{
    if (!result)
        setProblem(m_server.problem());
    return result;
}

std::optional<QList<PupilSummary>> ServerResultsStore::summary(const PeriodBounds &period)
{
    return fromServer(m_server.summary(period));
}

std::optional<QList<PupilDay>> ServerResultsStore::pupilDays(const QString &pupil,
                                                             const PeriodBounds &period)
{
    return fromServer(m_server.pupilDays(pupil, period));
}

bool ServerResultsStore::remove(Whose whose, const QString &pupil)
{
    if (!m_server.remove(whose, pupil)) {
        setProblem(m_server.problem());
        return false;
    }
    if (!m_local.remove(whose, pupil)) {
        setProblem(m_local.problem());
        return false;
    }
    return true;
}

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
        return new ResultsService(
            [localFile] { return std::make_unique<SqliteResultsStore>(localFile); }, localFile,
            parent);
    const QString where =
        QCoreApplication::translate("ResultsStore", "il server %1").arg(server.description());
    auto *service = new ResultsService(
        [localFile, server] { return std::make_unique<ServerResultsStore>(localFile, server); },
        where, parent);
    auto *sender = new ResultsSender(localFile, server, timing, service);
    QObject::connect(service, &ResultsService::saved, sender, &ResultsSender::send);
    QObject::connect(sender, &ResultsSender::sent, service, &ResultsService::setLastSent);
    QObject::connect(sender, &ResultsSender::problem, service, &ResultsService::problem);
    // Answers left waiting when the program last ended go now.
    sender->send();
    return service;
}
