// SPDX-License-Identifier: GPL-3.0-or-later
// The results screen on a school's server: a week of a whole school, 30
// classes of 25 pupils answering 200 exercises a day (1,050,000 answers),
// filled into the private PostgreSQL server (scripts/postgres.sh) with one
// INSERT ... SELECT over generate_series; then the summary of one class, as
// the results screen asks for it, timed from the request until the rows are
// back on the GUI thread. Also prints the table's and each index's size.
//
// usage: gli-bench-results-server [RUNS]
// Needs the GLI_TEST_PG_* variables of scripts/postgres.sh env.

#include "QtBench.h"
#include "Stats.h"

#include "storage/PostgresResultsStore.h"
#include "storage/ResultsService.h"
#include "storage/ServerResults.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <cstdio>
#include <vector>

namespace {

constexpr int classes = 30;
constexpr int pupilsEach = 25;
constexpr int answersADay = 200;
constexpr int days = 7;
constexpr qint64 dayMs = 24LL * 3600 * 1000;

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

QSqlDatabase admin(const QString &database)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"),
                                                QStringLiteral("admin-") + database);
    db.setHostName(env("GLI_TEST_PG_SOCKET"));
    db.setPort(env("GLI_TEST_PG_PORT").toInt());
    db.setUserName(env("GLI_TEST_PG_ADMIN"));
    db.setDatabaseName(database);
    return db;
}

bool exec(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    if (query.exec(statement))
        return true;
    std::fprintf(stderr, "%s\n%s\n", qPrintable(query.lastError().text()),
                 qPrintable(statement.left(200)));
    return false;
}

qint64 number(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    return query.exec(statement) && query.next() ? query.value(0).toLongLong() : -1;
}

// A school's week: answer i is pupil i % 750's, the days run back from
// today, every third answer of a pupil wrong, one answer of the school
// every 144 ms of the six hours of a school day.
QString fillStatement(qint64 now)
{
    const qint64 total = qint64(classes) * pupilsEach * answersADay * days;
    const qint64 perDay = qint64(classes) * pupilsEach * answersADay;
    return QStringLiteral(
               "INSERT INTO answers (id, pupil, class_name, answered_at, answered_day, level, "
               "left_count, right_count, chosen, correct, seconds, mistake) "
               "SELECT gen_random_uuid()::text, 'Alunno ' || (i %% %1 + 1), "
               "'Classe ' || (i / %1 %% %2 + 1), a.at, "
               "to_char(to_timestamp(a.at / 1000.0), 'YYYY-MM-DD'), 10, "
               "i %% 9 + 1, i %% 7 + 1, CASE WHEN i %% 3 = 0 THEN '=' ELSE '<' END, "
               "CASE WHEN i %% 3 = 0 THEN 0 ELSE 1 END, 1.0 + (i %% 80) / 10.0, "
               "CASE WHEN i %% 3 = 0 THEN 4 ELSE 0 END "
               "FROM generate_series(0, %3 - 1) AS i, "
               "LATERAL (SELECT %4 - (i / %5) * %6 + (i %% %5) * 144 AS at) a")
        .replace(QStringLiteral("%%"), QStringLiteral("%"))
        .arg(pupilsEach)
        .arg(classes)
        .arg(total)
        .arg(now)
        .arg(perDay)
        .arg(dayMs);
}

// One statement on the server as a whole, outside any results database.
bool onServer(const QString &statement)
{
    bool done = false;
    {
        QSqlDatabase root = admin(QStringLiteral("postgres"));
        done = root.open() && exec(root, statement);
        root.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin-postgres"));
    return done;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(10, QString::fromLocal8Bit(argv[1]).toInt()) : 20;
    if (env("GLI_TEST_PG_SOCKET").isEmpty()) {
        std::fprintf(stderr, "no private PostgreSQL server: run under scripts/postgres.sh\n");
        return 1;
    }
    const QString name = QStringLiteral("gli_bench_%1").arg(QCoreApplication::applicationPid());
    if (!onServer(
            QStringLiteral("CREATE DATABASE %1 OWNER %2").arg(name, env("GLI_TEST_PG_OWNER"))))
        return 1;
    ServerSettings server;
    server.host = env("GLI_TEST_PG_SOCKET");
    server.port = env("GLI_TEST_PG_PORT").toInt();
    server.database = name;
    server.user = env("GLI_TEST_PG_OWNER");
    int status = 0;
    {
        // The tables as the program makes them.
        PostgresResultsStore tables(server);
        if (!tables.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(tables.problem()));
            return 1;
        }
    }
    QSqlDatabase db = admin(name);
    // Each day's answers from 8:00 to 14:00, today's included (even when the
    // benchmark runs before eight).
    const qint64 now = QDate::currentDate().startOfDay().addSecs(8 * 3600).toMSecsSinceEpoch();
    const bench::Clock::time_point filling = bench::Clock::now();
    if (!db.open() || !exec(db, fillStatement(now))
        || !exec(db, QStringLiteral("VACUUM ANALYZE answers")))
        return 1;
    const double fillSeconds = bench::msSince(filling) / 1000;
    const qint64 rows = number(db, QStringLiteral("SELECT COUNT(*) FROM answers"));
    // Sizes as rows of the table: bytes on disk per answer.
    const auto sizeRow = [rows](const QString &what, double bytes) {
        std::printf("| Results server: %s, bytes an answer | %.0f | - | - | - | 1 | - | - |\n",
                    qPrintable(what), bytes / double(rows));
    };
    std::printf(
        "| Results server: %lld answers filled with one INSERT, seconds | %.1f | - | - | - | "
        "1 | - | - |\n",
        rows, fillSeconds);
    sizeRow(QStringLiteral("table"),
            double(number(db, QStringLiteral("SELECT pg_table_size('answers')"))));
    QSqlQuery indexes(db);
    indexes.exec(QStringLiteral("SELECT indexrelid::regclass::text, pg_relation_size(indexrelid) "
                                "FROM pg_index WHERE indrelid = 'answers'::regclass ORDER BY 1"));
    while (indexes.next())
        sizeRow(QStringLiteral("index ") + indexes.value(0).toString(),
                indexes.value(1).toDouble());
    sizeRow(QStringLiteral("table and indexes"),
            double(number(db, QStringLiteral("SELECT pg_total_relation_size('answers')"))));
    std::fflush(stdout);

    {
        QTemporaryDir local;
        std::unique_ptr<ResultsService> service(
            makeResultsService(local.filePath(QStringLiteral("results.sqlite")), server));
        qsizetype pupilsShown = 0;
        QObject::connect(service.get(), &ResultsService::summaryReady,
                         [&](const QList<PupilSummary> &summary) { pupilsShown = summary.size(); });
        QObject::connect(service.get(), &ResultsService::problem, [](const QString &text) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        });
        const QString oneClass = QStringLiteral("Classe 7");
        // The first request opens the connection; the screen's next ones
        // find it open.
        bench::msUntil(*service, &ResultsService::summaryReady,
                       [&] { service->requestSummary(ResultsPeriod::Today, oneClass); });
        struct Case
        {
            const char *figure;
            ResultsPeriod period;
            QString className;
            qsizetype pupils;
            bool goal;
        };
        const std::vector<Case> cases{
            {"Results server: one class today, request to rows (ms)", ResultsPeriod::Today,
             oneClass, pupilsEach, true},
            {"Results server: one class this week (ms)", ResultsPeriod::ThisWeek, oneClass,
             pupilsEach, true},
            {"Results server: one class, all answers (ms)", ResultsPeriod::All, oneClass,
             pupilsEach, true},
            {"Results server: every class, all 1,050,000 answers (ms)",
             ResultsPeriod::All,
             {},
             pupilsEach,
             false},
        };
        for (const Case &c : cases) {
            std::vector<double> times;
            for (int run = 0; run < runs; ++run) {
                times.push_back(bench::msUntil(*service, &ResultsService::summaryReady, [&] {
                    service->requestSummary(c.period, c.className);
                }));
                if (pupilsShown != c.pupils) {
                    std::fprintf(stderr, "%s: %lld rows\n", c.figure, qlonglong(pupilsShown));
                    status = 1;
                }
            }
            const bench::Summary s = bench::summarize(times);
            if (c.goal)
                bench::printRow(c.figure, s, "< 300", s.median < 300, 1);
            else
                bench::printInfo(c.figure, s, 1);
        }
    }
    db.close();
    // GLI_BENCH_KEEP=1 leaves the database for a look at the plans.
    if (qEnvironmentVariableIsSet("GLI_BENCH_KEEP")) {
        std::printf("Kept database %s\n", qPrintable(name));
        return status;
    }
    onServer(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(name));
    return status;
}
