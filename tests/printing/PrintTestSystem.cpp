// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintTestSystem.h"

#include "printing/BrokenPipe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

#include <memory>

namespace {

QString root()
{
    return qEnvironmentVariable("GLI_PRINT_SYSTEM");
}

QString logFile()
{
    return root() + QStringLiteral("/log/error_log");
}

// What the log gained since offset.
QByteArray logSince(const QString &path, qint64 offset)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return {};
    return file.readAll();
}

struct IppDelete
{
    void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDelete>;

Ipp ask(ipp_t *request, const char *resource)
{
    return Ipp(cupsDoRequest(CUPS_HTTP_DEFAULT, request, resource));
}

// A program on the PATH or, as CUPS's administration tools (cupsd,
// cupsenable, cupsreject) are, in a folder a plain user's PATH on Debian
// does not name.
QString findTool(const QString &program)
{
    const QString onPath = QStandardPaths::findExecutable(program);
    if (!onPath.isEmpty())
        return onPath;
    return QStandardPaths::findExecutable(
        program,
        {QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

} // namespace

namespace printtest {

QString unavailable()
{
    const QString dir = root();
    if (dir.isEmpty()) {
        if (findTool(QStringLiteral("cupsd")).isEmpty())
            return QStringLiteral("cupsd is not installed (Debian package cups-daemon)");
        return QStringLiteral("no private print system: scripts/test.sh starts one for the tests");
    }
    // Never any other print server than the private one.
    if (qEnvironmentVariable("CUPS_SERVER") != dir + QStringLiteral("/cups.sock")
        || qEnvironmentVariable("CUPS_SERVERROOT") != dir + QStringLiteral("/etc"))
        return QStringLiteral("CUPS_SERVER and CUPS_SERVERROOT do not name the private print "
                              "system in %1")
            .arg(dir);
    if (script(QStringLiteral("status")) != 0)
        return QStringLiteral("the private print system in %1 does not answer").arg(dir);
    return {};
}

void isolate()
{
    ignoreBrokenPipe();
    static QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

int run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    const QString found = findTool(program);
    process.start(found.isEmpty() ? program : found, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

int script(const QString &command, const QStringList &arguments)
{
    return run(QStringLiteral(GLI_PRINT_SYSTEM_SCRIPT), QStringList{command, root()} + arguments);
}

bool addQueue(const QString &name)
{
    return script(QStringLiteral("add-queue"), {name}) == 0;
}

bool removeQueue(const QString &name)
{
    return script(QStringLiteral("remove-queue"), {name}) == 0;
}

QString folder(const QString &queue)
{
    // The script's naming: bytes other than A-Z a-z 0-9 . - as _XX.
    QString name;
    for (const char byte : queue.toUtf8()) {
        const auto c = static_cast<unsigned char>(byte);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.'
            || c == '-')
            name += QLatin1Char(byte);
        else
            name += QStringLiteral("_%1").arg(c, 2, 16, QLatin1Char('0')).toUpper();
    }
    return root() + QStringLiteral("/out/") + name;
}

QStringList printedFiles()
{
    QStringList files;
    QDirIterator it(root() + QStringLiteral("/out"), {QStringLiteral("*.pdf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

QString printed(const QString &queue, int job)
{
    const QString file = folder(queue) + QStringLiteral("/%1.pdf").arg(job);
    return QFileInfo::exists(file) ? file : QString();
}

int jobState(int job)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(job);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "job-state");
    const Ipp response = ask(request, "/jobs/");
    if (!response || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return 0;
    ipp_attribute_t *state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
    return state ? ippGetInteger(state, 0) : 0;
}

int waitForJobEnd(int job)
{
    int state = 0;
    (void)QTest::qWaitFor(
        [&] {
            state = jobState(job);
            return state >= IPP_JSTATE_CANCELED;
        },
        60000);
    return state;
}

QList<int> jobs(bool unfinishedOnly)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 "ipp://localhost/");
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr,
                 unfinishedOnly ? "not-completed" : "all");
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "job-id");
    const Ipp response = ask(request, "/");
    QList<int> ids;
    if (!response)
        return ids;
    for (ipp_attribute_t *id = ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER); id;
         id = ippFindNextAttribute(response.get(), "job-id", IPP_TAG_INTEGER))
        ids.append(ippGetInteger(id, 0));
    return ids;
}

bool waitForEveryJobToEnd()
{
    return QTest::qWaitFor([] { return jobs(true).isEmpty(); }, 60000);
}

LogMark logMark()
{
    return {QFileInfo(logFile()).size()};
}

int connectionsSince(const LogMark &mark)
{
    return static_cast<int>(logSince(logFile(), mark.size).count("] Accepted from "));
}

int requestsSince(const LogMark &mark, const QString &operation)
{
    // "... [Client 12] 2.0 Create-Job 3": IPP version, operation, request id.
    const QRegularExpression request(
        QStringLiteral("\\] \\d\\.\\d %1 \\d+$").arg(QRegularExpression::escape(operation)));
    int count = 0;
    for (const QByteArray &line : logSince(logFile(), mark.size).split('\n'))
        count += request.match(QString::fromUtf8(line)).hasMatch();
    return count;
}

} // namespace printtest
