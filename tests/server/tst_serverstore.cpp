// SPDX-License-Identifier: GPL-3.0-or-later
// The results store on both backends, the local file and the school's
// server, and the server's faults in words.
#include "ServerTestSystem.h"

#include "storage/PostgresResultsStore.h"
#include "storage/ServerProbe.h"
#include "storage/ResultsService.h"
#include "storage/ServerResults.h"
#include "storage/SqliteResultsStore.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace server_test;

enum class Backend { Sqlite, Postgres };

class TestServerStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void oldTablesMoveOn_data();
    void oldTablesMoveOn();
    void schoolScriptMakesTheProgramsTables();
    void programRoleInsertsAndReadsOnly();
    void faultsInWords_data();
    void faultsInWords();

private:
    // The store of one test on the backend asked for; skips without the
    // server.
    struct Fixture
    {
        QTemporaryDir dir;
        std::unique_ptr<Database> database;
        std::unique_ptr<ResultsStore> store;
    };
    bool makeFixture(Backend backend, Fixture &fixture, Database::Tables tables);

    QTemporaryDir m_home;
};

namespace {

AnswerRecord answer(const QString &pupil, const QString &className, int left, int right,
                    QChar chosen, double seconds, const QDateTime &at)
{
    const QChar correct = left < right ? u'<' : left > right ? u'>' : u'=';
    AnswerRecord record = AnswerRecord::now(pupil, className, 10, left, right, chosen,
                                            chosen == correct, seconds);
    record.answeredAt = at;
    return record;
}

const PupilSummary *rowOf(const QList<PupilSummary> &rows, const QString &pupil)
{
    for (const PupilSummary &row : rows) {
        if (row.pupil == pupil)
            return &row;
    }
    return nullptr;
}

PeriodBounds everything(const QString &className = {})
{
    PeriodBounds bounds{0, std::numeric_limits<qint64>::max() / 2, className};
    return bounds;
}

// The version-1 tables: no class, no mistake.
const QStringList versionOneTables{
    QStringLiteral("CREATE TABLE meta (name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
    QStringLiteral("INSERT INTO meta (name, value) VALUES ('schema_version', '1')"),
    QStringLiteral("CREATE TABLE answers (id TEXT PRIMARY KEY, pupil TEXT NOT NULL, "
                   "answered_at BIGINT NOT NULL, answered_day TEXT NOT NULL, level INTEGER NOT "
                   "NULL, left_count INTEGER NOT NULL, right_count INTEGER NOT NULL, chosen TEXT "
                   "NOT NULL, correct INTEGER NOT NULL, seconds DOUBLE PRECISION NOT NULL)"),
    QStringLiteral("INSERT INTO answers VALUES ('00000000-0000-4000-8000-000000000001', 'Anna', "
                   "1700000000000, '2023-11-14', 10, 4, 5, '>', 0, 2.5)"),
    QStringLiteral("INSERT INTO answers VALUES ('00000000-0000-4000-8000-000000000002', 'Anna', "
                   "1700000060000, '2023-11-14', 10, 6, 6, '<', 0, 1.5)"),
    QStringLiteral("INSERT INTO answers VALUES ('00000000-0000-4000-8000-000000000003', 'Anna', "
                   "1700000120000, '2023-11-14', 10, 2, 8, '=', 0, 3.5)"),
    QStringLiteral("INSERT INTO answers VALUES ('00000000-0000-4000-8000-000000000004', 'Anna', "
                   "1700000180000, '2023-11-14', 10, 2, 9, '=', 0, 3.0)"),
};

bool runLocal(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        for (const QString &statement : statements)
            ok = ok && query.exec(statement);
        db.close();
    }
    QSqlDatabase::removeDatabase(path);
    return ok;
}

} // namespace

void TestServerStore::initTestCase()
{
    QVERIFY(m_home.isValid());
    if (missing().isEmpty())
        useTestPasswords(m_home.path());
}

bool TestServerStore::makeFixture(Backend backend, Fixture &fixture, Database::Tables tables)
{
    if (backend == Backend::Sqlite) {
        fixture.store = std::make_unique<SqliteResultsStore>(
            fixture.dir.filePath(QStringLiteral("results.sqlite")));
        return true;
    }
    if (!missing().isEmpty())
        return false;
    fixture.database = std::make_unique<Database>(tables);
    if (!fixture.database->ready())
        qWarning() << fixture.database->error();
    fixture.store = std::make_unique<PostgresResultsStore>(fixture.database->asOwner());
    return fixture.database->ready();
}

#define MAKE_FIXTURE(backend, fixture, tables)                                                     \
    do {                                                                                           \
        if (!makeFixture(backend, fixture, tables)) {                                              \
            if (!missing().isEmpty())                                                              \
                QSKIP(qPrintable(missing()));                                                      \
            QFAIL("the test database could not be made");                                          \
        }                                                                                          \
    } while (false)

void TestServerStore::roundTrip_data()
{
    QTest::addColumn<Backend>("backend");
    QTest::newRow("local file") << Backend::Sqlite;
    QTest::newRow("server") << Backend::Postgres;
}

void TestServerStore::roundTrip()
{
    QFETCH(Backend, backend);
    Fixture fixture;
    MAKE_FIXTURE(backend, fixture, Database::Tables::None);
    ResultsStore &store = *fixture.store;
    QVERIFY2(store.open(), qPrintable(store.problem()));

    const QDateTime monday(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
    const QDateTime tuesday = monday.addDays(1);
    const QString odd = QStringLiteral("Robert'); DROP TABLE answers;-- \"é😀\"");
    const QList<AnswerRecord> answers{
        answer("Anna", "3A", 5, 7, u'<', 2.0, monday), // right
        answer("Anna", "3A", 4, 5, u'>', 4.0, monday), // off by one
        answer("Anna", "3A", 6, 6, u'<', 3.0, tuesday), // misses '='
        answer("Anna", "4B", 3, 9, u'>', 1.0, tuesday), // another Anna, another class
        answer("Bruno", "3A", 2, 8, u'=', 5.0, monday), // sees '='
        answer("Bruno", "3A", 9, 2, u'>', 1.0, monday), // right
        answer(odd, "3A", 9, 2, u'<', 2.0, monday), // swaps '<' and '>'
        answer("", "", 1, 1, u'=', 1.5, monday), // the guest
    };
    for (const AnswerRecord &record : answers)
        QCOMPARE(store.save(record), ResultsStore::Saved::Kept);
    // A second copy of an id is refused: what a resend relies on.
    QCOMPARE(store.save(answers.first()), ResultsStore::Saved::AlreadyKept);

    const auto all = store.summary(everything());
    QVERIFY2(all, qPrintable(store.problem()));
    QCOMPARE(all->size(), 4);
    QCOMPARE(rowOf(*all, "Anna")->exercises, 4);
    QVERIFY(rowOf(*all, ""));

    const auto third = store.summary(everything("3A"));
    QVERIFY2(third, qPrintable(store.problem()));
    QCOMPARE(third->size(), 3);
    const PupilSummary *anna = rowOf(*third, "Anna");
    QVERIFY(anna);
    QCOMPARE(anna->exercises, 3);
    QCOMPARE(anna->right, 1);
    QCOMPARE(anna->wrong, 2);
    QCOMPARE(anna->meanSeconds, 3.0);
    QCOMPARE(anna->lastDay, tuesday.toLocalTime().date());
    // One off by one, one missed '=': a tie goes to the lower value.
    QCOMPARE(anna->commonMistake, Mistake::MissesEqual);
    QCOMPARE(rowOf(*third, "Bruno")->commonMistake, Mistake::SeesFalseEqual);
    const PupilSummary *robert = rowOf(*third, odd);
    QVERIFY2(robert, "a name that looks like SQL is kept as typed");
    QCOMPARE(robert->commonMistake, Mistake::SwapsLessGreater);
    QCOMPARE(store.summary(everything("5C"))->size(), 0);

    const auto days = store.pupilDays("Anna", everything("3A"));
    QVERIFY2(days, qPrintable(store.problem()));
    QCOMPARE(days->size(), 2);
    QCOMPARE(days->at(0).exercises, 2);
    QCOMPARE(days->at(0).commonMistake, Mistake::OffByOne);
    QCOMPARE(days->at(1).commonMistake, Mistake::MissesEqual);
    QCOMPARE(store.pupilDays("Anna", everything())->size(), 2);

    QVERIFY(store.remove(ResultsStore::Whose::Pupil, "Bruno"));
    QVERIFY(!rowOf(*store.summary(everything()), "Bruno"));
    QVERIFY(store.remove(ResultsStore::Whose::Everyone));
    QCOMPARE(store.summary(everything())->size(), 0);
}

void TestServerStore::oldTablesMoveOn_data()
{
    roundTrip_data();
}

void TestServerStore::oldTablesMoveOn()
{
    QFETCH(Backend, backend);
    Fixture fixture;
    MAKE_FIXTURE(backend, fixture, Database::Tables::None);
    if (backend == Backend::Sqlite)
        QVERIFY(runLocal(fixture.dir.filePath(QStringLiteral("results.sqlite")), versionOneTables));
    else
        QVERIFY2(fixture.database->run(
                     versionOneTables
                     + QStringList{QStringLiteral("ALTER TABLE answers OWNER TO gli_owner"),
                                   QStringLiteral("ALTER TABLE meta OWNER TO gli_owner")}),
                 qPrintable(fixture.database->error()));
    auto *store = static_cast<SqlResultsStore *>(fixture.store.get());
    QVERIFY2(store->open(), qPrintable(store->problem()));
    QCOMPARE(store->schemaVersion(), 2);
    const auto rows = store->summary(everything());
    QVERIFY(rows);
    QCOMPARE(rows->size(), 1);
    QCOMPARE(rows->first().exercises, 4);
    // The moved answers have their mistakes: two sees '=', one off by one,
    // one misses '='.
    QCOMPARE(rows->first().commonMistake, Mistake::SeesFalseEqual);
}

void TestServerStore::schoolScriptMakesTheProgramsTables()
{
    if (!missing().isEmpty())
        QSKIP(qPrintable(missing()));
    // The same tables, columns and indexes, whether the school's script or
    // the program made them.
    Database bySchool(Database::Tables::SchoolScript);
    QVERIFY2(bySchool.ready(), qPrintable(bySchool.error()));
    Database byProgram;
    QVERIFY2(byProgram.ready(), qPrintable(byProgram.error()));
    {
        PostgresResultsStore store(byProgram.asOwner());
        QVERIFY2(store.open(), qPrintable(store.problem()));
    }
    const QString shape = QStringLiteral(
        "SELECT md5(string_agg(line, '|' ORDER BY line)) FROM ("
        " SELECT table_name || '.' || column_name || ':' || data_type || ':' || is_nullable"
        "  || ':' || COALESCE(column_default, '') AS line"
        " FROM information_schema.columns WHERE table_schema = 'public'"
        " UNION ALL SELECT indexdef FROM pg_indexes WHERE schemaname = 'public'"
        " UNION ALL SELECT name || '=' || value FROM meta) lines");
    // md5 as a number: its first 15 hex digits.
    const QString number =
        QStringLiteral("SELECT ('x' || substr((%1), 1, 15))::bit(60)::bigint").arg(shape);
    const qint64 school = bySchool.number(number);
    QVERIFY(school > 0);
    QCOMPARE(byProgram.number(number), school);
}

void TestServerStore::programRoleInsertsAndReadsOnly()
{
    if (!missing().isEmpty())
        QSKIP(qPrintable(missing()));
    Database database(Database::Tables::SchoolScript);
    QVERIFY2(database.ready(), qPrintable(database.error()));
    PostgresResultsStore store(database.asProgram());
    QVERIFY2(store.open(), qPrintable(store.problem()));
    const AnswerRecord record = answer("Anna", "3A", 1, 2, u'<', 1.0,
                                       QDateTime::currentDateTimeUtc());
    QCOMPARE(store.save(record), ResultsStore::Saved::Kept);
    QCOMPARE(store.save(record), ResultsStore::Saved::AlreadyKept);
    QCOMPARE(store.summary(everything("3A"))->size(), 1);
    // A pupil's computer may not delete the class's results.
    QVERIFY(!store.remove(ResultsStore::Whose::Everyone));
    QCOMPARE(store.fault(), ServerFault::NoPermission);
    QVERIFY2(store.problem().contains(database.asProgram().description()),
             qPrintable(store.problem()));
    QCOMPARE(database.number("SELECT COUNT(*) FROM answers"), 1);
}

void TestServerStore::faultsInWords_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<ServerFault>("fault");
    QTest::newRow("wrong password") << "wrong password" << ServerFault::WrongPassword;
    QTest::newRow("missing database") << "missing database" << ServerFault::NoDatabase;
    QTest::newRow("unknown host") << "unknown host" << ServerFault::UnknownHost;
    QTest::newRow("no such role") << "no such role" << ServerFault::NoRole;
    QTest::newRow("server without TLS") << "TLS required" << ServerFault::TlsRefused;
    QTest::newRow("database without our tables") << "no tables" << ServerFault::NoTables;
    QTest::newRow("tables of an older version") << "older tables" << ServerFault::OlderSchema;
    QTest::newRow("nobody listening") << "nobody listening" << ServerFault::Unreachable;
}

void TestServerStore::faultsInWords()
{
    QFETCH(QString, setting);
    QFETCH(ServerFault, fault);
    if (!missing().isEmpty())
        QSKIP(qPrintable(missing()));
    Database database;
    QVERIFY2(database.ready(), qPrintable(database.error()));
    Proxy proxy;
    ServerSettings server = database.asProgram();
    if (setting == "wrong password") {
        server = ServerSettings{};
        server.service = QStringLiteral("gli_wrong_password");
        server.database = database.name();
    } else if (setting == "missing database") {
        server.database = QStringLiteral("gli_nessuno");
    } else if (setting == "unknown host") {
        server.host = QStringLiteral("gli-nessuno.invalid");
    } else if (setting == "no such role") {
        server.user = QStringLiteral("gli_nessuno");
    } else if (setting == "TLS required") {
        server = database.asProgram(QStringLiteral("127.0.0.1"), proxy.port());
        server.sslMode = QStringLiteral("require");
    } else if (setting == "older tables") {
        QVERIFY2(database.run(versionOneTables
                              + QStringList{QStringLiteral("GRANT SELECT, INSERT ON answers, meta "
                                                           "TO gli_insiemi")}),
                 qPrintable(database.error()));
    } else if (setting == "nobody listening") {
        server = database.asProgram(QStringLiteral("127.0.0.1"), proxy.port());
        proxy.cut();
    }

    // The settings dialog's test of the connection, on its own thread (the
    // test's proxy answers on this one).
    ServerProbe probe;
    QSignalSpy probed(&probe, &ServerProbe::finished);
    probe.start(server);
    QVERIFY(probe.running());
    QTRY_COMPARE_WITH_TIMEOUT(probed.size(), 1, 30'000);
    QCOMPARE(probed.first().at(0).value<ServerFault>(), fault);
    const QString text = probed.first().at(1).toString();
    QCOMPARE(text, serverFaultText(fault, server.description()));

    // The results screen: the drill's answers are kept on this computer,
    // and asking for the class's results says what is wrong.
    QTemporaryDir dir;
    std::unique_ptr<ResultsService> service(
        makeResultsService(dir.filePath(QStringLiteral("results.sqlite")), server));
    QSignalSpy saved(service.get(), &ResultsService::saved);
    QSignalSpy problems(service.get(), &ResultsService::problem);
    QSignalSpy summaries(service.get(), &ResultsService::summaryReady);
    service->save(answer("Anna", "3A", 1, 2, u'<', 1.0, QDateTime::currentDateTimeUtc()));
    service->requestSummary(ResultsPeriod::All, QStringLiteral("3A"));
    QTRY_COMPARE_WITH_TIMEOUT(summaries.size(), 1, 30'000);
    QCOMPARE(saved.size(), 1);
    QVERIFY(!problems.isEmpty());
    QVERIFY2(problems.first().first().toString().startsWith(text),
             qPrintable(problems.first().first().toString()));
}

QTEST_GUILESS_MAIN(TestServerStore)
#include "tst_serverstore.moc"
