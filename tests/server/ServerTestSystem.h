// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ServerSettings.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

class QLocalSocket;
class QTcpServer;
class QTcpSocket;

// The private PostgreSQL server scripts/test.sh starts with
// scripts/postgres.sh and names in the environment (GLI_TEST_PG_*).
namespace server_test {

// Empty when the server is there; otherwise why the test must skip.
QString missing();
QString socketFolder();
int port();
// Points libpq at the server's password file for the program's role, and
// at a service file of the test's own with the services below.
void useTestPasswords(const QString &folder);

// A database of one test's own, owned by the owner role, dropped at the
// end; with scripts/school-server.sql run in it when asked.
class Database
{
public:
    enum class Tables { None, SchoolScript };
    explicit Database(Tables tables = Tables::None);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QString name() const { return m_name; }
    bool ready() const { return m_ready; }
    QString error() const { return m_error; }

    // The owner role on the socket (may make and move tables).
    ServerSettings asOwner() const;
    // The program's role (insert and read only), password from the file,
    // on the socket or through a TCP address of the test's.
    ServerSettings asProgram(const QString &host = {}, int port = 0) const;
    // Runs statements as the superuser in this database; false with error().
    bool run(const QStringList &statements);
    // One number a query gives, as the superuser.
    qint64 number(const QString &query);

private:
    QString m_name;
    QString m_connection;
    QString m_error;
    bool m_ready = false;
};

// A TCP address in front of the server's socket that the test can cut and
// restore, like a network cable: cut() ends every connection and refuses
// new ones, restore() listens again on the same port.
class Proxy : public QObject
{
    Q_OBJECT

public:
    explicit Proxy(QObject *parent = nullptr);
    ~Proxy() override;
    int port() const { return m_port; }
    bool listening() const;
    void cut();
    bool restore();
    // Connections accepted since the start.
    int accepted() const { return m_accepted; }

private:
    void accept();

    QTcpServer *m_server = nullptr;
    QList<QTcpSocket *> m_clients;
    QList<QLocalSocket *> m_upstreams;
    quint16 m_port = 0;
    int m_accepted = 0;
};

} // namespace server_test
