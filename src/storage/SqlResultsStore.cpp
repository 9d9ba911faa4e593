// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SqlResultsStore.h"

#include "storage/ResultsSchema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <limits>

namespace {

const QString metaTable = QStringLiteral("meta");
const QString versionName = QStringLiteral("schema_version");

// A null QString would be bound as SQL NULL; the guest is the empty name.
QVariant textValue(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QVariant idValue(const QUuid &id)
{
    return QVariant(id.toString(QUuid::WithoutBraces));
}

// The period's limits that limit anything: without them the summaries scan
// the summary index in order, which is faster than taking every answer
// through the time index.
QString periodCondition(const PeriodBounds &period, const QString &lead)
{
    QStringList conditions;
    // One class's answers when the bounds name one.
    if (!period.className.isEmpty())
        conditions << QStringLiteral("class_name = ?");
    if (period.from > std::numeric_limits<qint64>::min())
        conditions << QStringLiteral("answered_at >= ?");
    if (period.until < std::numeric_limits<qint64>::max())
        conditions << QStringLiteral("answered_at < ?");
    return conditions.isEmpty() ? QString() : lead + conditions.join(QStringLiteral(" AND "));
}

void bindPeriod(QSqlQuery &query, const PeriodBounds &period)
{
    if (!period.className.isEmpty())
        query.addBindValue(period.className);
    if (period.from > std::numeric_limits<qint64>::min())
        query.addBindValue(QVariant(period.from));
    if (period.until < std::numeric_limits<qint64>::max())
        query.addBindValue(QVariant(period.until));
}

// The most frequent mistake of each group; ties go to the lower value, so
// the answer does not depend on the order rows come in.
struct MistakeCount
{
    int count = 0;
    Mistake mistake = Mistake::None;

    void offer(Mistake candidate, int candidateCount)
    {
        if (candidateCount > count || (candidateCount == count && candidate < mistake)) {
            count = candidateCount;
            mistake = candidate;
        }
    }
};

} // namespace

SqlResultsStore::SqlResultsStore(const QString &driver)
    : m_connection(QStringLiteral("results-%1").arg(quintptr(this), 0, 16))
{
    if (QSqlDatabase::isDriverAvailable(driver))
        QSqlDatabase::addDatabase(driver, m_connection);
}

SqlResultsStore::~SqlResultsStore()
{
    close();
    if (QSqlDatabase::contains(m_connection))
        QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase SqlResultsStore::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool SqlResultsStore::isOpen() const
{
    return m_open;
}

void SqlResultsStore::close()
{
    m_open = false;
    if (QSqlDatabase::contains(m_connection))
        database().close();
}

bool SqlResultsStore::open()
{
    if (m_open)
        return true;
    QSqlDatabase db = database();
    if (!db.isValid()) {
        setProblem(QCoreApplication::translate("ResultsStore",
                                               "Manca il driver di Qt SQL per i risultati in %1.")
                       .arg(location()));
        return false;
    }
    // A second time when the backend has put a fault right (a damaged file
    // moved aside and a new one begun).
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!openConnection(db))
            return false;
        m_recovered = false;
        if (ensureSchema()) {
            m_open = true;
            return true;
        }
        db.close();
        if (!m_recovered)
            break;
    }
    return false;
}

std::optional<int> SqlResultsStore::readVersion(QSqlQuery &query)
{
    if (!database().tables().contains(metaTable))
        return 0;
    query.prepare(QStringLiteral("SELECT value FROM meta WHERE name = ?"));
    query.addBindValue(versionName);
    if (!query.exec())
        return std::nullopt;
    if (!query.next())
        return 0;
    bool number = false;
    const int version = query.value(0).toString().toInt(&number);
    return number ? std::optional<int>(version) : std::nullopt;
}

bool SqlResultsStore::beginWrite(QSqlQuery &)
{
    return database().transaction();
}

bool SqlResultsStore::ensureSchema()
{
    QSqlQuery query(database());
    std::optional<int> version = readVersion(query);
    if (version == results_schema::currentVersion)
        return true;
    const QString cannotMove = QCoreApplication::translate(
        "ResultsStore",
        "I risultati in %1 non si possono portare alla versione di questo programma: %2");
    if (version && *version > results_schema::currentVersion) {
        setProblem(QCoreApplication::translate(
                       "ResultsStore",
                       "I risultati in %1 vengono da una versione più nuova del programma: "
                       "aggiornare il programma.")
                       .arg(location()));
        return false;
    }
    if (!writable()) {
        setProblem(cannotMove.arg(
            location(), QCoreApplication::translate("ResultsStore", "il file è di sola lettura")));
        return false;
    }
    if (!beginWrite(query)) {
        const QSqlError error = query.lastError().isValid() ? query.lastError()
                                                            : database().lastError();
        m_recovered = recover(error, cannotMove.arg(location(), error.text()));
        return false;
    }
    const auto fail = [&](const QSqlError &error) {
        database().rollback();
        m_recovered = recover(error, cannotMove.arg(location(), error.text()));
        return false;
    };
    // Another copy of the program may have done it while this one waited.
    version = readVersion(query);
    if (!version)
        return fail(query.lastError());
    if (*version == results_schema::currentVersion) {
        database().rollback();
        return true;
    }
    QStringList statements;
    if (*version == 0) {
        statements << QStringLiteral(
            "CREATE TABLE IF NOT EXISTS meta (name TEXT PRIMARY KEY, value TEXT NOT NULL)")
                   << results_schema::createStatements();
    } else {
        for (int from = *version; from < results_schema::currentVersion; ++from)
            statements << results_schema::upgradeStatements(from);
    }
    for (const QString &statement : std::as_const(statements)) {
        if (!query.exec(statement))
            return fail(query.lastError());
    }
    if (*version > 0 && !fillMistakes(query))
        return fail(query.lastError());
    query.prepare(*version == 0 ? QStringLiteral("INSERT INTO meta (value, name) VALUES (?, ?)")
                                : QStringLiteral("UPDATE meta SET value = ? WHERE name = ?"));
    query.addBindValue(QString::number(results_schema::currentVersion));
    query.addBindValue(versionName);
    if (!query.exec())
        return fail(query.lastError());
    if (!database().commit())
        return fail(database().lastError());
    if (*version > 0)
        qCInfo(lcResults) << "Results in" << location() << "moved from schema version" << *version
                          << "to" << results_schema::currentVersion;
    return true;
}

bool SqlResultsStore::fillMistakes(QSqlQuery &query)
{
    struct Wrong
    {
        QString id;
        Mistake mistake;
    };
    QList<Wrong> wrong;
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, left_count, right_count, chosen FROM answers "
                                   "WHERE correct = 0")))
        return false;
    while (query.next()) {
        const QString chosen = query.value(3).toString();
        wrong.append({query.value(0).toString(),
                      classifyMistake(query.value(1).toInt(), query.value(2).toInt(),
                                      chosen.isEmpty() ? QChar() : chosen.front())});
    }
    query.finish();
    query.prepare(QStringLiteral("UPDATE answers SET mistake = ? WHERE id = ?"));
    for (const Wrong &answer : std::as_const(wrong)) {
        query.addBindValue(int(answer.mistake));
        query.addBindValue(answer.id);
        if (!query.exec())
            return false;
    }
    return true;
}

ResultsStore::Saved SqlResultsStore::insert(const AnswerRecord &answer, QSqlError *error)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "INSERT INTO answers (id, pupil, class_name, answered_at, answered_day, level, "
        "left_count, right_count, chosen, correct, seconds, mistake) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDateTime at = answer.answeredAt.isValid() ? answer.answeredAt
                                                     : QDateTime::currentDateTimeUtc();
    query.addBindValue(idValue(answer.id));
    query.addBindValue(textValue(answer.pupil));
    query.addBindValue(textValue(answer.className));
    query.addBindValue(QVariant(at.toMSecsSinceEpoch()));
    query.addBindValue(at.toLocalTime().date().toString(Qt::ISODate));
    query.addBindValue(answer.level);
    query.addBindValue(answer.left);
    query.addBindValue(answer.right);
    query.addBindValue(QString(answer.chosen));
    query.addBindValue(answer.correct ? 1 : 0);
    query.addBindValue(answer.seconds);
    query.addBindValue(int(answer.correct
                               ? Mistake::None
                               : classifyMistake(answer.left, answer.right, answer.chosen)));
    if (query.exec())
        return Saved::Kept;
    *error = query.lastError();
    return isDuplicate(*error) ? Saved::AlreadyKept : Saved::Failed;
}

ResultsStore::Saved SqlResultsStore::save(const AnswerRecord &answer)
{
    if (!open())
        return Saved::Failed;
    if (!writable()) {
        setProblem(
            QCoreApplication::translate(
                "ResultsStore", "La risposta non è stata salvata in %1: il file è di sola lettura.")
                .arg(location()));
        return Saved::Failed;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlError error;
        const Saved saved = insert(answer, &error);
        if (saved != Saved::Failed) {
            clearProblem();
            return saved;
        }
        const QString failed = QCoreApplication::translate(
                                   "ResultsStore", "La risposta non è stata salvata in %1: %2")
                                   .arg(location(), error.text());
        if (!recover(error, failed) || !open())
            break;
    }
    return Saved::Failed;
}

std::optional<QList<PupilSummary>> SqlResultsStore::summary(const PeriodBounds &period)
{
    return readTwice([&] { return summaryOnce(period); });
}

std::optional<QList<PupilSummary>> SqlResultsStore::summaryOnce(const PeriodBounds &period)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    // One pass over the summary index gives both the counts and the mistakes.
    query.prepare(QStringLiteral("SELECT pupil, mistake, COUNT(*), SUM(correct), SUM(seconds), "
                                 "MAX(answered_day) FROM answers")
                  + periodCondition(period, QStringLiteral(" WHERE "))
                  + QStringLiteral(" GROUP BY pupil, mistake ORDER BY pupil"));
    bindPeriod(query, period);
    if (!query.exec()) {
        readFailed(query.lastError());
        return std::nullopt;
    }
    QList<PupilSummary> rows;
    QList<double> seconds;
    MistakeCount common;
    while (query.next()) {
        const QString pupil = query.value(0).toString();
        if (rows.isEmpty() || rows.last().pupil != pupil) {
            if (!rows.isEmpty())
                rows.last().commonMistake = common.mistake;
            common = {};
            rows.append(PupilSummary{});
            rows.last().pupil = pupil;
            seconds.append(0);
        }
        PupilSummary &row = rows.last();
        const Mistake mistake = mistakeFromValue(query.value(1).toInt());
        const int count = query.value(2).toInt();
        row.exercises += count;
        row.right += query.value(3).toInt();
        seconds.last() += query.value(4).toDouble();
        row.lastDay = qMax(row.lastDay, QDate::fromString(query.value(5).toString(), Qt::ISODate));
        if (mistake != Mistake::None)
            common.offer(mistake, count);
    }
    if (!rows.isEmpty())
        rows.last().commonMistake = common.mistake;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        PupilSummary &row = rows[i];
        row.wrong = row.exercises - row.right;
        row.shareRight = row.exercises > 0 ? double(row.right) / row.exercises : 0;
        row.meanSeconds = row.exercises > 0 ? seconds.at(i) / row.exercises : 0;
    }
    return rows;
}

std::optional<QList<PupilDay>> SqlResultsStore::pupilDays(const QString &pupil,
                                                          const PeriodBounds &period)
{
    return readTwice([&] { return pupilDaysOnce(pupil, period); });
}

std::optional<QList<PupilDay>> SqlResultsStore::pupilDaysOnce(const QString &pupil,
                                                              const PeriodBounds &period)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT answered_day, mistake, COUNT(*), SUM(correct), "
                                 "SUM(seconds) FROM answers WHERE pupil = ?")
                  + periodCondition(period, QStringLiteral(" AND "))
                  + QStringLiteral(" GROUP BY answered_day, mistake ORDER BY answered_day"));
    query.addBindValue(textValue(pupil));
    bindPeriod(query, period);
    if (!query.exec()) {
        readFailed(query.lastError());
        return std::nullopt;
    }
    QList<PupilDay> days;
    QStringList names;
    QList<double> seconds;
    MistakeCount common;
    while (query.next()) {
        const QString name = query.value(0).toString();
        if (names.isEmpty() || names.last() != name) {
            if (!days.isEmpty())
                days.last().commonMistake = common.mistake;
            common = {};
            days.append(PupilDay{});
            days.last().day = QDate::fromString(name, Qt::ISODate);
            names.append(name);
            seconds.append(0);
        }
        PupilDay &day = days.last();
        const Mistake mistake = mistakeFromValue(query.value(1).toInt());
        const int count = query.value(2).toInt();
        day.exercises += count;
        day.right += query.value(3).toInt();
        seconds.last() += query.value(4).toDouble();
        if (mistake != Mistake::None)
            common.offer(mistake, count);
    }
    if (!days.isEmpty())
        days.last().commonMistake = common.mistake;
    for (qsizetype i = 0; i < days.size(); ++i) {
        PupilDay &day = days[i];
        day.wrong = day.exercises - day.right;
        day.meanSeconds = day.exercises > 0 ? seconds.at(i) / day.exercises : 0;
    }
    return days;
}

void SqlResultsStore::readFailed(const QSqlError &error)
{
    recover(
        error,
        QCoreApplication::translate("ResultsStore", "I risultati in %1 non si possono leggere: %2")
            .arg(location(), error.text()));
}

bool SqlResultsStore::remove(Whose whose, const QString &pupil)
{
    if (!open())
        return false;
    if (!writable()) {
        setProblem(QCoreApplication::translate(
                       "ResultsStore",
                       "I risultati in %1 non si possono cancellare: il file è di sola lettura.")
                       .arg(location()));
        return false;
    }
    QSqlQuery query(database());
    if (whose == Whose::Everyone) {
        query.prepare(QStringLiteral("DELETE FROM answers"));
    } else {
        query.prepare(QStringLiteral("DELETE FROM answers WHERE pupil = ?"));
        query.addBindValue(textValue(pupil));
    }
    if (query.exec()) {
        clearProblem();
        removed();
        return true;
    }
    recover(query.lastError(),
            QCoreApplication::translate("ResultsStore",
                                        "I risultati in %1 non si possono cancellare: %2")
                .arg(location(), query.lastError().text()));
    return false;
}

void SqlResultsStore::removed() {}

bool SqlResultsStore::recover(const QSqlError &, const QString &failure)
{
    setProblem(failure);
    return false;
}

bool SqlResultsStore::isDuplicate(const QSqlError &error)
{
    // SQLite's constraint codes (plain and extended), PostgreSQL's
    // unique_violation.
    static const QStringList codes{QStringLiteral("19"), QStringLiteral("1555"),
                                   QStringLiteral("2067"), QStringLiteral("23505")};
    return codes.contains(error.nativeErrorCode());
}

int SqlResultsStore::schemaVersion()
{
    if (!open())
        return 0;
    QSqlQuery query(database());
    return readVersion(query).value_or(0);
}
