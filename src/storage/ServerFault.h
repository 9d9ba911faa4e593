// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QSqlError;

// What went wrong with the results server, as far as the program can tell
// from libpq's and the server's messages.
enum class ServerFault {
    None,
    UnknownHost, // the name does not resolve
    Unreachable, // nobody answers at that address, or the server is starting or stopping
    ConnectionLost, // it answered, then went away
    TlsRefused, // sslmode asks for TLS, the server offers none
    TlsCertificate, // the server's certificate does not verify
    NoPassword, // neither the password file nor the service gives one
    WrongPassword,
    NoRole, // the user does not exist there
    NotAllowed, // pg_hba.conf lets this computer or user not in
    NoDatabase,
    NoPermission, // the role may not read or write the tables
    NoTables, // the database has none of the program's tables
    OlderSchema, // the tables are of an older version and may not be moved
    NewerSchema, // the tables are of a newer program
    Other,
};

// The fault behind a message of libpq or of the server, and the server's
// SQLSTATE when the driver gives one. Messages are matched in English, the
// language of libpq's C locale; anything else is Other.
ServerFault classifyServerFault(const QString &message, const QString &sqlState = {});
ServerFault classifyServerFault(const QSqlError &error);

// The fault in words, for the results screen, the log and the settings
// dialog; `where` names the server (ServerSettings::description()), detail
// is the driver's message, shown only for Other.
QString serverFaultText(ServerFault fault, const QString &where, const QString &detail = {});

// Faults that are the network's or the server's of the moment: trying again
// soon may work. Others wait for someone to change a setting or the server.
bool isPassingFault(ServerFault fault);
