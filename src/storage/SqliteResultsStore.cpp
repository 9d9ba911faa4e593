// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SqliteResultsStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

namespace {

// SQLite's result codes that matter here.
const QString corruptCode = QStringLiteral("11");
const QString fullCode = QStringLiteral("13");
const QString notDatabaseCode = QStringLiteral("26");

// SQLITE_BUSY and SQLITE_LOCKED: another copy of the program holds the file.
bool isBusy(const QSqlError &error)
{
    return error.nativeErrorCode() == QStringLiteral("5")
        || error.nativeErrorCode() == QStringLiteral("6");
}

bool isDamage(const QSqlError &error)
{
    return error.nativeErrorCode() == corruptCode || error.nativeErrorCode() == notDatabaseCode;
}

// The files SQLite keeps beside the database in write-ahead mode.
const QStringList companions{QStringLiteral("-wal"), QStringLiteral("-shm")};

} // namespace

SqliteResultsStore::SqliteResultsStore(const QString &path)
    : SqlResultsStore(QStringLiteral("QSQLITE")), m_path(path)
{}

QString SqliteResultsStore::asideName(const QString &path, const QDateTime &when)
{
    return path + QStringLiteral(".damaged-")
        + when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
}

bool SqliteResultsStore::isDatabaseFile() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return true; // nothing to judge; opening will say what is wrong
    static const QByteArray header("SQLite format 3\0", 16);
    const QByteArray start = file.read(header.size());
    return start.isEmpty() || start == header;
}

bool SqliteResultsStore::openConnection(QSqlDatabase &db)
{
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        setProblem(QCoreApplication::translate("ResultsStore",
                                               "La cartella dei risultati %1 non si può creare.")
                       .arg(info.absolutePath()));
        return false;
    }
    if (info.exists() && !info.isReadable()) {
        setProblem(
            QCoreApplication::translate(
                "ResultsStore", "Il file dei risultati %1 non si può leggere: mancano i permessi.")
                .arg(m_path));
        return false;
    }
    if (info.exists() && !isDatabaseFile() && !moveAside(db))
        return false;
    m_readOnly = QFileInfo::exists(m_path) && !QFileInfo(m_path).isWritable();
    db.setDatabaseName(m_path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs);
    if (m_readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    // A file whose first page is damaged fails already at the first pragma.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!db.open()) {
            setProblem(QCoreApplication::translate("ResultsStore",
                                                   "Il file dei risultati %1 non si può aprire: %2")
                           .arg(m_path, db.lastError().text()));
            return false;
        }
        QSqlError error;
        if (configure(db, &error))
            return true;
        if (!isDamage(error) || !moveAside(db))
            return false;
    }
    return false;
}

void SqliteResultsStore::verify()
{
    if (m_verified || !isOpen())
        return;
    m_verified = true;
    QSqlDatabase db = database();
    if (!damaged(db))
        return;
    close();
    moveAside(db);
}

bool SqliteResultsStore::damaged(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return isDamage(query.lastError());
    return query.next() && query.value(0).toString() != QStringLiteral("ok");
}

bool SqliteResultsStore::configure(QSqlDatabase &db, QSqlError *error)
{
    QSqlQuery query(db);
    if (m_readOnly) {
        m_notice = QCoreApplication::translate(
                       "ResultsStore",
                       "Il file dei risultati %1 è di sola lettura: le risposte nuove non "
                       "vengono salvate.")
                       .arg(m_path);
        setProblem(m_notice);
        return true;
    }
    // Write-ahead log: readers do not block the writer. FULL syncs the log
    // at every commit, so an answer survives a power cut too, not only a
    // killed program; one sync an answer costs nothing the child notices.
    // secure_delete: removed answers do not linger in freed pages.
    const QStringList pragmas{QStringLiteral("PRAGMA journal_mode=WAL"),
                              QStringLiteral("PRAGMA synchronous=FULL"),
                              QStringLiteral("PRAGMA secure_delete=ON")};
    // Two copies opening a new file at once: turning on the log needs the
    // file to itself, and SQLite says "locked" there without waiting for the
    // busy timeout. This runs on the results thread, so it waits here.
    const QDeadlineTimer deadline(busyTimeoutMs);
    for (const QString &pragma : pragmas) {
        bool done = query.exec(pragma);
        while (!done && isBusy(query.lastError()) && !deadline.hasExpired()) {
            QThread::msleep(busyPauseMs);
            done = query.exec(pragma);
        }
        if (!done) {
            *error = query.lastError();
            setProblem(QCoreApplication::translate("ResultsStore",
                                                   "Il file dei risultati %1 non si può aprire: %2")
                           .arg(m_path, error->text()));
            db.close();
            return false;
        }
    }
    return true;
}

bool SqliteResultsStore::beginWrite(QSqlQuery &query)
{
    // Takes the write lock at once (waiting for it as long as the busy
    // timeout), rather than failing when a read turns into a write.
    return query.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

bool SqliteResultsStore::moveAside(QSqlDatabase &db)
{
    db.close();
    const QString aside = asideName(m_path, QDateTime::currentDateTime());
    if (!QFile::rename(m_path, aside)) {
        setProblem(QCoreApplication::translate(
                       "ResultsStore",
                       "Il file dei risultati %1 è danneggiato e non si può mettere da parte.")
                       .arg(m_path));
        return false;
    }
    for (const QString &suffix : companions) {
        if (QFile::exists(m_path + suffix))
            QFile::rename(m_path + suffix, aside + suffix);
    }
    m_movedAside = aside;
    m_notice = QCoreApplication::translate(
                   "ResultsStore",
                   "Il file dei risultati era danneggiato: è stato messo da parte come %1 e i "
                   "risultati nuovi vanno in un file nuovo, %2.")
                   .arg(aside, m_path);
    setProblem(m_notice);
    return true;
}

bool SqliteResultsStore::recover(const QSqlError &error, const QString &failure)
{
    if (error.nativeErrorCode() == fullCode) {
        setProblem(QCoreApplication::translate(
                       "ResultsStore",
                       "Il disco del file dei risultati %1 è pieno: le risposte nuove non "
                       "vengono salvate.")
                       .arg(m_path));
        return false;
    }
    if (!isDamage(error)) {
        setProblem(failure);
        return false;
    }
    QSqlDatabase db = database();
    close();
    return moveAside(db);
}

void SqliteResultsStore::removed()
{
    // The log still holds the pages of the removed answers until it is
    // written back; do it now and empty it.
    QSqlQuery query(database());
    query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}
