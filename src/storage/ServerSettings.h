// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// Where the results server is, as the settings name it. No password: libpq
// takes it from its password file (~/.pgpass, PGPASSFILE) or from the
// service file, never from our settings. An empty field leaves the value to
// libpq: its default, or the named service's.
struct ServerSettings
{
    static constexpr auto hostKey = "server/host";
    static constexpr auto portKey = "server/port";
    static constexpr auto databaseKey = "server/database";
    static constexpr auto userKey = "server/user";
    static constexpr auto sslModeKey = "server/sslmode";
    static constexpr auto serviceKey = "server/service";
    static constexpr int defaultPort = 5432;
    // libpq's sslmode values, weakest first.
    static const QStringList &sslModes();

    QString host; // a name, an address, or a socket's folder
    int port = 0; // 0: libpq's default
    QString database;
    QString user;
    QString sslMode;
    QString service; // a section of pg_service.conf

    // A server is set when the settings name a host or a service.
    bool isSet() const { return !host.isEmpty() || !service.isEmpty(); }

    // Reads the keys (QSettings gives the user's file over the system-wide
    // one). A value that is not valid reads as empty and is named in
    // problems, in words.
    static ServerSettings read(const QSettings &settings, QStringList *problems = nullptr);
    // Writes the fields; an empty field removes its key, so that the
    // system-wide value shows through.
    void write(QSettings &settings) const;
    // What is wrong with each field, in words; empty when all is well.
    QStringList problems() const;

    // The options Qt's PostgreSQL driver passes on to libpq besides host,
    // port, database and user.
    QString connectOptions() const;
    // For the results screen and the log: "user@host:port/database".
    QString description() const;

    bool operator==(const ServerSettings &) const = default;
};
