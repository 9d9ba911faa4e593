// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrintFailure.h"

#include <QCoreApplication>

Q_LOGGING_CATEGORY(lcPrinting, "gli.printing")

namespace {

// IPP's status codes and printer states (RFC 8011), the few that tell a
// reason apart; without the print system's headers, so that the rules stand
// on QtCore alone.
constexpr int firstClientError = 0x0400;
constexpr int notFound = 0x0406;
constexpr int serviceUnavailable = 0x0502;
constexpr int notAcceptingJobs = 0x0506;
constexpr int printerDeactivated = 0x050A;
constexpr int printerStopped = 5;

} // namespace

PrintFailure classifyPrintFailure(const PrintFacts &facts)
{
    if (!facts.answered || facts.status == serviceUnavailable)
        return PrintFailure::ServerNotAnswering;
    if (facts.status == notFound)
        return PrintFailure::QueueGone;
    if (facts.status == printerDeactivated)
        return PrintFailure::QueueStopped;
    // A queue that rejects jobs while it runs refuses them; one that is also
    // stopped needs someone to start it again.
    if (facts.status == notAcceptingJobs)
        return facts.printerState == printerStopped ? PrintFailure::QueueStopped
                                                    : PrintFailure::JobRefused;
    if (facts.status >= firstClientError)
        return PrintFailure::JobRefused;
    return PrintFailure::Other;
}

QString printFailureText(PrintFailure failure)
{
    switch (failure) {
    case PrintFailure::QueueStopped:
        return QCoreApplication::translate("PrintFailure", "La coda della stampante è ferma.");
    case PrintFailure::QueueGone:
        return QCoreApplication::translate("PrintFailure", "La stampante non esiste più.");
    case PrintFailure::ServerNotAnswering:
        return QCoreApplication::translate("PrintFailure", "Il server di stampa non risponde.");
    case PrintFailure::JobRefused:
        return QCoreApplication::translate("PrintFailure", "La stampante ha rifiutato la stampa.");
    case PrintFailure::Other:
        break;
    }
    return {};
}

const char *printFailureName(PrintFailure failure)
{
    switch (failure) {
    case PrintFailure::QueueStopped:
        return "queue stopped";
    case PrintFailure::QueueGone:
        return "queue gone";
    case PrintFailure::ServerNotAnswering:
        return "print server not answering";
    case PrintFailure::JobRefused:
        return "job refused";
    case PrintFailure::Other:
        break;
    }
    return "other";
}
