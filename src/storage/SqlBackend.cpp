// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SqlBackend.h"

#include "storage/PostgresResultsStore.h"
#include "storage/ResultsBackend.h"
#include "storage/ServerResultsStore.h"
#include "storage/SqliteResultsStore.h"

namespace {
// A ResultsSender told through the events instead of signals, which the
// program outside this module could not connect to.
class EventSender final : public QObject, public AnswerSender
{
public:
    EventSender(const QString &path, const ServerSettings &server,
                const ResultsSender::Timing &timing, SenderEvents events, QObject *parent)
        : QObject(parent), m_sender(new ResultsSender(path, server, timing, this))
    {
        if (events.sent)
            connect(m_sender, &ResultsSender::sent, this, events.sent);
        if (events.problem)
            connect(m_sender, &ResultsSender::problem, this, events.problem);
    }

    void send() override { m_sender->send(); }

private:
    ResultsSender *m_sender;
};

class SqlResultsBackend final : public ResultsBackend
{
public:
    std::unique_ptr<ResultsStore> fileStore(const QString &path) override
    {
        return std::make_unique<SqliteResultsStore>(path);
    }
    std::unique_ptr<ResultsStore> serverStore(const QString &path,
                                              const ServerSettings &server) override
    {
        return std::make_unique<ServerResultsStore>(path, server);
    }
    std::pair<ServerFault, QString> checkServer(const ServerSettings &server) override
    {
        return PostgresResultsStore::check(server);
    }
    AnswerSender *sender(const QString &path, const ServerSettings &server,
                         const ResultsSender::Timing &timing, SenderEvents events,
                         QObject *parent) override
    {
        return new EventSender(path, server, timing, std::move(events), parent);
    }
};
} // namespace

ResultsBackend &sqlResultsBackend()
{
    static SqlResultsBackend backend;
    return backend;
}
