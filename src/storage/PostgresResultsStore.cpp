// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/PostgresResultsStore.h"

#include "storage/ResultsSchema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <netdb.h>
#include <sys/socket.h>

namespace {

const QString driverName = QStringLiteral("QPSQL");

// Both tables of the program in the connection's schema, whether this role
// may make tables there, whether it owns (or acts as the owner of) the
// answers, and the schema version when the role may read it.
const QString tablesQuery = QStringLiteral(
    "SELECT (SELECT COUNT(*) FROM pg_tables WHERE schemaname = current_schema() "
    "          AND tablename IN ('answers', 'meta')),"
    " COALESCE(has_schema_privilege(current_schema(), 'CREATE'), false),"
    " COALESCE((SELECT pg_has_role(tableowner, 'USAGE') FROM pg_tables "
    "           WHERE schemaname = current_schema() AND tablename = 'answers'), false)");
const QString versionQuery = QStringLiteral("SELECT value FROM meta WHERE name = 'schema_version'");

// A school's server holds every class: the results screen takes one class's
// answers of a period, and this index alone answers that (an index-only
// scan), whatever the other classes hold. PostgreSQL's INCLUDE has no
// counterpart in SQLite, whose file holds one computer's answers.
const QString serverIndex = QStringLiteral(
    "CREATE INDEX IF NOT EXISTS answers_class_period ON answers (class_name, answered_at) "
    "INCLUDE (pupil, mistake, correct, seconds, answered_day)");

} // namespace

PostgresResultsStore::PostgresResultsStore(const ServerSettings &server)
    : SqlResultsStore(driverName), m_server(server)
{}

QString PostgresResultsStore::location() const
{
    return QCoreApplication::translate("ResultsStore", "il server %1").arg(m_server.description());
}

bool PostgresResultsStore::fail(ServerFault fault, const QString &detail)
{
    // The log keeps the driver's own words beside ours, for whoever looks
    // after the server.
    if (!detail.isEmpty() && fault != m_fault)
        qCInfo(lcResults).noquote()
            << "Results server" << m_server.description() << "said:" << detail.trimmed();
    m_fault = fault;
    setProblem(serverFaultText(fault, m_server.description(), detail));
    return false;
}

bool PostgresResultsStore::resolves()
{
    // libpq says an unknown name in the user's language; asking the resolver
    // first tells it apart in any. A socket folder needs none.
    const QString &host = m_server.host;
    if (host.isEmpty() || host.startsWith(u'/'))
        return true;
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    const int status = ::getaddrinfo(host.toUtf8().constData(), nullptr, &hints, &found);
    if (found)
        ::freeaddrinfo(found);
    return status != EAI_NONAME && status != EAI_FAIL && status != EAI_AGAIN
#ifdef EAI_NODATA
        && status != EAI_NODATA
#endif
        ;
}

bool PostgresResultsStore::openConnection(QSqlDatabase &db)
{
    if (const QStringList problems = m_server.problems(); !problems.isEmpty())
        return fail(ServerFault::Other, problems.join(u' '));
    if (!resolves())
        return fail(ServerFault::UnknownHost);
    db.setHostName(m_server.host);
    db.setPort(m_server.port == 0 ? -1 : m_server.port);
    db.setDatabaseName(m_server.database);
    db.setUserName(m_server.user);
    db.setConnectOptions(m_server.connectOptions());
    if (!db.open())
        return fail(classifyServerFault(db.lastError()), db.lastError().databaseText());
    if (!tablesUsable(db)) {
        db.close();
        return false;
    }
    m_fault = ServerFault::None;
    return true;
}

bool PostgresResultsStore::tablesUsable(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(tablesQuery) || !query.next())
        return fail(classifyServerFault(query.lastError()), query.lastError().databaseText());
    const int tables = query.value(0).toInt();
    const bool mayCreate = query.value(1).toBool();
    const bool owns = query.value(2).toBool();
    m_owns = owns || (tables == 0 && mayCreate);
    if (tables == 0)
        return mayCreate || fail(ServerFault::NoTables);
    if (tables < 2)
        return owns || fail(ServerFault::NoTables);
    if (!query.exec(versionQuery))
        return fail(classifyServerFault(query.lastError()), query.lastError().databaseText());
    const int version = query.next() ? query.value(0).toString().toInt() : 0;
    if (version > results_schema::currentVersion)
        return fail(ServerFault::NewerSchema);
    if (version < results_schema::currentVersion && !owns)
        return fail(ServerFault::OlderSchema);
    return true;
}

bool PostgresResultsStore::open()
{
    if (isOpen())
        return true;
    if (!SqlResultsStore::open())
        return false;
    ensureServerIndex();
    return true;
}

void PostgresResultsStore::ensureServerIndex()
{
    if (!m_owns)
        return;
    QSqlQuery query(database());
    // Asked first: CREATE ... IF NOT EXISTS would print a notice on every start.
    if (query.exec(QStringLiteral("SELECT to_regclass('answers_class_period') IS NOT NULL"))
        && query.next() && query.value(0).toBool())
        return;
    if (!query.exec(serverIndex))
        qCWarning(lcResults).noquote()
            << "Results server" << m_server.description()
            << "has no index of a class's period:" << query.lastError().text();
}

bool PostgresResultsStore::beginWrite(QSqlQuery &query)
{
    // Two computers moving the tables at once take turns on one lock for
    // the transaction (the tables themselves may not be there yet).
    return database().transaction()
        && query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7013460104)"));
}

bool PostgresResultsStore::recover(const QSqlError &error, const QString &failure)
{
    const ServerFault fault = classifyServerFault(error);
    if (fault == ServerFault::Other) {
        m_fault = fault;
        setProblem(failure);
        return false;
    }
    fail(fault, error.databaseText());
    // A connection that broke is made again, once, for the same statement.
    const bool broken = fault == ServerFault::ConnectionLost || fault == ServerFault::Unreachable;
    if (broken)
        close();
    return broken;
}

std::pair<ServerFault, QString> PostgresResultsStore::check(const ServerSettings &server)
{
    PostgresResultsStore store(server);
    if (!store.open())
        return {store.fault(), store.problem()};
    const int version = store.schemaVersion();
    store.close();
    return {ServerFault::None,
            QCoreApplication::translate(
                "ResultsStore", "Connessione riuscita: %1, tabelle dei risultati alla versione %2.")
                .arg(server.description())
                .arg(version)};
}

ServerFault classifyServerFault(const QSqlError &error)
{
    if (error.type() == QSqlError::NoError)
        return ServerFault::None;
    return classifyServerFault(error.databaseText() + u' ' + error.driverText(),
                               error.nativeErrorCode());
}
