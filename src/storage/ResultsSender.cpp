// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsSender.h"

#include "storage/PostgresResultsStore.h"
#include "storage/ResultsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QTimer>
#include <QVariant>

#include <algorithm>
#include <memory>

namespace {

// The answers of the local file the server has, with the time each got there.
const QString createSent = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS sent_answers (id TEXT PRIMARY KEY, "
    "sent_at BIGINT NOT NULL)");
const QString unsentCondition = QStringLiteral("FROM answers a WHERE a.rowid > ? AND NOT EXISTS "
                                               "(SELECT 1 FROM sent_answers s WHERE s.id = a.id)");

constexpr int busyTimeoutMs = 10'000;

} // namespace

// The sender's side on its thread: a connection to the local file, the
// server's store, and the timer of the next try.
class SenderWorker : public QObject
{
    Q_OBJECT

public:
    SenderWorker(const QString &localFile, const ServerSettings &server,
                 ResultsSender::Timing timing);
    ~SenderWorker() override;

    void pass();
    // A new answer: sent now, unless the server has just failed and the
    // next try is already set.
    void wake();

Q_SIGNALS:
    void sent(const QDateTime &when);
    void waitingChanged(int count);
    void problem(const QString &text);
    void problemCleared();

private:
    bool openLocal();
    bool hasAnswers();
    bool ensureSentTable();
    QList<AnswerRecord> unsent(qint64 *lastRow);
    bool markSent(const QList<QUuid> &ids, qint64 when);
    int countWaiting();
    void readLastSent();
    void localFailed(const QSqlError &error);
    void retryLater();

    QString m_localFile;
    ResultsSender::Timing m_timing;
    ServerSettings m_server;
    QString m_connection;
    std::unique_ptr<PostgresResultsStore> m_store;
    QTimer *m_retry = nullptr;
    int m_nextRetryMs = 0;
    // Every row up to this one has been sent: later passes read on from it.
    qint64 m_sentUpTo = 0;
    bool m_failing = false;
    bool m_readLastSent = false;
};

SenderWorker::SenderWorker(const QString &localFile, const ServerSettings &server,
                           ResultsSender::Timing timing)
    : m_localFile(localFile),
      m_timing(timing),
      m_server(server),
      m_connection(QStringLiteral("sender-%1").arg(quintptr(this), 0, 16)),
      m_retry(new QTimer(this)),
      m_nextRetryMs(timing.firstRetryMs)
{
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &SenderWorker::pass);
}

SenderWorker::~SenderWorker()
{
    m_store.reset();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool SenderWorker::openLocal()
{
    if (!QSqlDatabase::contains(m_connection)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_localFile);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    }
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (db.isOpen())
        return true;
    if (db.open())
        return true;
    localFailed(db.lastError());
    return false;
}

bool SenderWorker::hasAnswers()
{
    return QSqlDatabase::database(m_connection, false).tables().contains(QStringLiteral("answers"));
}

bool SenderWorker::ensureSentTable()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(createSent))
        return true;
    localFailed(query.lastError());
    return false;
}

void SenderWorker::localFailed(const QSqlError &error)
{
    // The local file's own troubles are the results service's to tell; the
    // sender says only why nothing goes out.
    Q_EMIT problem(QCoreApplication::translate("ResultsSender",
                                               "Le risposte non si possono leggere da %1 per "
                                               "inviarle al server: %2")
                       .arg(m_localFile, error.text()));
    QSqlDatabase::database(m_connection, false).close();
    retryLater();
}

QList<AnswerRecord> SenderWorker::unsent(qint64 *lastRow)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT a.rowid, a.id, a.pupil, a.class_name, a.answered_at, "
                                 "a.level, a.left_count, a.right_count, a.chosen, a.correct, "
                                 "a.seconds ")
                  + unsentCondition + QStringLiteral(" ORDER BY a.rowid LIMIT ?"));
    query.addBindValue(QVariant(m_sentUpTo));
    query.addBindValue(m_timing.batch);
    QList<AnswerRecord> records;
    if (!query.exec()) {
        localFailed(query.lastError());
        return records;
    }
    while (query.next()) {
        *lastRow = query.value(0).toLongLong();
        AnswerRecord record;
        record.id = QUuid::fromString(query.value(1).toString());
        record.pupil = query.value(2).toString();
        record.className = query.value(3).toString();
        record.answeredAt = QDateTime::fromMSecsSinceEpoch(query.value(4).toLongLong(), Qt::UTC);
        record.level = query.value(5).toInt();
        record.left = query.value(6).toInt();
        record.right = query.value(7).toInt();
        const QString chosen = query.value(8).toString();
        record.chosen = chosen.isEmpty() ? QChar() : chosen.front();
        record.correct = query.value(9).toInt() != 0;
        record.seconds = query.value(10).toDouble();
        records.append(record);
    }
    return records;
}

bool SenderWorker::markSent(const QList<QUuid> &ids, qint64 when)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        localFailed(query.lastError());
        return false;
    }
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO sent_answers (id, sent_at) VALUES (?, ?)"));
    for (const QUuid &id : ids) {
        query.addBindValue(id.toString(QUuid::WithoutBraces));
        query.addBindValue(QVariant(when));
        if (!query.exec()) {
            const QSqlError error = query.lastError();
            db.rollback();
            localFailed(error);
            return false;
        }
    }
    if (db.commit())
        return true;
    localFailed(db.lastError());
    return false;
}

int SenderWorker::countWaiting()
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT COUNT(*) ") + unsentCondition);
    query.addBindValue(QVariant(m_sentUpTo));
    return query.exec() && query.next() ? query.value(0).toInt() : -1;
}

void SenderWorker::readLastSent()
{
    // The time of the last send outlives the program: it is in the file.
    if (m_readLastSent)
        return;
    m_readLastSent = true;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(QStringLiteral("SELECT MAX(sent_at) FROM sent_answers")) && query.next()
        && !query.value(0).isNull())
        Q_EMIT sent(QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC));
}

void SenderWorker::retryLater()
{
    m_failing = true;
    m_retry->start(m_nextRetryMs);
    m_nextRetryMs = std::min(m_nextRetryMs * 2, m_timing.longestRetryMs);
}

void SenderWorker::wake()
{
    if (m_failing && m_retry->isActive())
        return;
    pass();
}

void SenderWorker::pass()
{
    m_retry->stop();
    if (!QFileInfo::exists(m_localFile)) {
        Q_EMIT waitingChanged(0);
        return;
    }
    if (!openLocal() || !ensureSentTable())
        return;
    readLastSent();
    if (!hasAnswers()) {
        Q_EMIT waitingChanged(0);
        return;
    }
    if (!m_store)
        m_store = std::make_unique<PostgresResultsStore>(m_server);
    // A file emptied by a delete numbers its rows from the start again.
    QSqlQuery top(QSqlDatabase::database(m_connection, false));
    if (top.exec(QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM answers")) && top.next()
        && top.value(0).toLongLong() < m_sentUpTo)
        m_sentUpTo = 0;
    for (;;) {
        qint64 lastRow = m_sentUpTo;
        const QList<AnswerRecord> records = unsent(&lastRow);
        if (records.isEmpty())
            break;
        QList<QUuid> done;
        bool failed = false;
        for (const AnswerRecord &record : records) {
            if (m_store->save(record) == ResultsStore::Saved::Failed) {
                failed = true;
                break;
            }
            done.append(record.id);
        }
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (!done.isEmpty()) {
            if (!markSent(done, now))
                return;
            Q_EMIT sent(QDateTime::fromMSecsSinceEpoch(now, Qt::UTC));
        }
        if (failed) {
            Q_EMIT problem(m_store->problem() + u' '
                           + QCoreApplication::translate(
                               "ResultsSender",
                               "Le risposte restano su questo computer e partono appena il "
                               "server risponde."));
            Q_EMIT waitingChanged(countWaiting());
            m_store->close();
            retryLater();
            return;
        }
        m_sentUpTo = lastRow;
    }
    m_nextRetryMs = m_timing.firstRetryMs;
    if (m_failing) {
        m_failing = false;
        Q_EMIT problemCleared();
    }
    Q_EMIT waitingChanged(0);
}

ResultsSender::ResultsSender(const QString &localFile, const ServerSettings &server,
                             QObject *parent)
    : ResultsSender(localFile, server, Timing(), parent)
{}

ResultsSender::ResultsSender(const QString &localFile, const ServerSettings &server, Timing timing,
                             QObject *parent)
    : QObject(parent), m_localFile(localFile), m_server(server), m_timing(timing)
{}

ResultsSender::~ResultsSender()
{
    if (!m_thread)
        return;
    // A send under way ends first; what it did not send waits in the file.
    m_thread->quit();
    m_thread->wait();
}

void ResultsSender::send()
{
    if (!m_thread) {
        m_thread = new QThread(this);
        m_thread->setObjectName(QStringLiteral("results-sender"));
        m_worker = new SenderWorker(m_localFile, m_server, m_timing);
        m_worker->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        connect(m_worker, &SenderWorker::sent, this, [this](const QDateTime &when) {
            m_lastSent = when;
            Q_EMIT sent(when);
        });
        connect(m_worker, &SenderWorker::waitingChanged, this, [this](int count) {
            m_waiting = count;
            Q_EMIT waitingChanged(count);
        });
        connect(m_worker, &SenderWorker::problem, this, &ResultsSender::problem);
        connect(m_worker, &SenderWorker::problemCleared, this, &ResultsSender::problemCleared);
        m_thread->start();
    }
    SenderWorker *worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker] { worker->wake(); }, Qt::QueuedConnection);
}

#include "ResultsSender.moc"
