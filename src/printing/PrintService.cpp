// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintService.h"

#include "printing/CupsLibrary.h"
#include "printing/PageArea.h"
#include "printing/QueueAddress.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>

namespace {

// Every exchange with the print system is bounded: a print server that does
// not answer must not freeze the program.
constexpr int connectTimeoutMs = 2000;
constexpr int defaultAnswerTimeoutMs = 5000;

// How long a request may wait for the server's answer: 5 s, or the
// environment's GLI_PRINT_TIMEOUT_MS (milliseconds, above 0) when set, so
// that the tests of a server that never answers need not wait that long.
double answerTimeoutSeconds()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("GLI_PRINT_TIMEOUT_MS", &ok);
    return (ok && ms > 0 ? ms : defaultAnswerTimeoutMs) / 1000.0;
}
constexpr qsizetype writeChunk = 64 * 1024;
constexpr const char *a4MediaName = "iso_a4_210x297mm";

int giveUp(http_t *, void *)
{
    return 0;
}

// The deleters carry the library table: libcups is reached only through it.
struct IppDeleter
{
    const CupsLibrary *cups = nullptr;
    void operator()(ipp_t *ipp) const { cups->ippDelete(ipp); }
};
using IppPtr = std::unique_ptr<ipp_t, IppDeleter>;

struct DestDeleter
{
    const CupsLibrary *cups = nullptr;
    void operator()(cups_dest_t *dest) const { cups->cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestDeleter>;

struct DestInfoDeleter
{
    const CupsLibrary *cups = nullptr;
    void operator()(cups_dinfo_t *info) const { cups->cupsFreeDestInfo(info); }
};
using DestInfoPtr = std::unique_ptr<cups_dinfo_t, DestInfoDeleter>;

// One connection to the print server. A request that gets no answer ends
// the connection for good: libcups, asked again on it, goes through long
// rounds of reconnecting. Without the print system's library there is no
// connection, as when no server answers. (A server that goes away in the
// middle of a write would raise SIGPIPE: the program ignores it from the
// start, see BrokenPipe.h.)
class Connection
{
public:
    explicit Connection(CupsLibraryLoader &loader)
        : m_cups(loader.library()), m_libraryError(loader.error())
    {
        if (!m_cups)
            return;
        // The server first: naming it may also set the port ("host:port").
        const QByteArray server = m_cups->cupsServer();
        m_server = QString::fromUtf8(server);
        m_http = m_cups->httpConnect2(server.constData(), m_cups->ippPort(), nullptr, AF_UNSPEC,
                                      m_cups->cupsEncryption(), 1, connectTimeoutMs, nullptr);
        if (m_http)
            m_cups->httpSetTimeout(m_http, answerTimeoutSeconds(), &giveUp, nullptr);
    }
    ~Connection()
    {
        if (m_http)
            m_cups->httpClose(m_http);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    explicit operator bool() const { return m_http && !m_silent; }
    http_t *http() const { return m_http; }
    // The library's functions; only while the connection is open.
    const CupsLibrary &cups() const { return *m_cups; }

    // Why nothing could be asked: no library, no server there, or it
    // stopped answering.
    QString error() const
    {
        if (!m_cups)
            return m_libraryError;
        if (!m_http)
            return QStringLiteral("No print system answers at %1.").arg(m_server);
        return QStringLiteral("The print system at %1 does not answer.").arg(m_server);
    }

    // The print system's words on the last call that failed.
    QString lastError() const { return QString::fromUtf8(m_cups->cupsLastErrorString()); }
    // Why the last call failed, the queue's state helping to tell.
    PrintFailure failure(int printerState = PrintFacts::stateUnknown) const
    {
        if (!m_cups)
            return PrintFailure::Other;
        PrintFacts facts;
        facts.answered = bool(*this);
        facts.status = facts.answered ? int(m_cups->cupsLastError()) : 0;
        facts.printerState = printerState;
        return classifyPrintFailure(facts);
    }
    bool lastSucceeded() const { return m_cups->cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE; }

    IppPtr own(ipp_t *ipp) const { return IppPtr(ipp, IppDeleter{m_cups}); }
    DestPtr own(cups_dest_t *dest) const { return DestPtr(dest, DestDeleter{m_cups}); }
    DestInfoPtr own(cups_dinfo_t *info) const { return DestInfoPtr(info, DestInfoDeleter{m_cups}); }

    // Sends the request (taking it over) and returns the answer, whatever
    // its status; null when the server did not answer.
    IppPtr ask(ipp_t *request, const QByteArray &resource = QByteArrayLiteral("/"))
    {
        if (!*this) {
            m_cups->ippDelete(request);
            return nullptr;
        }
        IppPtr response = own(m_cups->cupsDoRequest(m_http, request, resource.constData()));
        if (!response)
            m_silent = true;
        return response;
    }

    // After a libcups call that failed: note whether the server went silent.
    void noteFailure()
    {
        if (m_cups->httpError(m_http) != 0 || m_cups->httpGetStatus(m_http) == HTTP_STATUS_ERROR)
            m_silent = true;
    }

    // The exchange broke off half-way: nothing more goes over this
    // connection.
    void abandon() { m_silent = true; }

private:
    const CupsLibrary *m_cups;
    QString m_libraryError;
    QString m_server;
    http_t *m_http = nullptr;
    bool m_silent = false;
};

QString unaddressable()
{
    return QStringLiteral("The printer's name cannot be used in a request to the print system.");
}

ipp_t *queueRequest(const CupsLibrary &cups, ipp_op_t operation, const QueueAddress &queue)
{
    ipp_t *request = cups.ippNewRequest(operation);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                      queue.uri.constData());
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                      cups.cupsUser());
    return request;
}

// The attributes of exactly this queue; null when there is no such queue
// or no answer. (libcups's own look-ups by name go searching the network
// when the queue is missing, and may find some other printer.)
IppPtr queueAttributes(Connection &connection, const QueueAddress &queue,
                       std::initializer_list<const char *> wanted)
{
    if (!connection)
        return nullptr;
    const CupsLibrary &cups = connection.cups();
    ipp_t *request = queueRequest(cups, IPP_OP_GET_PRINTER_ATTRIBUTES, queue);
    cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(wanted.size()), nullptr, wanted.begin());
    IppPtr response = connection.ask(request, queue.resource);
    if (!response || !connection.lastSucceeded())
        return nullptr;
    return response;
}

// The queue's IPP printer-state in its attributes, when they name it.
int printerState(const CupsLibrary &cups, ipp_t *attributes)
{
    ipp_attribute_t *state = cups.ippFindAttribute(attributes, "printer-state", IPP_TAG_ENUM);
    return state ? cups.ippGetInteger(state, 0) : PrintFacts::stateUnknown;
}

// The A4 medium of a queue known to exist (see above), when it has one.
std::optional<MediaSize> a4Media(Connection &connection, const QString &name)
{
    const CupsLibrary &cups = connection.cups();
    const DestPtr dest = connection.own(
        cups.cupsGetNamedDest(connection.http(), name.toUtf8().constData(), nullptr));
    if (!dest) {
        connection.noteFailure();
        return std::nullopt;
    }
    const DestInfoPtr info = connection.own(cups.cupsCopyDestInfo(connection.http(), dest.get()));
    if (!info) {
        connection.noteFailure();
        return std::nullopt;
    }
    cups_size_t size = {};
    if (!cups.cupsGetDestMediaByName(connection.http(), dest.get(), info.get(), a4MediaName,
                                     CUPS_MEDIA_FLAGS_DEFAULT, &size))
        return std::nullopt;
    const MediaSize media{size.width, size.length, size.left, size.top, size.right, size.bottom};
    if (!PageArea::isA4Portrait(media))
        return std::nullopt;
    return media;
}

// Creates a job on exactly this queue: its id, or 0 with the server's error.
int createJob(Connection &connection, const QueueAddress &queue, const QByteArray &title,
              bool askForA4)
{
    if (!connection)
        return 0;
    const CupsLibrary &cups = connection.cups();
    ipp_t *request = queueRequest(cups, IPP_OP_CREATE_JOB, queue);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr,
                      title.constData());
    if (askForA4)
        cups.ippAddString(request, IPP_TAG_JOB, IPP_TAG_KEYWORD, "media", nullptr, a4MediaName);
    const IppPtr response = connection.ask(request, queue.resource);
    if (!response || !connection.lastSucceeded())
        return 0;
    ipp_attribute_t *id = cups.ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER);
    return id ? cups.ippGetInteger(id, 0) : 0;
}

// Sends the job's one and only document, written out in pieces.
bool sendDocument(Connection &connection, const QueueAddress &queue, int job,
                  const QByteArray &title, const QByteArray &pdf)
{
    const CupsLibrary &cups = connection.cups();
    const IppPtr request = connection.own(queueRequest(cups, IPP_OP_SEND_DOCUMENT, queue));
    cups.ippAddInteger(request.get(), IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    cups.ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "document-name", nullptr,
                      title.constData());
    cups.ippAddString(request.get(), IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format",
                      nullptr, CUPS_FORMAT_PDF);
    cups.ippAddBoolean(request.get(), IPP_TAG_OPERATION, "last-document", 1);

    http_t *http = connection.http();
    bool sent = cups.cupsSendRequest(http, request.get(), queue.resource.constData(),
                                     CUPS_LENGTH_VARIABLE)
        == HTTP_STATUS_CONTINUE;
    for (qsizetype at = 0; sent && at < pdf.size(); at += writeChunk) {
        const qsizetype length = std::min(writeChunk, pdf.size() - at);
        sent = cups.cupsWriteRequestData(http, pdf.constData() + at, static_cast<size_t>(length))
            == HTTP_STATUS_CONTINUE;
    }
    if (!sent) {
        connection.abandon();
        return false;
    }
    const IppPtr response = connection.own(cups.cupsGetResponse(http, queue.resource.constData()));
    if (!response)
        connection.abandon();
    return response && connection.lastSucceeded();
}

// A job without its document would wait in the queue for nothing. The
// broken exchange leaves its connection unusable: cancel on a new one.
void cancelJob(CupsLibraryLoader &loader, const QueueAddress &queue, int job)
{
    Connection again(loader);
    if (!again)
        return;
    const CupsLibrary &cups = again.cups();
    ipp_t *request = queueRequest(cups, IPP_OP_CANCEL_JOB, queue);
    cups.ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    again.ask(request, QByteArrayLiteral("/jobs/"));
}

// The default printer as the print commands find it: LPDEST, PRINTER, the
// lpoptions files, then the server's default; nothing when the one named
// there does not exist.
QString defaultPrinterOn(const Connection &connection)
{
    if (!connection)
        return {};
    const DestPtr dest = connection.own(
        connection.cups().cupsGetNamedDest(connection.http(), nullptr, nullptr));
    return dest ? QString::fromUtf8(dest->name) : QString();
}

// A request that asks only for the printers' names.
ipp_t *printerNameRequest(const CupsLibrary &cups, ipp_op_t operation)
{
    ipp_t *request = cups.ippNewRequest(operation);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                      "printer-name");
    return request;
}

} // namespace

PrintService::PrintService() = default;
PrintService::~PrintService() = default;

bool PrintService::printSystemAnswers()
{
    Connection connection(m_cups);
    if (!connection)
        return false;
    return connection.ask(printerNameRequest(connection.cups(), IPP_OP_CUPS_GET_DEFAULT))
        != nullptr;
}

QStringList PrintService::printers()
{
    QStringList names;
    Connection connection(m_cups);
    if (!connection)
        return names;
    const CupsLibrary &cups = connection.cups();
    ipp_t *request = printerNameRequest(cups, IPP_OP_CUPS_GET_PRINTERS);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                      cups.cupsUser());
    const IppPtr response = connection.ask(request);
    if (!response)
        return names;
    // The server answers in its own order, by name; its other clients show
    // the same order.
    for (ipp_attribute_t *attr = cups.ippFirstAttribute(response.get()); attr;
         attr = cups.ippNextAttribute(response.get())) {
        if (cups.ippGetGroupTag(attr) == IPP_TAG_PRINTER
            && cups.ippGetValueTag(attr) == IPP_TAG_NAME
            && std::strcmp(cups.ippGetName(attr), "printer-name") == 0)
            names.append(QString::fromUtf8(cups.ippGetString(attr, 0, nullptr)));
    }
    return names;
}

QString PrintService::defaultPrinter()
{
    const Connection connection(m_cups);
    return defaultPrinterOn(connection);
}

QString PrintService::currentPrinter()
{
    {
        const std::lock_guard lock(m_currentLock);
        if (m_resolved)
            return m_current;
    }
    return resolveCurrent(defaultPrinter());
}

QString PrintService::resolveCurrent(const QString &systemDefault)
{
    const std::lock_guard lock(m_currentLock);
    // Until the system names a default, ask again next time: the print
    // system may just not have been running yet.
    if (!m_resolved && !systemDefault.isEmpty()) {
        m_current = systemDefault;
        m_resolved = true;
    }
    return m_current;
}

bool PrintService::isResolved() const
{
    const std::lock_guard lock(m_currentLock);
    return m_resolved;
}

void PrintService::setCurrentPrinter(const QString &name)
{
    const std::lock_guard lock(m_currentLock);
    m_current = name;
    m_resolved = !name.isEmpty();
}

PrintService::Result PrintService::checkCurrentPrinter()
{
    Result result;
    const QString name = currentPrinter();
    if (name.isEmpty()) {
        result.error = QStringLiteral("There is no printer to print on.");
        return result;
    }
    const std::optional<QueueAddress> queue = QueueAddress::forQueue(name);
    if (!queue) {
        result.error = unaddressable();
        return result;
    }
    Connection connection(m_cups);
    const IppPtr attributes = queueAttributes(
        connection, *queue,
        {"printer-is-accepting-jobs", "printer-state", "printer-state-message"});
    if (!attributes) {
        result.error = connection ? connection.lastError() : connection.error();
        result.failure = connection.failure();
        return result;
    }
    const CupsLibrary &cups = connection.cups();
    ipp_attribute_t *accepting = cups.ippFindAttribute(
        attributes.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (accepting && !cups.ippGetBoolean(accepting, 0)) {
        // What a job sent now would be answered.
        result.failure = classifyPrintFailure(
            {true, IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, printerState(cups, attributes.get())});
        result.error = QStringLiteral("Destination \"%1\" is not accepting jobs.").arg(name);
        ipp_attribute_t *why = cups.ippFindAttribute(attributes.get(), "printer-state-message",
                                                     IPP_TAG_TEXT);
        const char *reason = why ? cups.ippGetString(why, 0, nullptr) : nullptr;
        if (reason && *reason)
            result.error += QLatin1Char(' ') + QString::fromUtf8(reason);
        return result;
    }
    result.ok = true;
    return result;
}

QRectF PrintService::printableArea()
{
    return PrintSession(*this).printableArea();
}

PrintService::Result PrintService::submitPdf(const QByteArray &pdf, const QString &title)
{
    return PrintSession(*this).submitPdf(pdf, title);
}

struct PrintSession::State
{
    explicit State(CupsLibraryLoader &loader) : cups(loader), connection(loader) {}

    CupsLibraryLoader &cups;
    Connection connection;
    QString printer;
    std::optional<QueueAddress> queue;
    std::optional<MediaSize> media;
    int printerState = PrintFacts::stateUnknown; // as the session began
};

PrintSession::PrintSession(PrintService &service) : d(std::make_unique<State>(service.m_cups))
{
    // The current printer, the system's default if none was chosen, is
    // resolved over this session's connection too.
    d->printer = service.isResolved() ? service.currentPrinter()
                                      : service.resolveCurrent(defaultPrinterOn(d->connection));
    if (d->printer.isEmpty())
        return;
    d->queue = QueueAddress::forQueue(d->printer);
    if (!d->queue)
        return;
    // One question for the queue's existence and its state.
    const IppPtr attributes = queueAttributes(d->connection, *d->queue,
                                              {"printer-name", "printer-state"});
    if (!attributes)
        return;
    d->printerState = printerState(d->connection.cups(), attributes.get());
    d->media = a4Media(d->connection, d->printer);
}

QString PrintSession::printer() const
{
    return d->printer;
}

PrintSession::~PrintSession() = default;

QRectF PrintSession::printableArea() const
{
    return d->media ? PageArea::fromMedia(*d->media) : PageArea::fallback();
}

PrintService::Result PrintSession::submitPdf(const QByteArray &pdf, const QString &title)
{
    PrintService::Result result;
    if (d->printer.isEmpty()) {
        result.error = QStringLiteral("There is no printer to print on.");
        return result;
    }
    if (!d->queue) {
        result.error = unaddressable();
        return result;
    }
    Connection &connection = d->connection;
    const QByteArray jobTitle = title.toUtf8();

    // The job goes to this queue or nowhere: a queue that is gone or refuses
    // jobs gives no job. A4 is asked for where the printer has it: the sheet
    // is laid out for it.
    const int job = createJob(connection, *d->queue, jobTitle, d->media.has_value());
    if (job <= 0) {
        result.error = connection ? connection.lastError() : connection.error();
        result.failure = connection.failure(d->printerState);
        return result;
    }
    if (!sendDocument(connection, *d->queue, job, jobTitle, pdf)) {
        result.failure = connection.failure(d->printerState);
        result.error = connection.lastError();
        if (result.error.isEmpty() || connection.lastSucceeded())
            result.error =
                QStringLiteral("The document could not be sent to \"%1\".").arg(d->printer);
        cancelJob(d->cups, *d->queue, job);
        return result;
    }
    result.ok = true;
    result.jobId = job;
    return result;
}
