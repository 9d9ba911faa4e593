// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ResultsStore.h"

#include <QSqlDatabase>
#include <QString>

class QSqlError;
class QSqlQuery;

// The results in an SQL database through Qt SQL: one schema and the same
// statements for every backend, values bound, never pasted into the text.
// A backend opens the connection and says what its errors mean.
class SqlResultsStore : public ResultsStore
{
public:
    ~SqlResultsStore() override;

    bool open() override;
    bool isOpen() const override;
    void close() override;

    Saved save(const AnswerRecord &answer) override;
    std::optional<QList<PupilSummary>> summary(const PeriodBounds &period) override;
    std::optional<QList<PupilDay>> pupilDays(const QString &pupil,
                                             const PeriodBounds &period) override;
    bool remove(Whose whose, const QString &pupil = {}) override;

    // The schema version the open store has; 0 when unknown.
    int schemaVersion();

protected:
    // A connection of its own on the driver, named after this store.
    explicit SqlResultsStore(const QString &driver);

    QSqlDatabase database() const;

    // Sets the connection's options and opens it; on failure sets the
    // problem and returns false.
    virtual bool openConnection(QSqlDatabase &db) = 0;
    // Starts a transaction that holds the write lock from its first statement,
    // so that two programs moving the schema at once take turns.
    virtual bool beginWrite(QSqlQuery &query);
    // May the store write? A read-only store still gives its summaries.
    virtual bool writable() const { return true; }
    // A statement failed: sets the problem. True when the backend has put
    // things right (e.g. started a new file) and the statement may be tried
    // once more.
    virtual bool recover(const QSqlError &error, const QString &failure);
    // Answers were removed; a backend may clear what it keeps of them
    // elsewhere (a journal, freed pages).
    virtual void removed();

    // The error means the id is in the store already.
    static bool isDuplicate(const QSqlError &error);

private:
    bool ensureSchema();
    bool fillMistakes(QSqlQuery &query);
    std::optional<int> readVersion(QSqlQuery &query);
    Saved insert(const AnswerRecord &answer, QSqlError *error);
    void readFailed(const QSqlError &error);
    std::optional<QList<PupilSummary>> summaryOnce(const PeriodBounds &period);
    std::optional<QList<PupilDay>> pupilDaysOnce(const QString &pupil, const PeriodBounds &period);
    // Reads, and reads again once when the backend has put a fault right.
    template<typename Read> auto readTwice(Read read) -> decltype(read())
    {
        for (int attempt = 0; attempt < 2 && open(); ++attempt) {
            m_recovered = false;
            if (auto result = read())
                return result;
            if (!m_recovered)
                break;
        }
        return std::nullopt;
    }

    QString m_connection;
    bool m_open = false;
    bool m_recovered = false; // the last failure was put right: try again
};
