// SPDX-License-Identifier: GPL-3.0-or-later
// The results file: what goes in comes out, older files are moved to the
// current schema, faults leave the drill going and say where, and answers
// survive a killed program and a second copy writing at once.
#include "ResultsFixture.h"

#include "storage/ResultsBackend.h"
#include "storage/ResultsCsv.h"
#include "storage/ResultsService.h"
#include "storage/ServerResults.h"
#include "storage/SqlBackend.h"
#include "storage/SqliteResultsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

using namespace results_fixture;

namespace {

const PeriodBounds everything = periodBounds(ResultsPeriod::All, noon());
// Where the damaged-file test breaks the first leaf page of the answers.
constexpr qint64 answersPage = -2;

// Rows read straight from a file, on a connection of the test's own.
QList<QVariantList> rawRows(const QString &path, const QString &sql)
{
    QList<QVariantList> rows;
    const QString name = QStringLiteral("raw");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (!query.exec(sql))
                qWarning() << query.lastError().text();
            while (query.next()) {
                QVariantList row;
                for (int i = 0; i < query.record().count(); ++i)
                    row << query.value(i);
                rows << row;
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

int countIn(const QString &path)
{
    const QList<QVariantList> rows = rawRows(path, QStringLiteral("SELECT COUNT(*) FROM answers"));
    return rows.isEmpty() ? -1 : rows.first().first().toInt();
}

std::optional<PupilSummary> rowOf(const QList<PupilSummary> &rows, const QString &pupil)
{
    for (const PupilSummary &row : rows) {
        if (row.pupil == pupil)
            return row;
    }
    return std::nullopt;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file written and closed, so that everything is in the main file.
void writeAnswers(const QString &path, int count)
{
    SqliteResultsStore store(path);
    for (int i = 0; i < count; ++i)
        QCOMPARE(store.save(answer(QStringLiteral("Anna %1").arg(i % 7), i % 9 + 1, 4, u'>')),
                 ResultsStore::Saved::Kept);
}

// Breaks a results file as the damaged-file tests' rows say: garbage at an
// offset of a file of 300 answers, or of the first leaf page of its answers,
// or instead of a database (a negative offset other than answersPage).
void damage(const QString &path, const QByteArray &garbage, qint64 offset)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (offset >= 0 || offset == answersPage)
        writeAnswers(path, 300);
    if (offset == answersPage) {
        const QList<QVariantList> pages = rawRows(
            path,
            QStringLiteral("SELECT pageno, pgsize FROM dbstat WHERE name = 'answers' "
                           "AND pagetype = 'leaf' ORDER BY pageno LIMIT 1"));
        QVERIFY(!pages.isEmpty());
        offset = (pages[0][0].toLongLong() - 1) * pages[0][1].toLongLong();
    }
    QFile file(path);
    QVERIFY(file.open(offset >= 0 ? QIODevice::ReadWrite : QIODevice::WriteOnly));
    QVERIFY(file.seek(qMax<qint64>(offset, 0)));
    QCOMPARE(file.write(garbage), garbage.size());
}

bool asRoot()
{
    return ::geteuid() == 0;
}

// Root reads and writes any file, whatever its permissions: as root, a test
// of them runs again in a copy of this test program as the plain user
// nobody. Returns why it cannot, or empty once the copy has run.
QString runAsPlainUser(const char *function, QProcess *copy)
{
    const QString setpriv = QStandardPaths::findExecutable(
        QStringLiteral("setpriv"), {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    const passwd *nobody = ::getpwnam("nobody");
    if (setpriv.isEmpty() || !nobody)
        return QStringLiteral("no setpriv or no user nobody to run it as a plain user");
    // A home and temporary folder the plain user may write in, in /tmp: the
    // caller's TMPDIR may lie in a folder only root may enter.
    static QTemporaryDir home(QStringLiteral("/tmp/gli-plain-user-XXXXXX"));
    QFile::setPermissions(home.path(),
                          QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther
                              | QFileDevice::ReadOwner | QFileDevice::WriteOwner
                              | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("TMPDIR"), home.path());
    copy->setProcessEnvironment(env);
    copy->setProcessChannelMode(QProcess::MergedChannels);
    copy->start(setpriv,
                {QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                 QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups"),
                 QCoreApplication::applicationFilePath(), QString::fromLatin1(function)});
    if (!copy->waitForFinished(60'000))
        return QStringLiteral("the copy of the test did not end");
    // setpriv's own failures: 127 when it may not change user (a container
    // without the right), 126 or 127 when it cannot run the program (a build
    // folder the plain user may not enter).
    if (copy->exitCode() == 126 || copy->exitCode() == 127)
        return QStringLiteral("the plain user cannot run this test program here");
    return {};
}

ResultsService::StoreFactory sqliteAt(const QString &path)
{
    return [path] { return std::make_unique<SqliteResultsStore>(path); };
}

} // namespace

// Runs the test function as the plain user, and passes or fails with it.
#define RUN_AS_PLAIN_USER_WHEN_ROOT()                                                              \
    if (asRoot()) {                                                                                \
        QProcess copy;                                                                             \
        if (const QString cannot = runAsPlainUser(QTest::currentTestFunction(), &copy);            \
            !cannot.isEmpty())                                                                     \
            QSKIP(qPrintable(cannot));                                                             \
        QVERIFY2(copy.exitCode() == 0, copy.readAll().constData());                                \
        return;                                                                                    \
    }

class TestResultsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void namesAndAnswersComeBackExactly_data();
    void namesAndAnswersComeBackExactly();
    void summariesAndDaysCountAndFindTheCommonMistake();
    void aSecondCopyOfAnAnswerIsRefused();
    void removesOnePupilOrEveryone();
    void movesAVersionOneFileToTheCurrentSchema();
    void leavesAFileOfANewerVersionAlone();

    void damagedFileIsMovedAsideAndANewOneStarted_data();
    void damagedFileIsMovedAsideAndANewOneStarted();
    void readOnlyFileGivesSummariesButTakesNoAnswers();
    void unreadableFileIsLeftAlone();
    void folderThatCannotBeMadeIsReported();
    void fullDiskFailsTheSavesAndKeepsTheFile();

    void serviceOpensNothingUntilFirstUseAndAnswersBySignals();
    void defaultServiceKeepsItsFileInTheDataFolder();
    void serviceTellsProblemsAndGoesOn();
    void withoutTheResultsModuleEverySaveSaysSo_data();
    void withoutTheResultsModuleEverySaveSaysSo();
    void serviceTellsTheResultsScreenOfAFileMovedAside_data();
    void serviceTellsTheResultsScreenOfAFileMovedAside();
    void serviceSavesEveryQueuedAnswerBeforeItEnds();
    void csvThroughTheServiceOrItsReason();

    void answerOfAKilledProgramIsInTheFile();
    void twoCopiesWritingAtOnceLoseNothing();

private:
    QTemporaryDir m_dir;
    int m_next = 0;
    QString freshFile()
    {
        return m_dir.filePath(QStringLiteral("f%1/results.sqlite").arg(++m_next));
    }
};

void TestResultsStore::initTestCase()
{
    isolate();
    QVERIFY(m_dir.isValid());
    QVERIFY(QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")));
}

void TestResultsStore::namesAndAnswersComeBackExactly_data()
{
    QTest::addColumn<QString>("pupil");

    QTest::newRow("plain") << "Anna";
    QTest::newRow("guest") << "";
    QTest::newRow("quotes") << "Anna \"la rossa\" D'Angelo";
    QTest::newRow("semicolons and commas") << "Rossi; Anna, B.";
    QTest::newRow("new line") << "Anna\nMaria";
    QTest::newRow("emoji") << "Luca 🦊👩‍👧";
    QTest::newRow("SQL") << "Bob'); DROP TABLE answers;--";
    QTest::newRow("very long") << QString(5000, u'ü');
}

void TestResultsStore::namesAndAnswersComeBackExactly()
{
    QFETCH(QString, pupil);
    const QString path = freshFile();
    SqliteResultsStore store(path);
    AnswerRecord wrong = answer(pupil, 3, 8, u'=', noon(), 4.25);
    wrong.level = 15;
    wrong.className = QStringLiteral("3ª B; \"sezione\"");
    QCOMPARE(store.save(wrong), ResultsStore::Saved::Kept);
    QCOMPARE(store.save(answer(pupil, 2, 2, u'=', noon(-1), 1.75)), ResultsStore::Saved::Kept);
    QVERIFY2(store.problem().isEmpty(), qPrintable(store.problem()));

    const auto rows = store.summary(everything);
    QVERIFY(rows);
    QCOMPARE(rows->size(), 1);
    const PupilSummary &row = rows->first();
    QCOMPARE(row.pupil, pupil);
    QCOMPARE(row.exercises, 2);
    QCOMPARE(row.right, 1);
    QCOMPARE(row.wrong, 1);
    QCOMPARE(row.shareRight, 0.5);
    QCOMPARE(row.meanSeconds, 3.0);
    QCOMPARE(row.lastDay, noon().date());
    QCOMPARE(row.commonMistake, Mistake::SeesFalseEqual);
    const auto days = store.pupilDays(pupil, everything);
    QVERIFY(days);
    QCOMPARE(days->size(), 2);

    const QList<QVariantList> raw = rawRows(
        path,
        QStringLiteral("SELECT id, pupil, class_name, answered_at, level, "
                       "left_count, right_count, chosen, correct, seconds "
                       "FROM answers WHERE correct = 0"));
    QCOMPARE(raw.size(), 1);
    QCOMPARE(raw[0][0].toString(), wrong.id.toString(QUuid::WithoutBraces));
    QCOMPARE(raw[0][1].toString(), pupil);
    QCOMPARE(raw[0][2].toString(), wrong.className);
    QCOMPARE(raw[0][3].toLongLong(), wrong.answeredAt.toMSecsSinceEpoch());
    QCOMPARE(raw[0][4].toInt(), 15);
    QCOMPARE(raw[0][5].toInt(), 3);
    QCOMPARE(raw[0][6].toInt(), 8);
    QCOMPARE(raw[0][7].toString(), QStringLiteral("="));
    QCOMPARE(raw[0][9].toDouble(), 4.25);
    // The file keeps its answers in a write-ahead log, synced at each commit.
    QCOMPARE(rawRows(path, QStringLiteral("PRAGMA journal_mode")).value(0).value(0).toString(),
             QStringLiteral("wal"));
}

void TestResultsStore::summariesAndDaysCountAndFindTheCommonMistake()
{
    SqliteResultsStore store(freshFile());
    const QString anna = QStringLiteral("Anna");
    const QString bruno = QStringLiteral("Bruno");
    QList<AnswerRecord> answers{
        // Anna, yesterday: three times "=" missed.
        answer(anna, 4, 4, u'<', noon(-1), 6),
        answer(anna, 7, 7, u'>', noon(-1), 6),
        answer(anna, 2, 2, u'<', noon(-1), 6),
        answer(anna, 1, 9, u'<', noon(-1), 6),
        // Anna, today: off by one twice, a swap once, three right.
        answer(anna, 5, 6, u'>', noon(), 2),
        answer(anna, 6, 5, u'<', noon(), 2),
        answer(anna, 2, 9, u'>', noon(), 2),
        answer(anna, 3, 1, u'>', noon(), 2),
        answer(anna, 3, 3, u'=', noon(), 2),
        answer(anna, 1, 2, u'<', noon(), 2),
        // Bruno, today: one swap and one false "=": a tie goes to the lower value.
        answer(bruno, 8, 2, u'<', noon(), 1),
        answer(bruno, 8, 2, u'=', noon(), 3),
        // Anna, last week: outside this week.
        answer(anna, 9, 1, u'=', noon(-8), 9),
    };
    for (const AnswerRecord &record : answers)
        QCOMPARE(store.save(record), ResultsStore::Saved::Kept);

    const auto all = store.summary(everything);
    QVERIFY(all);
    QCOMPARE(all->size(), 2);
    const PupilSummary annaAll = *rowOf(*all, anna);
    QCOMPARE(annaAll.exercises, 11);
    QCOMPARE(annaAll.right, 4);
    QCOMPARE(annaAll.wrong, 7);
    QCOMPARE(annaAll.lastDay, noon().date());
    QCOMPARE(annaAll.commonMistake, Mistake::MissesEqual);
    QCOMPARE(annaAll.meanSeconds, (4 * 6 + 6 * 2 + 9) / 11.0);
    const PupilSummary brunoAll = *rowOf(*all, bruno);
    QCOMPARE(brunoAll.commonMistake, Mistake::SwapsLessGreater);
    QCOMPARE(brunoAll.shareRight, 0.0);

    const PeriodBounds today{noon().date().startOfDay().toMSecsSinceEpoch(),
                             noon().date().addDays(1).startOfDay().toMSecsSinceEpoch()};
    const auto todays = store.summary(today);
    QVERIFY(todays);
    const PupilSummary annaToday = *rowOf(*todays, anna);
    QCOMPARE(annaToday.exercises, 6);
    QCOMPARE(annaToday.commonMistake, Mistake::OffByOne);
    const PeriodBounds nothing{today.until, today.until + 1};
    QCOMPARE(store.summary(nothing)->size(), 0);

    const auto days = store.pupilDays(anna, everything);
    QVERIFY(days);
    QCOMPARE(days->size(), 3);
    QCOMPARE(days->at(0).day, noon(-8).date());
    QCOMPARE(days->at(0).commonMistake, Mistake::SeesFalseEqual);
    QCOMPARE(days->at(1).day, noon(-1).date());
    QCOMPARE(days->at(1).exercises, 4);
    QCOMPARE(days->at(1).right, 1);
    QCOMPARE(days->at(1).commonMistake, Mistake::MissesEqual);
    QCOMPARE(days->at(2).right, 3);
    QCOMPARE(days->at(2).wrong, 3);
    QCOMPARE(days->at(2).meanSeconds, 2.0);
    QCOMPARE(days->at(2).commonMistake, Mistake::OffByOne);
    QCOMPARE(store.pupilDays(QStringLiteral("Nessuno"), everything)->size(), 0);
}

void TestResultsStore::aSecondCopyOfAnAnswerIsRefused()
{
    const QString path = freshFile();
    SqliteResultsStore store(path);
    const AnswerRecord record = answer(QStringLiteral("Anna"), 1, 2, u'<');
    QCOMPARE(store.save(record), ResultsStore::Saved::Kept);
    QCOMPARE(store.save(record), ResultsStore::Saved::AlreadyKept);
    QCOMPARE(countIn(path), 1);
}

void TestResultsStore::removesOnePupilOrEveryone()
{
    const QString path = freshFile();
    SqliteResultsStore store(path);
    for (const QString &pupil : {QStringLiteral("Anna"), QStringLiteral("Bruno"), QString()}) {
        QCOMPARE(store.save(answer(pupil, 1, 2, u'<')), ResultsStore::Saved::Kept);
        QCOMPARE(store.save(answer(pupil, 1, 2, u'>')), ResultsStore::Saved::Kept);
    }
    QVERIFY(store.remove(ResultsStore::Whose::Pupil, QStringLiteral("Bruno")));
    QCOMPARE(countIn(path), 4);
    QVERIFY(!rowOf(*store.summary(everything), QStringLiteral("Bruno")));
    QVERIFY(rowOf(*store.summary(everything), QString()));
    QVERIFY(store.remove(ResultsStore::Whose::Everyone));
    QCOMPARE(countIn(path), 0);
    QCOMPARE(store.summary(everything)->size(), 0);
    // Nothing of the removed names lingers in the file or its log.
    store.close();
    QVERIFY(!contents(path).contains("Bruno"));
    QVERIFY(!contents(path + QStringLiteral("-wal")).contains("Bruno"));
}

void TestResultsStore::movesAVersionOneFileToTheCurrentSchema()
{
    const QString path = freshFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
        // Version 1 kept neither the class nor the kind of mistake.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                    QStringLiteral("v1"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        const QStringList statements{
            QStringLiteral("CREATE TABLE meta (name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
            QStringLiteral("INSERT INTO meta VALUES ('schema_version', '1')"),
            QStringLiteral("CREATE TABLE answers (id TEXT PRIMARY KEY, pupil TEXT NOT NULL, "
                           "answered_at BIGINT NOT NULL, answered_day TEXT NOT NULL, "
                           "level INTEGER NOT NULL, left_count INTEGER NOT NULL, "
                           "right_count INTEGER NOT NULL, chosen TEXT NOT NULL, "
                           "correct INTEGER NOT NULL, seconds DOUBLE PRECISION NOT NULL)"),
            QStringLiteral("CREATE INDEX answers_by_time ON answers (answered_at)"),
            QStringLiteral("INSERT INTO answers VALUES ('a', 'Anna', 1773831600000, "
                           "'2026-03-18', 10, 3, 5, '=', 0, 2.0)"),
            QStringLiteral("INSERT INTO answers VALUES ('b', 'Anna', 1773831601000, "
                           "'2026-03-18', 10, 9, 2, '=', 0, 3.0)"),
            QStringLiteral("INSERT INTO answers VALUES ('c', 'Anna', 1773831602000, "
                           "'2026-03-18', 10, 8, 2, '<', 0, 4.0)"),
            QStringLiteral("INSERT INTO answers VALUES ('d', 'Bruno', 1773831603000, "
                           "'2026-03-18', 5, 1, 1, '=', 1, 1.0)"),
        };
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));

    SqliteResultsStore store(path);
    QCOMPARE(store.schemaVersion(), 2);
    const auto rows = store.summary(everything);
    QVERIFY(rows);
    const PupilSummary anna = *rowOf(*rows, QStringLiteral("Anna"));
    QCOMPARE(anna.exercises, 3);
    QCOMPARE(anna.meanSeconds, 3.0);
    // The old wrong answers got their mistakes: two false "=", one swap.
    QCOMPARE(anna.commonMistake, Mistake::SeesFalseEqual);
    QCOMPARE(rowOf(*rows, QStringLiteral("Bruno"))->right, 1);
    AnswerRecord fresh = answer(QStringLiteral("Bruno"), 2, 3, u'<');
    QCOMPARE(store.save(fresh), ResultsStore::Saved::Kept);
    // The old answers have no class; the new one has its own.
    const QString freshClass = QStringLiteral("SELECT class_name FROM answers WHERE id = '%1'")
                                   .arg(fresh.id.toString(QUuid::WithoutBraces));
    QCOMPARE(rawRows(path, freshClass).value(0).value(0).toString(), fresh.className);
    QCOMPARE(rawRows(path, QStringLiteral("SELECT id FROM answers WHERE class_name = ''")).size(),
             4);
    QCOMPARE(rawRows(path, QStringLiteral("SELECT mistake FROM answers WHERE id = 'c'"))
                 .value(0)
                 .value(0)
                 .toInt(),
             int(Mistake::SwapsLessGreater));
    store.close();
    // Opened again, the file is taken as it is.
    SqliteResultsStore again(path);
    QCOMPARE(again.schemaVersion(), 2);
    QCOMPARE(countIn(path), 5);
}

void TestResultsStore::leavesAFileOfANewerVersionAlone()
{
    const QString path = freshFile();
    writeAnswers(path, 3);
    rawRows(path, QStringLiteral("UPDATE meta SET value = '3' WHERE name = 'schema_version'"));
    SqliteResultsStore store(path);
    QVERIFY(!store.open());
    QVERIFY(store.problem().contains(path));
    QCOMPARE(store.save(answer(QStringLiteral("Anna"), 1, 2, u'<')), ResultsStore::Saved::Failed);
    QCOMPARE(countIn(path), 3);
    QVERIFY(store.movedAside().isEmpty());
}

void TestResultsStore::damagedFileIsMovedAsideAndANewOneStarted_data()
{
    QTest::addColumn<QByteArray>("garbage");
    QTest::addColumn<qint64>("offset");

    QTest::newRow("not a database") << QByteArray("Nome;Giusti\r\nAnna;3\r\n") << qint64(-1);
    QTest::newRow("header page broken") << QByteArray(200, '\xA5') << qint64(16);
    QTest::newRow("meta page broken") << QByteArray(4096, '\xA5') << qint64(2 * 4096);
    // A page that neither opening nor saving reads: only the look over the
    // whole file finds it.
    QTest::newRow("first answers page broken") << QByteArray(4096, '\xA5') << answersPage;
}

void TestResultsStore::damagedFileIsMovedAsideAndANewOneStarted()
{
    QFETCH(QByteArray, garbage);
    QFETCH(qint64, offset);
    const QString path = freshFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    damage(path, garbage, offset);
    QVERIFY(!QTest::currentTestFailed());
    const QByteArray damaged = contents(path);

    SqliteResultsStore store(path);
    // Opening finds a damaged first page; the look over the whole file, the
    // rest.
    QVERIFY(store.open());
    store.verify();
    QVERIFY(!store.movedAside().isEmpty());
    const AnswerRecord record = answer(QStringLiteral("Anna"), 1, 2, u'<');
    QCOMPARE(store.save(record), ResultsStore::Saved::Kept);
    QCOMPARE(contents(store.movedAside()), damaged);
    QVERIFY(store.notice().contains(store.movedAside()));
    QVERIFY(store.notice().contains(path));
    QCOMPARE(store.summary(everything)->size(), 1);
    QCOMPARE(countIn(path), 1);
}

void TestResultsStore::readOnlyFileGivesSummariesButTakesNoAnswers()
{
    RUN_AS_PLAIN_USER_WHEN_ROOT();
    const QString path = freshFile();
    writeAnswers(path, 5);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QByteArray before = contents(path);
    SqliteResultsStore store(path);
    QVERIFY(store.open());
    QVERIFY(store.problem().contains(path));
    QCOMPARE(store.summary(everything)->size(), 5);
    QCOMPARE(store.save(answer(QStringLiteral("Anna"), 1, 2, u'<')), ResultsStore::Saved::Failed);
    store.close();
    QCOMPARE(contents(path), before);
    QVERIFY(store.movedAside().isEmpty());
}

void TestResultsStore::unreadableFileIsLeftAlone()
{
    RUN_AS_PLAIN_USER_WHEN_ROOT();
    const QString path = freshFile();
    writeAnswers(path, 2);
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    SqliteResultsStore store(path);
    QCOMPARE(store.save(answer(QStringLiteral("Anna"), 1, 2, u'<')), ResultsStore::Saved::Failed);
    QVERIFY(store.problem().contains(path));
    QVERIFY(!store.summary(everything));
    QVERIFY(store.movedAside().isEmpty());
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(countIn(path), 2);
}

void TestResultsStore::folderThatCannotBeMadeIsReported()
{
    // A file stands where the folder should be; this holds for root too.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    SqliteResultsStore store(blocker + QStringLiteral("/gli-insiemi/results.sqlite"));
    QCOMPARE(store.save(answer(QStringLiteral("Anna"), 1, 2, u'<')), ResultsStore::Saved::Failed);
    QVERIFY(store.problem().contains(blocker));
    QVERIFY(!store.summary(everything));
}

void TestResultsStore::fullDiskFailsTheSavesAndKeepsTheFile()
{
    const QString path = freshFile();
    constexpr int tried = 3000;
    QProcess writer;
    // No file may grow past 256 KiB: the log fills long before 3,000 answers.
    writer.start(
        QStringLiteral(GLI_RESULTS_WRITER),
        {path, QStringLiteral("Anna"), QString::number(tried), QStringLiteral("limit=262144")});
    QVERIFY(writer.waitForFinished(120'000));
    const QString errors = QString::fromLocal8Bit(writer.readAllStandardError());
    QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
    QVERIFY2(writer.exitCode() == 0, qPrintable(errors));
    const QByteArray line = writer.readAllStandardOutput().trimmed();
    QVERIFY(line.startsWith("saved "));
    const int saved = line.mid(6).toInt();
    QVERIFY2(saved > 0 && saved < tried, line.constData());
    // Named in the log once, told once for the saves and once more for the
    // summary: not once for each of the thousands of answers that failed.
    QVERIFY2(errors.contains(path), qPrintable(errors));
    QVERIFY2(errors.count(path) <= 3, qPrintable(errors));
    // What was saved is all there, and the file is whole.
    SqliteResultsStore store(path);
    const auto rows = store.summary(everything);
    QVERIFY(rows);
    QCOMPARE(rows->value(0).exercises, saved);
    QVERIFY(store.movedAside().isEmpty());
}

void TestResultsStore::serviceOpensNothingUntilFirstUseAndAnswersBySignals()
{
    const QString path = freshFile();
    int made = 0;
    ResultsService service(
        [&made, path] {
            ++made;
            return std::make_unique<SqliteResultsStore>(path);
        },
        path);
    QCOMPARE(service.location(), path);
    QCOMPARE(made, 0);
    QVERIFY(!QFile::exists(path));

    QSignalSpy saved(&service, &ResultsService::saved);
    QSignalSpy summary(&service, &ResultsService::summaryReady);
    QSignalSpy days(&service, &ResultsService::pupilDaysReady);
    QSignalSpy deleted(&service, &ResultsService::deleted);
    QSignalSpy problems(&service, &ResultsService::problem);
    const AnswerRecord record = AnswerRecord::now(QStringLiteral("Anna"), QStringLiteral("3B"), 10,
                                                  4, 6, u'<', true, 2);
    service.save(record);
    service.save(AnswerRecord::now({}, {}, 10, 6, 4, u'<', false, 3));
    service.requestSummary(ResultsPeriod::Today);
    QTRY_COMPARE(summary.size(), 1);
    QCOMPARE(saved.size(), 2);
    QCOMPARE(saved.first().first().value<QUuid>(), record.id);
    const auto rows = summary.first().first().value<QList<PupilSummary>>();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rowOf(rows, QString())->commonMistake, Mistake::SwapsLessGreater);

    service.requestPupilDays(QStringLiteral("Anna"), ResultsPeriod::ThisWeek);
    QTRY_COMPARE(days.size(), 1);
    QCOMPARE(days.first().at(0).toString(), QStringLiteral("Anna"));
    QCOMPARE(days.first().at(1).value<QList<PupilDay>>().size(), 1);

    service.requestDelete(QStringLiteral("Anna"));
    service.requestSummary(ResultsPeriod::All);
    QTRY_COMPARE(summary.size(), 2);
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(summary.last().first().value<QList<PupilSummary>>().size(), 1);
    service.requestDelete({});
    service.requestSummary(ResultsPeriod::All);
    QTRY_COMPARE(summary.size(), 3);
    QVERIFY(summary.last().first().value<QList<PupilSummary>>().isEmpty());
    QCOMPARE(made, 1);
    QVERIFY(problems.isEmpty());
}

void TestResultsStore::defaultServiceKeepsItsFileInTheDataFolder()
{
    // In test mode the data folder is the test's own, never the user's.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString expected = QDir(folder).filePath(QStringLiteral("results.sqlite"));
    QVERIFY(!QFile::exists(expected));
    {
        ResultsService service;
        QCOMPARE(service.location(), expected);
        QSignalSpy saved(&service, &ResultsService::saved);
        service.save(AnswerRecord::now(QStringLiteral("Anna"), {}, 10, 1, 2, u'<', true, 1));
        QTRY_COMPARE(saved.size(), 1);
    }
    QCOMPARE(countIn(expected), 1);
    QVERIFY(QDir(folder).removeRecursively());
}

void TestResultsStore::serviceTellsProblemsAndGoesOn()
{
    const QString blocker = m_dir.filePath(QStringLiteral("blocked"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString path = blocker + QStringLiteral("/results.sqlite");
    ResultsService service(sqliteAt(path), path);
    QSignalSpy problems(&service, &ResultsService::problem);
    QSignalSpy summary(&service, &ResultsService::summaryReady);
    QSignalSpy saved(&service, &ResultsService::saved);
    for (int i = 0; i < 3; ++i)
        service.save(AnswerRecord::now(QStringLiteral("Anna"), {}, 10, 1, 2, u'<', true, 1));
    service.requestSummary(ResultsPeriod::All);
    QTRY_COMPARE(summary.size(), 1);
    QVERIFY(summary.first().first().value<QList<PupilSummary>>().isEmpty());
    QVERIFY(saved.isEmpty());
    // Once for the saves, once more for the teacher's request.
    QCOMPARE(problems.size(), 2);
    QVERIFY(problems.last().first().toString().contains(blocker));
}

void TestResultsStore::withoutTheResultsModuleEverySaveSaysSo_data()
{
    QTest::addColumn<QString>("module"); // in the test's folder
    QTest::addColumn<QByteArray>("contents"); // empty: no such file
    QTest::newRow("no module") << "nowhere/gli-insiemi-results.so" << QByteArray();
    QTest::newRow("not a module") << "broken/gli-insiemi-results.so"
                                  << QByteArray("not a shared object");
}

// A program whose results module cannot be opened still runs the drill; every
// save and every request says why, and the connection test too.
void TestResultsStore::withoutTheResultsModuleEverySaveSaysSo()
{
    QFETCH(QString, module);
    QFETCH(QByteArray, contents);
    const QString file = m_dir.filePath(module);
    if (!contents.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QFile broken(file);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        QVERIFY(broken.write(contents) > 0);
    }
    const auto builtIn = qScopeGuard([] {
        results::setModuleFile(QString());
        results::setBackend(&sqlResultsBackend());
    });
    results::setBackend(nullptr);
    results::setModuleFile(file);

    const QString path = freshFile();
    std::unique_ptr<ResultsService> service(makeResultsService(path, ServerSettings()));
    QSignalSpy problems(service.get(), &ResultsService::problem);
    QSignalSpy summary(service.get(), &ResultsService::summaryReady);
    service->save(AnswerRecord::now(QStringLiteral("Anna"), {}, 10, 1, 2, u'<', true, 1));
    service->requestSummary(ResultsPeriod::All);
    QTRY_COMPARE(summary.size(), 1);
    QCOMPARE(problems.size(), 2);
    for (const QList<QVariant> &problem : problems)
        QVERIFY2(problem.first().toString().contains(QStringLiteral("gli-insiemi-results.so")),
                 qPrintable(problem.first().toString()));
    QVERIFY(!QFile::exists(path));

    const auto [fault, text] = results::backend().checkServer(ServerSettings());
    QCOMPARE(fault, ServerFault::Other);
    QVERIFY(text.contains(QStringLiteral("gli-insiemi-results.so")));
}

void TestResultsStore::serviceTellsTheResultsScreenOfAFileMovedAside_data()
{
    damagedFileIsMovedAsideAndANewOneStarted_data();
}

void TestResultsStore::serviceTellsTheResultsScreenOfAFileMovedAside()
{
    QFETCH(QByteArray, garbage);
    QFETCH(qint64, offset);
    const QString path = freshFile();
    damage(path, garbage, offset);
    QVERIFY(!QTest::currentTestFailed());
    ResultsService service(sqliteAt(path), path);
    QSignalSpy problems(&service, &ResultsService::problem);
    QSignalSpy summary(&service, &ResultsService::summaryReady);
    QSignalSpy saved(&service, &ResultsService::saved);
    service.save(AnswerRecord::now(QStringLiteral("Anna"), {}, 10, 1, 2, u'<', true, 1));
    service.save(AnswerRecord::now(QStringLiteral("Anna"), {}, 10, 1, 2, u'<', true, 1));
    service.requestSummary(ResultsPeriod::All);
    QTRY_COMPARE(summary.size(), 1);
    QCOMPARE(saved.size(), 2);
    // Damage that only the look over the whole file finds is found after
    // the first answer is saved, and that answer goes aside with the file.
    const int inNewFile = offset == answersPage ? 1 : 2;
    QCOMPARE(summary.first().first().value<QList<PupilSummary>>().value(0).exercises, inNewFile);
    // Once while saving, and again for the results screen, which opens later.
    QCOMPARE(problems.size(), 2);
    for (const QList<QVariant> &told : std::as_const(problems))
        QVERIFY(told.first().toString().contains(path + QStringLiteral(".damaged-")));
}

void TestResultsStore::serviceSavesEveryQueuedAnswerBeforeItEnds()
{
    const QString path = freshFile();
    {
        ResultsService service(sqliteAt(path), path);
        for (int i = 0; i < 50; ++i)
            service.save(AnswerRecord::now(QStringLiteral("Anna"), {}, 10, 1, 2, u'<', true, 1));
    }
    QCOMPARE(countIn(path), 50);
}

void TestResultsStore::csvThroughTheServiceOrItsReason()
{
    const QString path = freshFile();
    ResultsService service(sqliteAt(path), path);
    QSignalSpy written(&service, &ResultsService::csvWritten);
    service.save(AnswerRecord::now(QStringLiteral("=Anna"), {}, 10, 1, 2, u'<', true, 1));
    const QString csv = m_dir.filePath(QStringLiteral("risultati.csv"));
    service.requestCsv(csv, ResultsPeriod::All);
    QTRY_COMPARE(written.size(), 1);
    QCOMPARE(written.first().at(0).toString(), csv);
    QCOMPARE(written.first().at(1).toString(), QString());
    const QByteArray bytes = contents(csv);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains("\"'=Anna\""));

    const QString nowhere = m_dir.filePath(QStringLiteral("no-such-folder/risultati.csv"));
    service.requestCsv(nowhere, ResultsPeriod::All);
    QTRY_COMPARE(written.size(), 2);
    QVERIFY(written.last().at(1).toString().contains(QStringLiteral("no-such-folder")));
    QVERIFY(!QFile::exists(nowhere));
}

void TestResultsStore::answerOfAKilledProgramIsInTheFile()
{
    const QString path = freshFile();
    QProcess writer;
    writer.start(QStringLiteral(GLI_RESULTS_WRITER),
                 {path, QStringLiteral("Anna"), QStringLiteral("1"), QStringLiteral("stay")});
    QVERIFY(writer.waitForStarted());
    while (!writer.canReadLine())
        QVERIFY2(writer.waitForReadyRead(30'000), writer.readAllStandardError().constData());
    QCOMPARE(writer.readLine().trimmed(), QByteArray("saved 1"));
    writer.kill(); // SIGKILL: no clean-up of any kind
    QVERIFY(writer.waitForFinished());
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

    SqliteResultsStore store(path);
    const auto rows = store.summary(everything);
    QVERIFY(rows);
    QCOMPARE(rows->size(), 1);
    QCOMPARE(rows->first().pupil, QStringLiteral("Anna"));
    QCOMPARE(rows->first().exercises, 1);
}

void TestResultsStore::twoCopiesWritingAtOnceLoseNothing()
{
    const QString path = freshFile();
    constexpr int each = 200;
    QProcess first;
    QProcess second;
    for (QProcess *writer : {&first, &second}) {
        writer->start(QStringLiteral(GLI_RESULTS_WRITER),
                      {path, writer == &first ? QStringLiteral("Anna") : QStringLiteral("Bruno"),
                       QString::number(each)});
    }
    for (QProcess *writer : {&first, &second}) {
        QVERIFY(writer->waitForFinished(120'000));
        QCOMPARE(writer->exitStatus(), QProcess::NormalExit);
        QVERIFY2(writer->exitCode() == 0, writer->readAllStandardError().constData());
        QCOMPARE(writer->readAllStandardOutput().trimmed(), QByteArray("saved 200"));
        QCOMPARE(writer->readAllStandardError(), QByteArray());
    }
    SqliteResultsStore store(path);
    const auto rows = store.summary(everything);
    QVERIFY(rows);
    QCOMPARE(rows->size(), 2);
    QCOMPARE(rowOf(*rows, QStringLiteral("Anna"))->exercises, each);
    QCOMPARE(rowOf(*rows, QStringLiteral("Bruno"))->exercises, each);
}

QTEST_GUILESS_MAIN(TestResultsStore)
#include "tst_resultsstore.moc"
