// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ServerFault.h"
#include "storage/ServerSettings.h"
#include "storage/SqlResultsStore.h"

#include <utility>

// The results on a school's PostgreSQL server, through Qt's QPSQL driver:
// the same tables and statements as the local file. A role allowed to make
// tables makes them (or moves them to this version) on first connect; a
// role that may only insert and read finds them made by
// scripts/school-server.sql, and is told in words when they are missing or
// of another version. A connection that breaks is opened again on the next
// call.
class PostgresResultsStore : public SqlResultsStore
{
public:
    explicit PostgresResultsStore(const ServerSettings &server);

    // Opens as every store does, then adds the server's own index where the
    // role may (scripts/school-server.sql makes it otherwise).
    bool open() override;
    QString location() const override;
    // What went wrong last; None after a call that worked.
    ServerFault fault() const { return m_fault; }

    // Opens a connection with these settings, checks the tables and
    // closes it: the fault, and the words for it (or for success).
    static std::pair<ServerFault, QString> check(const ServerSettings &server);

protected:
    bool openConnection(QSqlDatabase &db) override;
    bool beginWrite(QSqlQuery &query) override;
    bool recover(const QSqlError &error, const QString &failure) override;

private:
    bool fail(ServerFault fault, const QString &detail = {});
    bool resolves();
    bool tablesUsable(QSqlDatabase &db);
    void ensureServerIndex();

    ServerSettings m_server;
    ServerFault m_fault = ServerFault::None;
    bool m_owns = false;
};
