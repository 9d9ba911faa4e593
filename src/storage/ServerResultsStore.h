// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/PostgresResultsStore.h"
#include "storage/ResultsStore.h"
#include "storage/ServerSettings.h"
#include "storage/SqliteResultsStore.h"

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
