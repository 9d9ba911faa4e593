// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcPrinting)

// Why a print did not reach the printer, as the teacher can act on it.
enum class PrintFailure {
    QueueStopped, // the queue is stopped and takes no job
    QueueGone, // no queue of that name any more
    ServerNotAnswering, // no connection, or no answer in time
    JobRefused, // the server answered, and said no
    Other, // nothing the print system told
};

// What the print system said about the request that failed.
struct PrintFacts
{
    static constexpr int stateUnknown = 0;

    bool answered = false; // an answer came back at all
    int status = 0; // its IPP status-code
    int printerState = stateUnknown; // the queue's IPP printer-state, when known
};

PrintFailure classifyPrintFailure(const PrintFacts &facts);

// The reason in the program's language; empty for Other, which has nothing
// to add to the message.
QString printFailureText(PrintFailure failure);
// A name for the log.
const char *printFailureName(PrintFailure failure);
