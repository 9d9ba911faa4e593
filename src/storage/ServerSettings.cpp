// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ServerSettings.h"

#include <QSettings>
#include <QStringList>

namespace {

const QString hostKey = QStringLiteral("server/host");
const QString portKey = QStringLiteral("server/port");
const QString databaseKey = QStringLiteral("server/database");
const QString userKey = QStringLiteral("server/user");
const QString sslModeKey = QStringLiteral("server/sslmode");
const QString serviceKey = QStringLiteral("server/service");

constexpr int highestPort = 65535;

// The modes libpq knows; anything else would only make every connection fail.
const QStringList sslModes{QStringLiteral("disable"),   QStringLiteral("allow"),
                           QStringLiteral("prefer"),    QStringLiteral("require"),
                           QStringLiteral("verify-ca"), QStringLiteral("verify-full")};

} // namespace

ServerSettings ServerSettings::read(const QSettings &settings)
{
    ServerSettings server;
    server.host = settings.value(hostKey).toString().trimmed();
    bool number = false;
    const int port = settings.value(portKey).toInt(&number);
    if (number && port > 0 && port <= highestPort)
        server.port = port;
    server.database = settings.value(databaseKey).toString().trimmed();
    server.user = settings.value(userKey).toString().trimmed();
    const QString mode = settings.value(sslModeKey).toString().trimmed();
    if (sslModes.contains(mode))
        server.sslMode = mode;
    server.service = settings.value(serviceKey).toString().trimmed();
    return server;
}

void ServerSettings::write(QSettings &settings) const
{
    settings.setValue(hostKey, host);
    settings.setValue(portKey, port);
    settings.setValue(databaseKey, database);
    settings.setValue(userKey, user);
    settings.setValue(sslModeKey, sslMode);
    settings.setValue(serviceKey, service);
}
