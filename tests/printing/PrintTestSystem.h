// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The private print system of scripts/print-system.sh, as the printing tests
// use it. scripts/test.sh starts it and names it in the environment
// (GLI_PRINT_SYSTEM, CUPS_SERVER, CUPS_SERVERROOT); the tests never talk to
// any other print server.
namespace printtest {

inline const QString defaultQueue = QStringLiteral("gli-test-pdf");
inline const QString otherQueue = QStringLiteral("gli-test-other");

// Why the private print system cannot be used here (cupsd missing, or the
// tests were not started by scripts/test.sh); empty when it can.
QString unavailable();

// For initTestCase, before anything prints: SIGPIPE ignored as the program
// does, a private HOME (no ~/.cups of the user's is read or written), no
// PRINTER or LPDEST of the caller's.
void isolate();

// Runs a program with the tests' environment; its exit code, -1 when it
// did not finish normally within a minute.
int run(const QString &program, const QStringList &arguments, QString *output = nullptr);

// scripts/print-system.sh COMMAND <folder> ARGUMENTS...
int script(const QString &command, const QStringList &arguments = {});
bool addQueue(const QString &name);
bool removeQueue(const QString &name);

// Where a queue's device puts each job's document, as <job id>.pdf.
QString folder(const QString &queue);
// Every document printed so far, on any queue.
QStringList printedFiles();
// The document of that job on that queue (empty when it is not there).
QString printed(const QString &queue, int job);

// The print server's own state of a job (IPP job-state: 3 pending, 4 held,
// 5 processing, 6 stopped, 7 canceled, 8 aborted, 9 completed); 0 when the
// server does not know it or does not answer.
int jobState(int job);
// Waits for the server to say the job has ended; its final state, or the
// last one seen after a minute.
int waitForJobEnd(int job);
// Ids of the jobs the server knows, every state or only those not ended.
QList<int> jobs(bool unfinishedOnly = false);
// Waits for the server to say that every job has ended, so that no job of
// an earlier test prints during the next; false after a minute.
bool waitForEveryJobToEnd();

// The scheduler's log (debug level) from a mark on. It logs a connection
// when it accepts it and a request as soon as it has read it, so both are
// there once the client has its answer.
struct LogMark
{
    qint64 size = 0;
};
LogMark logMark();
// Connections the scheduler accepted since mark.
int connectionsSince(const LogMark &mark);
// Requests of that operation (e.g. "Get-Printer-Attributes") since mark.
int requestsSince(const LogMark &mark, const QString &operation);

} // namespace printtest
