// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSettings;

// A school's results server as the settings name it. No password is kept
// here: libpq's password file (~/.pgpass) or its service file supplies it.
// An empty host means no server: the results stay in the local file.
struct ServerSettings
{
    static constexpr int defaultPort = 5432;

    QString host;
    int port = defaultPort;
    QString database;
    QString user;
    QString sslMode; // as libpq takes it: disable, prefer, require, verify-full ...
    QString service; // a libpq service name; may stand for all of the above

    bool isSet() const { return !host.trimmed().isEmpty() || !service.trimmed().isEmpty(); }

    // Reads the keys under server/; a value out of range reads as its default.
    static ServerSettings read(const QSettings &settings);
    void write(QSettings &settings) const;

    friend bool operator==(const ServerSettings &, const ServerSettings &) = default;
};
