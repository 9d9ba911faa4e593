// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ServerSettings.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSettings>

namespace {

// PostgreSQL cuts names at 63 bytes; a longer one would name another object.
constexpr qsizetype maxNameBytes = 63;
constexpr qsizetype maxHostLength = 255;
// libpq's wait for a server that does not answer, in seconds; the sender
// tries again later anyway.
constexpr int connectTimeoutSeconds = 10;
// How long sent data may go unacknowledged before the connection counts as lost.
constexpr int lostAfterMs = 25'000;

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

QString hostProblem(const QString &host)
{
    if (host.isEmpty())
        return {};
    if (host.size() > maxHostLength)
        return QCoreApplication::translate("ServerSettings", "Il nome del server è troppo lungo.");
    // A socket's folder is a path; otherwise a name or an address, one only.
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9._:\\[\\]-]+$"));
    if (host.startsWith(u'/') ? hasControlCharacter(host) : !name.match(host).hasMatch())
        return QCoreApplication::translate(
                   "ServerSettings",
                   "Il nome del server «%1» non è valido: sono ammessi lettere, cifre, punti e "
                   "trattini, oppure la cartella di un socket.")
            .arg(host);
    return {};
}

QString portProblem(int port)
{
    if (port == 0 || (port >= 1 && port <= 65535))
        return {};
    return QCoreApplication::translate("ServerSettings",
                                       "La porta %1 non è valida: deve essere fra 1 e 65535.")
        .arg(port);
}

enum class Name { Database, User };

QString nameProblem(const QString &value, Name name)
{
    if (value.toUtf8().size() > maxNameBytes)
        return name == Name::Database
            ? QCoreApplication::translate("ServerSettings",
                                          "Il nome del database è troppo lungo: al massimo 63 "
                                          "byte.")
            : QCoreApplication::translate("ServerSettings",
                                          "Il nome dell'utente è troppo lungo: al massimo 63 "
                                          "byte.");
    if (hasControlCharacter(value))
        return name == Name::Database
            ? QCoreApplication::translate("ServerSettings",
                                          "Il nome del database contiene caratteri di controllo.")
            : QCoreApplication::translate("ServerSettings",
                                          "Il nome dell'utente contiene caratteri di controllo.");
    return {};
}

QString sslModeProblem(const QString &mode)
{
    if (mode.isEmpty() || ServerSettings::sslModes().contains(mode))
        return {};
    return QCoreApplication::translate("ServerSettings",
                                       "La modalità SSL «%1» non esiste: valori ammessi %2.")
        .arg(mode, ServerSettings::sslModes().join(QStringLiteral(", ")));
}

QString serviceProblem(const QString &service)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9_.-]{1,63}$"));
    if (service.isEmpty() || name.match(service).hasMatch())
        return {};
    return QCoreApplication::translate(
               "ServerSettings",
               "Il nome del servizio «%1» non è valido: sono ammessi lettere, cifre, punti, "
               "trattini e trattini bassi.")
        .arg(service);
}

// Reads a port that may be stored as text; anything but a whole number is
// out of range.
int readPort(const QVariant &value)
{
    if (!value.isValid())
        return 0;
    bool ok = false;
    const int port = value.toString().trimmed().toInt(&ok);
    return ok ? port : -1;
}

} // namespace

const QStringList &ServerSettings::sslModes()
{
    static const QStringList modes{QStringLiteral("disable"),   QStringLiteral("allow"),
                                   QStringLiteral("prefer"),    QStringLiteral("require"),
                                   QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
    return modes;
}

ServerSettings ServerSettings::read(const QSettings &settings, QStringList *problems)
{
    ServerSettings server;
    QStringList found;
    const auto text = [&](const char *key) { return settings.value(key).toString().trimmed(); };
    // Each field alone: one bad value leaves the others as they are.
    const auto keep = [&](QString &field, const QString &value, const QString &problem) {
        if (problem.isEmpty())
            field = value;
        else
            found << problem;
    };
    keep(server.host, text(hostKey), hostProblem(text(hostKey)));
    const int port = readPort(settings.value(portKey));
    if (const QString problem = portProblem(port); problem.isEmpty())
        server.port = port;
    else
        found << QCoreApplication::translate(
                     "ServerSettings", "La porta «%1» non è valida: deve essere fra 1 e 65535.")
                     .arg(settings.value(portKey).toString());
    keep(server.database, text(databaseKey), nameProblem(text(databaseKey), Name::Database));
    keep(server.user, text(userKey), nameProblem(text(userKey), Name::User));
    keep(server.sslMode, text(sslModeKey), sslModeProblem(text(sslModeKey)));
    keep(server.service, text(serviceKey), serviceProblem(text(serviceKey)));
    if (problems)
        *problems = found;
    return server;
}

void ServerSettings::write(QSettings &settings) const
{
    const auto put = [&](const char *key, const QVariant &value, bool empty) {
        if (empty)
            settings.remove(key);
        else
            settings.setValue(key, value);
    };
    put(hostKey, host, host.isEmpty());
    put(portKey, port, port == 0);
    put(databaseKey, database, database.isEmpty());
    put(userKey, user, user.isEmpty());
    put(sslModeKey, sslMode, sslMode.isEmpty());
    put(serviceKey, service, service.isEmpty());
}

QStringList ServerSettings::problems() const
{
    QStringList found{hostProblem(host),
                      portProblem(port),
                      nameProblem(database, Name::Database),
                      nameProblem(user, Name::User),
                      sslModeProblem(sslMode),
                      serviceProblem(service)};
    found.removeAll(QString());
    return found;
}

QString ServerSettings::connectOptions() const
{
    // Qt's driver turns ';' into the spaces libpq expects; the values are
    // validated words, so none of them can add an option of its own.
    QStringList options{QStringLiteral("connect_timeout=%1").arg(connectTimeoutSeconds),
                        QStringLiteral("application_name=gli-insiemi"),
                        // A server gone without a word (a cable pulled) is
                        // noticed within seconds, not at TCP's hours: the
                        // sender then tries again later, and the program
                        // can end.
                        QStringLiteral("keepalives_idle=10"),
                        QStringLiteral("keepalives_interval=5"),
                        QStringLiteral("keepalives_count=3"),
                        QStringLiteral("tcp_user_timeout=%1").arg(lostAfterMs)};
    if (!sslMode.isEmpty())
        options << QStringLiteral("sslmode=") + sslMode;
    if (!service.isEmpty())
        options << QStringLiteral("service=") + service;
    return options.join(u';');
}

QString ServerSettings::description() const
{
    QString text;
    if (!user.isEmpty())
        text += user + u'@';
    text += host.isEmpty() ? QStringLiteral("localhost") : host;
    text += u':' + QString::number(port == 0 ? defaultPort : port);
    if (!database.isEmpty())
        text += u'/' + database;
    if (!service.isEmpty())
        text = host.isEmpty() && user.isEmpty() && database.isEmpty() && port == 0
            ? QCoreApplication::translate("ServerSettings", "servizio %1").arg(service)
            : QCoreApplication::translate("ServerSettings", "%1 (servizio %2)").arg(text, service);
    return text;
}
