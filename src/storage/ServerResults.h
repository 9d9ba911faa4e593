// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/PostgresResultsStore.h"
#include "storage/ResultsSender.h"
#include "storage/ResultsStore.h"
#include "storage/ServerSettings.h"
#include "storage/SqliteResultsStore.h"

#include <QDateTime>

class QObject;
class ResultsService;

// The results of a computer that sends them to a school's server: answers
// are saved in the local file (the sender takes them on from there), the
// summaries are the server's, for the whole class.
class ServerResultsStore : public ResultsStore
{
public:
    ServerResultsStore(const QString &localFile, const ServerSettings &server);

    bool open() override;
    bool isOpen() const override { return m_local.isOpen(); }
    void close() override;
    QString location() const override { return m_server.location(); }

    Saved save(const AnswerRecord &answer) override;
    std::optional<QList<PupilSummary>> summary(const PeriodBounds &period) override;
    std::optional<QList<PupilDay>> pupilDays(const QString &pupil,
                                             const PeriodBounds &period) override;
    // On the server (the role must be allowed to) and in the local file, so
    // that what was not sent yet is not sent afterwards.
    bool remove(Whose whose, const QString &pupil = {}) override;

private:
    template<typename Result> Result fromServer(Result result);

    SqliteResultsStore m_local;
    PostgresResultsStore m_server;
};

// For the results screen: where its rows come from, and when this computer
// last sent its answers there (an invalid time: never yet).
QString serverResultsText(const QString &location, const QDateTime &lastSent);

// The results service the settings ask for: the local file alone when no
// server is set; otherwise the server's summaries and a sender (a child of
// the service) that takes every answer there, telling the service the time
// of each send and what keeps answers waiting.
ResultsService *makeResultsService(const ServerSettings &server, QObject *parent = nullptr);
ResultsService *makeResultsService(const QString &localFile, const ServerSettings &server,
                                   QObject *parent = nullptr);
ResultsService *makeResultsService(const QString &localFile, const ServerSettings &server,
                                   const ResultsSender::Timing &timing, QObject *parent = nullptr);
