// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ServerFault.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

// Fragments of libpq's and the server's messages (PostgreSQL 10 to 17),
// most particular first: "SSL SYSCALL error: EOF detected" is a lost
// connection, not a certificate.
const auto &messageFaults()
{
    static const std::array<std::pair<const char *, ServerFault>, 27> faults{{
        {"could not translate host name", ServerFault::UnknownHost},
        {"server does not support SSL", ServerFault::TlsRefused},
        {"SSL SYSCALL error", ServerFault::ConnectionLost},
        {"certificate", ServerFault::TlsCertificate},
        {"SSL error", ServerFault::TlsCertificate},
        {"password authentication failed", ServerFault::WrongPassword},
        {"no password supplied", ServerFault::NoPassword},
        {"no pg_hba.conf entry", ServerFault::NotAllowed},
        {"pg_hba.conf rejects", ServerFault::NotAllowed},
        {"does not exist", ServerFault::Other}, // decided by the SQLSTATE or the word before
        {"server closed the connection unexpectedly", ServerFault::ConnectionLost},
        {"terminating connection", ServerFault::ConnectionLost},
        {"connection to server was lost", ServerFault::ConnectionLost},
        {"no connection to the server", ServerFault::ConnectionLost},
        {"could not receive data from server", ServerFault::ConnectionLost},
        {"could not send data to server", ServerFault::ConnectionLost},
        {"the database system is starting up", ServerFault::Unreachable},
        {"the database system is shutting down", ServerFault::Unreachable},
        {"the database system is in recovery mode", ServerFault::Unreachable},
        {"Connection refused", ServerFault::Unreachable},
        {"No such file or directory", ServerFault::Unreachable},
        {"timeout expired", ServerFault::Unreachable},
        {"Connection timed out", ServerFault::Unreachable},
        {"No route to host", ServerFault::Unreachable},
        {"Network is unreachable", ServerFault::Unreachable},
        {"Connection reset by peer", ServerFault::ConnectionLost},
        {"permission denied", ServerFault::NoPermission},
    }};
    return faults;
}

ServerFault faultOfMissing(const QString &message)
{
    if (message.contains(QLatin1String("database \"")))
        return ServerFault::NoDatabase;
    if (message.contains(QLatin1String("role \"")))
        return ServerFault::NoRole;
    if (message.contains(QLatin1String("relation \"")))
        return ServerFault::NoTables;
    return ServerFault::Other;
}

// The SQLSTATE classes that decide alone.
ServerFault faultOfState(const QString &state)
{
    if (state == QLatin1String("28P01"))
        return ServerFault::WrongPassword;
    if (state == QLatin1String("3D000"))
        return ServerFault::NoDatabase;
    if (state == QLatin1String("42P01"))
        return ServerFault::NoTables;
    if (state == QLatin1String("42501"))
        return ServerFault::NoPermission;
    if (state == QLatin1String("57P03"))
        return ServerFault::Unreachable;
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")))
        return ServerFault::ConnectionLost;
    return ServerFault::None;
}

} // namespace

ServerFault classifyServerFault(const QString &message, const QString &sqlState)
{
    if (message.isEmpty() && sqlState.isEmpty())
        return ServerFault::None;
    if (const ServerFault byState = faultOfState(sqlState); byState != ServerFault::None)
        return byState;
    for (const auto &[fragment, fault] : messageFaults()) {
        if (message.contains(QLatin1String(fragment), Qt::CaseInsensitive))
            return fault == ServerFault::Other ? faultOfMissing(message) : fault;
    }
    return ServerFault::Other;
}

QString serverFaultText(ServerFault fault, const QString &where, const QString &detail)
{
    switch (fault) {
    case ServerFault::None:
        return {};
    case ServerFault::UnknownHost:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Il server %1 non si trova: il nome è sbagliato o la rete non funziona.")
            .arg(where);
    case ServerFault::Unreachable:
        return QCoreApplication::translate(
                   "ServerFault", "Il server %1 non risponde: è spento o non raggiungibile.")
            .arg(where);
    case ServerFault::ConnectionLost:
        return QCoreApplication::translate("ServerFault",
                                           "La connessione con il server %1 si è interrotta.")
            .arg(where);
    case ServerFault::TlsRefused:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Il server %1 non offre una connessione cifrata, ma le impostazioni la "
                   "richiedono (sslmode).")
            .arg(where);
    case ServerFault::TlsCertificate:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Il certificato del server %1 non è valido o non si può verificare.")
            .arg(where);
    case ServerFault::NoPassword:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Manca la password per il server %1: va scritta nel file delle password "
                   "(~/.pgpass) o nel file dei servizi.")
            .arg(where);
    case ServerFault::WrongPassword:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Il server %1 rifiuta la password: correggerla nel file delle password "
                   "(~/.pgpass) o nel file dei servizi.")
            .arg(where);
    case ServerFault::NoRole:
        return QCoreApplication::translate("ServerFault",
                                           "Sul server %1 non esiste l'utente indicato.")
            .arg(where);
    case ServerFault::NotAllowed:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Il server %1 non accetta questo computer o questo utente (pg_hba.conf).")
            .arg(where);
    case ServerFault::NoDatabase:
        return QCoreApplication::translate("ServerFault",
                                           "Sul server %1 non esiste il database indicato.")
            .arg(where);
    case ServerFault::NoPermission:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Sul server %1 l'utente non ha il permesso di usare le tabelle dei risultati.")
            .arg(where);
    case ServerFault::NoTables:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Nel database del server %1 mancano le tabelle dei risultati: vanno create "
                   "con scripts/school-server.sql.")
            .arg(where);
    case ServerFault::OlderSchema:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Le tabelle dei risultati sul server %1 sono di una versione più vecchia: "
                   "vanno aggiornate con scripts/school-server.sql.")
            .arg(where);
    case ServerFault::NewerSchema:
        return QCoreApplication::translate(
                   "ServerFault",
                   "Le tabelle dei risultati sul server %1 sono di una versione più nuova del "
                   "programma: va aggiornato il programma.")
            .arg(where);
    case ServerFault::Other:
        break;
    }
    return QCoreApplication::translate("ServerFault", "Il server %1 risponde con un errore: %2")
        .arg(where, detail.simplified());
}

bool isPassingFault(ServerFault fault)
{
    return fault == ServerFault::Unreachable || fault == ServerFault::ConnectionLost
        || fault == ServerFault::UnknownHost;
}
