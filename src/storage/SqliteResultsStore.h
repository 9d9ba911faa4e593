// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/SqlResultsStore.h"

#include <QDateTime>
#include <QString>

// The results in one SQLite file. Each answer is committed on its own with
// the write-ahead log synced, so an answer saved is kept even when the
// program is killed or the power goes a moment later. A second copy of the
// program on the same file waits for the lock instead of failing. A file
// that is damaged or is no database is moved aside, renamed with the time,
// and a new file started; it is never overwritten. Damage is found by its
// first page when opening, by any statement that meets it, and by verify().
class SqliteResultsStore : public SqlResultsStore
{
public:
    // How long a writer waits for another copy of the program's lock.
    static constexpr int busyTimeoutMs = 10'000;
    // Between tries of a step SQLite refuses at once while the file is held.
    static constexpr unsigned long busyPauseMs = 10;

    explicit SqliteResultsStore(const QString &path);

    QString location() const override { return m_path; }
    QString notice() const override { return m_notice; }
    // Reads the whole file once a run (PRAGMA quick_check): seconds for a
    // large file not yet in the page cache, so never before an answer is
    // saved.
    void verify() override;
    // Where a damaged file was moved; empty when none was.
    QString movedAside() const override { return m_movedAside; }
    // The name a damaged file gets when moved aside at `when`.
    static QString asideName(const QString &path, const QDateTime &when);

protected:
    bool openConnection(QSqlDatabase &db) override;
    bool beginWrite(QSqlQuery &query) override;
    bool writable() const override { return !m_readOnly; }
    bool recover(const QSqlError &error, const QString &failure) override;
    void removed() override;

private:
    bool isDatabaseFile() const;
    bool configure(QSqlDatabase &db, QSqlError *error);
    bool damaged(QSqlDatabase &db);
    bool moveAside(QSqlDatabase &db);

    QString m_path;
    QString m_movedAside;
    QString m_notice;
    bool m_readOnly = false;
    bool m_verified = false;
};
