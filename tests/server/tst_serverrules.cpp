// SPDX-License-Identifier: GPL-3.0-or-later
// The results server's settings and the reading of its faults: no server
// needed.
#include "storage/ServerFault.h"
#include "storage/ServerSettings.h"

#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Values = QList<std::pair<QString, QVariant>>;

class TestServerRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsAndValidates_data();
    void readsAndValidates();
    void userFileOverSystemFile();
    void writeRemovesEmptyKeys();
    void optionsCannotBeSmuggledIn();
    void faultsOfMessages_data();
    void faultsOfMessages();
    void everyFaultHasWords();

private:
    QTemporaryDir m_dir;
};

namespace {

ServerSettings readValues(const QString &path, const Values &values, QStringList *problems)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.clear();
    for (const auto &[key, value] : values)
        settings.setValue(key, value);
    return ServerSettings::read(settings, problems);
}

ServerSettings server(const QString &host, int port, const QString &database, const QString &user,
                      const QString &sslMode, const QString &service)
{
    return ServerSettings{host, port, database, user, sslMode, service};
}

} // namespace

void TestServerRules::readsAndValidates_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<ServerSettings>("expected");
    QTest::addColumn<int>("problems");
    QTest::addColumn<bool>("isSet");

    const auto all = [](const QString &host, const QVariant &port, const QString &database,
                        const QString &user, const QString &mode, const QString &service) {
        return Values{{QStringLiteral("server/host"), host},
                      {QStringLiteral("server/port"), port},
                      {QStringLiteral("server/database"), database},
                      {QStringLiteral("server/user"), user},
                      {QStringLiteral("server/sslmode"), mode},
                      {QStringLiteral("server/service"), service}};
    };
    QTest::newRow("nothing: no server") << Values{} << ServerSettings{} << 0 << false;
    QTest::newRow("a whole server")
        << all("scuola.example", 5433, "risultati", "aula", "require", "")
        << server("scuola.example", 5433, "risultati", "aula", "require", "") << 0 << true;
    QTest::newRow("blanks around values are dropped")
        << all("  scuola.example ", " 5432 ", " risultati", "aula ", " verify-full ", "")
        << server("scuola.example", 5432, "risultati", "aula", "verify-full", "") << 0 << true;
    QTest::newRow("a service alone is a server")
        << Values{{QStringLiteral("server/service"), QStringLiteral("gli_room")}}
        << server("", 0, "", "", "", "gli_room") << 0 << true;
    QTest::newRow("a socket folder as host")
        << Values{{QStringLiteral("server/host"), QStringLiteral("/run/postgresql")}}
        << server("/run/postgresql", 0, "", "", "", "") << 0 << true;
    QTest::newRow("an IPv6 address")
        << Values{{QStringLiteral("server/host"), QStringLiteral("fd00::5")}}
        << server("fd00::5", 0, "", "", "", "") << 0 << true;
    QTest::newRow("port out of range, the rest kept")
        << all("scuola.example", 70000, "risultati", "aula", "", "")
        << server("scuola.example", 0, "risultati", "aula", "", "") << 1 << true;
    QTest::newRow("port that is no number")
        << all("scuola.example", "cinque", "", "", "", "")
        << server("scuola.example", 0, "", "", "", "") << 1 << true;
    QTest::newRow("unknown sslmode") << all("scuola.example", 5432, "", "", "always", "")
                                     << server("scuola.example", 5432, "", "", "", "") << 1 << true;
    QTest::newRow("host with a space (a second option)")
        << all("scuola.example sslmode=disable", 5432, "", "", "", "")
        << server("", 5432, "", "", "", "") << 1 << false;
    QTest::newRow("two hosts") << all("a.example,b.example", 0, "", "", "", "")
                               << server("", 0, "", "", "", "") << 1 << false;
    QTest::newRow("service with an option in it") << all("", 0, "", "", "", "room;sslmode=disable")
                                                  << server("", 0, "", "", "", "") << 1 << false;
    QTest::newRow("user longer than PostgreSQL keeps")
        << all("scuola.example", 0, "", QString(64, u'a'), "", "")
        << server("scuola.example", 0, "", "", "", "") << 1 << true;
    QTest::newRow("database with a new line")
        << all("scuola.example", 0, "risul\ntati", "", "", "")
        << server("scuola.example", 0, "", "", "", "") << 1 << true;
    QTest::newRow("names as typed, quotes and accents kept")
        << all("scuola.example", 0, "risultati 'quinta'", "maestra Lucìa", "", "")
        << server("scuola.example", 0, "risultati 'quinta'", "maestra Lucìa", "", "") << 0 << true;
}

void TestServerRules::readsAndValidates()
{
    QFETCH(Values, values);
    QFETCH(ServerSettings, expected);
    QFETCH(int, problems);
    QFETCH(bool, isSet);
    QStringList found;
    const ServerSettings read = readValues(m_dir.filePath(QStringLiteral("settings.ini")), values,
                                           &found);
    QCOMPARE(read.host, expected.host);
    QCOMPARE(read.port, expected.port);
    QCOMPARE(read.database, expected.database);
    QCOMPARE(read.user, expected.user);
    QCOMPARE(read.sslMode, expected.sslMode);
    QCOMPARE(read.service, expected.service);
    QCOMPARE(found.size(), problems);
    QCOMPARE(read.isSet(), isSet);
    // What was read is valid by the same rules.
    QVERIFY2(read.problems().isEmpty(), qPrintable(read.problems().join(u' ')));
}

void TestServerRules::userFileOverSystemFile()
{
    // A room's computers share the system-wide file; one computer's own
    // file may change a key, and the others come through.
    const QString system = m_dir.filePath(QStringLiteral("xdg-system"));
    const QString user = m_dir.filePath(QStringLiteral("xdg-user"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, system);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, user);
    {
        QSettings room(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("gli-insiemi"),
                       QStringLiteral("gli-insiemi"));
        room.setValue(QStringLiteral("server/host"), QStringLiteral("scuola.example"));
        room.setValue(QStringLiteral("server/database"), QStringLiteral("risultati"));
        room.setValue(QStringLiteral("server/user"), QStringLiteral("aula"));
        QSettings mine(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("gli-insiemi"),
                       QStringLiteral("gli-insiemi"));
        mine.setValue(QStringLiteral("server/user"), QStringLiteral("maestra"));
    }
    const QSettings both(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("gli-insiemi"),
                         QStringLiteral("gli-insiemi"));
    const ServerSettings read = ServerSettings::read(both);
    QCOMPARE(read.host, QStringLiteral("scuola.example"));
    QCOMPARE(read.database, QStringLiteral("risultati"));
    QCOMPARE(read.user, QStringLiteral("maestra"));
}

void TestServerRules::writeRemovesEmptyKeys()
{
    QSettings settings(m_dir.filePath(QStringLiteral("write.ini")), QSettings::IniFormat);
    const ServerSettings full = server("scuola.example", 5433, "risultati", "aula", "require", "");
    full.write(settings);
    QCOMPARE(ServerSettings::read(settings), full);
    ServerSettings none;
    none.write(settings);
    // Nothing of ours is left to hide the system-wide values.
    QCOMPARE(settings.allKeys(), QStringList());
    QVERIFY(settings.value(QStringLiteral("server/password")).isNull());
}

void TestServerRules::optionsCannotBeSmuggledIn()
{
    // Qt's driver turns ';' into the space that separates libpq's options:
    // only validated words may reach that string.
    const ServerSettings valid = server("scuola.example", 0, "", "", "require", "gli_room");
    const QStringList options = valid.connectOptions().split(u';');
    QVERIFY(options.contains(QStringLiteral("sslmode=require")));
    QVERIFY(options.contains(QStringLiteral("service=gli_room")));
    QVERIFY(!valid.connectOptions().contains(u' '));
    // No sslmode of ours: the service's or libpq's own applies.
    QVERIFY(!server("", 0, "", "", "", "gli_room").connectOptions().contains("sslmode"));
    const ServerSettings smuggled = server("", 0, "", "", "", "x;password=1");
    QVERIFY(!smuggled.problems().isEmpty());
}

void TestServerRules::faultsOfMessages_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("state");
    QTest::addColumn<ServerFault>("fault");

    // Messages as libpq 15 and the server write them.
    QTest::newRow("unknown host")
        << "could not translate host name \"nessuno.invalid\" to address: Name or service not "
           "known"
        << "" << ServerFault::UnknownHost;
    QTest::newRow("refused")
        << "connection to server at \"127.0.0.1\", port 5999 failed: Connection refused\n\tIs "
           "the server running on that host and accepting TCP/IP connections?"
        << "" << ServerFault::Unreachable;
    QTest::newRow("no socket")
        << "connection to server on socket \"/tmp/x/.s.PGSQL.5432\" failed: No such file or "
           "directory"
        << "" << ServerFault::Unreachable;
    QTest::newRow("timeout") << "timeout expired"
                             << "" << ServerFault::Unreachable;
    QTest::newRow("starting up") << "FATAL:  the database system is starting up"
                                 << "57P03" << ServerFault::Unreachable;
    QTest::newRow("wrong password")
        << "connection to server on socket \"/tmp/x/.s.PGSQL.5432\" failed: FATAL:  password "
           "authentication failed for user \"aula\""
        << "" << ServerFault::WrongPassword;
    QTest::newRow("no password") << "fe_sendauth: no password supplied"
                                 << "" << ServerFault::NoPassword;
    QTest::newRow("TLS refused") << "server does not support SSL, but SSL was required"
                                 << "" << ServerFault::TlsRefused;
    QTest::newRow("certificate") << "SSL error: certificate verify failed"
                                 << "" << ServerFault::TlsCertificate;
    QTest::newRow("root certificate missing")
        << "root certificate file \"/root/.postgresql/root.crt\" does not exist"
        << "" << ServerFault::TlsCertificate;
    QTest::newRow("SSL connection broke") << "SSL SYSCALL error: EOF detected"
                                          << "" << ServerFault::ConnectionLost;
    QTest::newRow("no database") << "FATAL:  database \"risultati\" does not exist"
                                 << "" << ServerFault::NoDatabase;
    QTest::newRow("no role") << "FATAL:  role \"aula\" does not exist"
                             << "" << ServerFault::NoRole;
    QTest::newRow("hba") << "FATAL:  no pg_hba.conf entry for host \"10.0.0.7\", user \"aula\""
                         << "" << ServerFault::NotAllowed;
    QTest::newRow("no table by state") << "ERROR:  relation \"answers\" does not exist"
                                       << "42P01" << ServerFault::NoTables;
    QTest::newRow("no grant") << "ERROR:  permission denied for table answers"
                              << "42501" << ServerFault::NoPermission;
    QTest::newRow("went away")
        << "server closed the connection unexpectedly\n\tThis probably means the server "
           "terminated abnormally"
        << "" << ServerFault::ConnectionLost;
    QTest::newRow("stopped by the administrator")
        << "FATAL:  terminating connection due to administrator command"
        << "57P01" << ServerFault::ConnectionLost;
    QTest::newRow("state decides over words") << "ERREUR:  le mot de passe ne correspond pas"
                                              << "28P01" << ServerFault::WrongPassword;
    QTest::newRow("anything else") << "ERROR:  division by zero"
                                   << "22012" << ServerFault::Other;
    QTest::newRow("nothing") << ""
                             << "" << ServerFault::None;
}

void TestServerRules::faultsOfMessages()
{
    QFETCH(QString, message);
    QFETCH(QString, state);
    QFETCH(ServerFault, fault);
    QCOMPARE(classifyServerFault(message, state), fault);
}

void TestServerRules::everyFaultHasWords()
{
    // Each fault says something of its own and names the server.
    const QString where = QStringLiteral("aula@scuola.example:5432/risultati");
    QSet<QString> texts;
    for (int value = int(ServerFault::UnknownHost); value <= int(ServerFault::Other); ++value) {
        const QString text = serverFaultText(ServerFault(value), where, QStringLiteral("boh"));
        QVERIFY2(text.contains(where), qPrintable(text));
        texts.insert(text);
    }
    QCOMPARE(texts.size(), int(ServerFault::Other) - int(ServerFault::UnknownHost) + 1);
    QVERIFY(serverFaultText(ServerFault::Other, where, QStringLiteral("division by zero"))
                .contains(QStringLiteral("division by zero")));
    QVERIFY(serverFaultText(ServerFault::None, where).isEmpty());
}

QTEST_GUILESS_MAIN(TestServerRules)
#include "tst_serverrules.moc"
