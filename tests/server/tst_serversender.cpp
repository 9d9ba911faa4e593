// SPDX-License-Identifier: GPL-3.0-or-later
// Computers of a school room on one results server: every answer saved on
// the computer first, then sent, once, whatever the network does.
#include "ServerTestSystem.h"

#include "storage/ResultsSender.h"
#include "storage/ResultsService.h"
#include "storage/ServerResults.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace server_test;

class TestServerSender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void teacherSeesBothPupilsComputers();
    void serverGoneWhileAnswering();
    void resendAfterLostMarksDoublesNothing();

private:
    // One computer of the room: its own results file, its results service
    // with the sender, all on the server the test names.
    struct Computer
    {
        Computer(const QString &folder, const ServerSettings &server);
        QString file;
        std::unique_ptr<ResultsService> service;
        std::unique_ptr<QSignalSpy> saved;
        std::unique_ptr<QSignalSpy> problems;
    };

    QTemporaryDir m_home;
};

namespace {

// Short pauses, so that a test waits for a retry only a moment.
const ResultsSender::Timing quickRetries{20, 200, 10};

AnswerRecord answer(const QString &pupil, const QString &className, int left, int right)
{
    const QChar correct = left < right ? u'<' : left > right ? u'>' : u'=';
    return AnswerRecord::now(pupil, className, 10, left, right, correct, true, 1.0);
}

// Answers of the local file marked as sent.
qint64 markedSent(const QString &file)
{
    qint64 count = -1;
    // Read only, and only a file the program made: a connection that made
    // the file would race the program setting it up.
    if (!QFileInfo::exists(file))
        return count;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), file);
        db.setDatabaseName(file);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT COUNT(*) FROM sent_answers")) && query.next())
                count = query.value(0).toLongLong();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(file);
    return count;
}

bool forgetMarks(const QString &file)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), file);
        db.setDatabaseName(file);
        ok = db.open() && QSqlQuery(db).exec(QStringLiteral("DELETE FROM sent_answers"));
        db.close();
    }
    QSqlDatabase::removeDatabase(file);
    return ok;
}

} // namespace

TestServerSender::Computer::Computer(const QString &folder, const ServerSettings &server)
    : file(folder + QStringLiteral("/results.sqlite")),
      service(makeResultsService(file, server, quickRetries)),
      saved(std::make_unique<QSignalSpy>(service.get(), &ResultsService::saved)),
      problems(std::make_unique<QSignalSpy>(service.get(), &ResultsService::problem))
{}

void TestServerSender::initTestCase()
{
    QVERIFY(m_home.isValid());
    if (missing().isEmpty())
        useTestPasswords(m_home.path());
}

void TestServerSender::init()
{
    if (!missing().isEmpty())
        QSKIP(qPrintable(missing()));
}

void TestServerSender::teacherSeesBothPupilsComputers()
{
    Database database(Database::Tables::SchoolScript);
    QVERIFY2(database.ready(), qPrintable(database.error()));
    QTemporaryDir first, second, teachers;
    Computer annas(first.path(), database.asProgram());
    Computer brunos(second.path(), database.asProgram());
    QSignalSpy annaSent(annas.service.get(), &ResultsService::lastSentChanged);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);

    for (int i = 1; i <= 3; ++i)
        annas.service->save(answer("Anna", "3A", i, i + 1));
    brunos.service->save(answer("Bruno", "3A", 5, 2));
    brunos.service->save(answer("Bruno", "3A", 4, 4));
    // Another class on the same server.
    brunos.service->save(answer("Carla", "4B", 1, 9));
    QTRY_COMPARE_WITH_TIMEOUT(database.number("SELECT COUNT(*) FROM answers"), 6, 30'000);
    QTRY_VERIFY(annas.service->lastSent().isValid());
    QVERIFY(annas.service->lastSent() >= before);
    QVERIFY(!annaSent.isEmpty());

    Computer teachers_(teachers.path(), database.asProgram());
    QSignalSpy summaries(teachers_.service.get(), &ResultsService::summaryReady);
    teachers_.service->requestSummary(ResultsPeriod::All, QStringLiteral("3A"));
    QTRY_COMPARE_WITH_TIMEOUT(summaries.size(), 1, 30'000);
    const auto rows = summaries.first().first().value<QList<PupilSummary>>();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).pupil, QStringLiteral("Anna"));
    QCOMPARE(rows.at(0).exercises, 3);
    QCOMPARE(rows.at(1).pupil, QStringLiteral("Bruno"));
    QCOMPARE(rows.at(1).exercises, 2);
    QVERIFY(teachers_.service->location().contains(database.name()));
    QVERIFY(teachers_.problems->isEmpty());
}

void TestServerSender::serverGoneWhileAnswering()
{
    Database database(Database::Tables::SchoolScript);
    QVERIFY2(database.ready(), qPrintable(database.error()));
    Proxy network;
    QVERIFY(network.listening());
    QTemporaryDir folder;
    Computer computer(folder.path(),
                      database.asProgram(QStringLiteral("127.0.0.1"), network.port()));
    const auto onServer = [&] { return database.number("SELECT COUNT(*) FROM answers"); };

    constexpr int answers = 60;
    for (int i = 0; i < answers / 2; ++i)
        computer.service->save(answer("Anna", "3A", i % 9 + 1, i % 7 + 1));
    // The network goes while the sender is at it.
    QTRY_VERIFY_WITH_TIMEOUT(onServer() > 0, 30'000);
    network.cut();
    for (int i = answers / 2; i < answers; ++i)
        computer.service->save(answer("Anna", "3A", i % 9 + 1, i % 7 + 1));

    // The drill goes on: every answer is kept on the computer, and the
    // results screen hears why they wait.
    QTRY_COMPARE_WITH_TIMEOUT(computer.saved->size(), answers, 30'000);
    QTRY_VERIFY_WITH_TIMEOUT(!computer.problems->isEmpty(), 30'000);
    const QString said = computer.problems->last().first().toString();
    QVERIFY2(said.contains(QStringLiteral("127.0.0.1")), qPrintable(said));
    QVERIFY(onServer() < answers);

    QVERIFY(network.restore());
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), answers, 60'000);
    QTRY_COMPARE_WITH_TIMEOUT(markedSent(computer.file), qint64(answers), 30'000);
    QCOMPARE(database.number("SELECT COUNT(DISTINCT id) FROM answers"), answers);
    QVERIFY(network.accepted() > 1);
}

void TestServerSender::resendAfterLostMarksDoublesNothing()
{
    Database database(Database::Tables::SchoolScript);
    QVERIFY2(database.ready(), qPrintable(database.error()));
    QTemporaryDir folder;
    QDateTime lastSent;
    {
        Computer computer(folder.path(), database.asProgram());
        for (int i = 1; i <= 5; ++i)
            computer.service->save(answer("Anna", "3A", i, 3));
        QTRY_COMPARE_WITH_TIMEOUT(markedSent(computer.file), 5, 30'000);
        // The marks are in the file before the news reaches this thread.
        QTRY_VERIFY(computer.service->lastSent().isValid());
        lastSent = computer.service->lastSent();
    }
    // The program ended between the server's commit and the marks on the
    // computer: everything goes again, and the server keeps one of each.
    const QString file = folder.filePath(QStringLiteral("results.sqlite"));
    QVERIFY(forgetMarks(file));
    Computer again(folder.path(), database.asProgram());
    QTRY_COMPARE_WITH_TIMEOUT(markedSent(file), 5, 30'000);
    QCOMPARE(database.number("SELECT COUNT(*) FROM answers"), 5);
    again.service->save(answer("Anna", "3A", 9, 3));
    QTRY_COMPARE_WITH_TIMEOUT(database.number("SELECT COUNT(*) FROM answers"), 6, 30'000);
    QTRY_VERIFY(again.service->lastSent().isValid() && again.service->lastSent() >= lastSent);
}

QTEST_GUILESS_MAIN(TestServerSender)
#include "tst_serversender.moc"
