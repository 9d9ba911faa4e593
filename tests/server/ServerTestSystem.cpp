// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServerTestSystem.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUuid>
#include <QVariant>

namespace server_test {

namespace {

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

// A connection of the superuser's to a database, for setting up and
// looking at what the program did.
QSqlDatabase adminConnection(const QString &connection, const QString &database)
{
    QSqlDatabase db = QSqlDatabase::contains(connection)
        ? QSqlDatabase::database(connection, false)
        : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
    db.setHostName(socketFolder());
    db.setPort(port());
    db.setUserName(env("GLI_TEST_PG_ADMIN"));
    db.setDatabaseName(database);
    return db;
}

bool runAsAdmin(const QString &database, const QString &statement, QString *error)
{
    const QString connection = QStringLiteral("admin-") + QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = adminConnection(connection, database);
        if (db.open()) {
            QSqlQuery query(db);
            ok = query.exec(statement);
            if (!ok)
                *error = query.lastError().text();
            db.close();
        } else {
            *error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

} // namespace

QString missing()
{
    if (env("GLI_TEST_PG_SOCKET").isEmpty())
        return QStringLiteral("no private PostgreSQL server (scripts/test.sh starts one with "
                              "scripts/postgres.sh; GLI_TEST_PG_SOCKET is unset)");
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return QStringLiteral("Qt's PostgreSQL driver (libqt6sql6-psql) is not installed");
    return {};
}

QString socketFolder()
{
    return env("GLI_TEST_PG_SOCKET");
}

int port()
{
    return env("GLI_TEST_PG_PORT").toInt();
}

void useTestPasswords(const QString &folder)
{
    qputenv("PGPASSFILE", env("GLI_TEST_PG_PASSFILE").toLocal8Bit());
    // Services as a school would write them: one for the program's role
    // with its password from the password file, one with a wrong password.
    const QString path = QDir(folder).filePath(QStringLiteral("pg_service.conf"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QString common = QStringLiteral("host=%1\nport=%2\nuser=%3\n")
                                   .arg(socketFolder())
                                   .arg(port())
                                   .arg(env("GLI_TEST_PG_USER"));
        file.write(QStringLiteral("[gli_room]\n%1\n[gli_wrong_password]\n%1password=not-it\n")
                       .arg(common)
                       .toUtf8());
    }
    qputenv("PGSERVICEFILE", path.toLocal8Bit());
}

Database::Database(Tables tables)
    : m_name(QStringLiteral("gli_t_")
             + QUuid::createUuid().toString(QUuid::Id128).left(16).toLower()),
      m_connection(QStringLiteral("look-") + m_name)
{
    if (!runAsAdmin(
            QStringLiteral("postgres"),
            QStringLiteral("CREATE DATABASE %1 OWNER %2").arg(m_name, env("GLI_TEST_PG_OWNER")),
            &m_error))
        return;
    // A new database lets everyone connect; the program's role may not
    // make tables in it (PostgreSQL 15 gives PUBLIC no CREATE on public).
    if (tables == Tables::SchoolScript) {
        QFile script(QStringLiteral(GLI_SOURCE_DIR "/scripts/school-server.sql"));
        if (!script.open(QIODevice::ReadOnly)) {
            m_error = script.errorString();
            return;
        }
        // psql's own lines (\set) are not SQL; the rest runs as one string.
        QString sql = QString::fromUtf8(script.readAll());
        sql.remove(QStringLiteral("\\set ON_ERROR_STOP on"));
        if (!run({sql}))
            return;
    }
    m_ready = true;
}

Database::~Database()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    QString error;
    runAsAdmin(QStringLiteral("postgres"),
               QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_name), &error);
}

ServerSettings Database::asOwner() const
{
    ServerSettings server;
    server.host = socketFolder();
    server.port = port();
    server.database = m_name;
    server.user = env("GLI_TEST_PG_OWNER");
    return server;
}

ServerSettings Database::asProgram(const QString &host, int tcpPort) const
{
    ServerSettings server = asOwner();
    server.user = env("GLI_TEST_PG_USER");
    if (!host.isEmpty()) {
        server.host = host;
        server.port = tcpPort;
    }
    return server;
}

bool Database::run(const QStringList &statements)
{
    QSqlDatabase db = adminConnection(m_connection, m_name);
    if (!db.isOpen() && !db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    for (const QString &statement : statements) {
        if (!query.exec(statement)) {
            m_error = query.lastError().text() + QStringLiteral(" in: ") + statement;
            return false;
        }
    }
    return true;
}

qint64 Database::number(const QString &statement)
{
    QSqlDatabase db = adminConnection(m_connection, m_name);
    if (!db.isOpen() && !db.open())
        return -1;
    QSqlQuery query(db);
    return query.exec(statement) && query.next() ? query.value(0).toLongLong() : -1;
}

Proxy::Proxy(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &Proxy::accept);
    if (m_server->listen(QHostAddress::LocalHost, 0))
        m_port = m_server->serverPort();
}

Proxy::~Proxy()
{
    cut();
}

bool Proxy::listening() const
{
    return m_server->isListening();
}

void Proxy::accept()
{
    while (QTcpSocket *client = m_server->nextPendingConnection()) {
        ++m_accepted;
        auto *upstream = new QLocalSocket(this);
        client->setParent(this);
        m_clients.append(client);
        m_upstreams.append(upstream);
        // What the client says before the socket is connected waits in its
        // buffer, and goes when it is.
        connect(client, &QTcpSocket::readyRead, upstream, [client, upstream] {
            if (upstream->state() == QLocalSocket::ConnectedState)
                upstream->write(client->readAll());
        });
        connect(upstream, &QLocalSocket::readyRead, client,
                [client, upstream] { client->write(upstream->readAll()); });
        // Either side ending ends the other, as a real connection would.
        connect(client, &QTcpSocket::disconnected, upstream, &QLocalSocket::disconnectFromServer);
        connect(upstream, &QLocalSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
        connect(upstream, &QLocalSocket::connected, client,
                [client, upstream] { upstream->write(client->readAll()); });
        upstream->connectToServer(
            QStringLiteral("%1/.s.PGSQL.%2").arg(socketFolder()).arg(server_test::port()));
    }
}

void Proxy::cut()
{
    m_server->close();
    for (QTcpSocket *client : std::as_const(m_clients)) {
        client->disconnect();
        client->abort();
        client->deleteLater();
    }
    for (QLocalSocket *upstream : std::as_const(m_upstreams)) {
        upstream->disconnect();
        upstream->abort();
        upstream->deleteLater();
    }
    m_clients.clear();
    m_upstreams.clear();
}

bool Proxy::restore()
{
    return m_server->isListening() || m_server->listen(QHostAddress::LocalHost, m_port);
}

} // namespace server_test
