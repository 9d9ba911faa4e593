// SPDX-License-Identifier: GPL-3.0-or-later
// The results module, gli-insiemi-results.so: the stores in SQL databases,
// opened by the program on the first answer or request.
#include "storage/ResultsBackend.h"
#include "storage/ResultsStore.h"
#include "storage/SqlBackend.h"

#include <QObject>

class ResultsModule final : public QObject, public ResultsBackend
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID GliResultsBackend_iid)
    Q_INTERFACES(ResultsBackend)

public:
    std::unique_ptr<ResultsStore> fileStore(const QString &path) override
    {
        return sqlResultsBackend().fileStore(path);
    }
    std::unique_ptr<ResultsStore> serverStore(const QString &path,
                                              const ServerSettings &server) override
    {
        return sqlResultsBackend().serverStore(path, server);
    }
    std::pair<ServerFault, QString> checkServer(const ServerSettings &server) override
    {
        return sqlResultsBackend().checkServer(server);
    }
    AnswerSender *sender(const QString &path, const ServerSettings &server,
                         const ResultsSender::Timing &timing, SenderEvents events,
                         QObject *parent) override
    {
        return sqlResultsBackend().sender(path, server, timing, std::move(events), parent);
    }
};

#include "ResultsModule.moc"
