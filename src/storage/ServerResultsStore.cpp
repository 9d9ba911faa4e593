// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ServerResultsStore.h"

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
