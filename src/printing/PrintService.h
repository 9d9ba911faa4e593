// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/CupsLibrary.h"
#include "printing/PrintFailure.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>

// The program's current printer and the print system behind it (CUPS),
// reached through its library, opened on the first call that needs it.
// The current printer is the system's default until the printer chooser
// replaces it; a sheet goes to exactly that printer or is reported as failed.
// Any thread may call it: prints run on a thread of their own while the
// screens ask for the printers. (The library keeps the print server's
// address for each thread apart; every thread takes it from the
// environment and the client configuration.)
class PrintService
{
public:
    struct Result
    {
        bool ok = false;
        int jobId = 0;
        QString error; // the print system's own words when !ok
        PrintFailure failure = PrintFailure::Other; // why, when !ok
    };

    PrintService();
    ~PrintService();
    PrintService(const PrintService &) = delete;
    PrintService &operator=(const PrintService &) = delete;

    // Whether a print server takes connections now.
    bool printSystemAnswers();

    // Installed printers by device name, in the print system's order; empty
    // when none is installed or no print system answers. Never blocks long.
    QStringList printers();
    QString defaultPrinter();

    // The current printer (resolved on first use to the system's default).
    QString currentPrinter();
    // An empty name gives the choice back to the system's default.
    void setCurrentPrinter(const QString &name);

    // Whether the current printer exists and takes jobs now (a stopped
    // queue still takes them: it holds them and prints later).
    Result checkCurrentPrinter();

    // The printable area of an A4 portrait page on the current printer, in
    // points (1/72 inch) from the page's top-left corner.
    QRectF printableArea();

    // Hands a finished PDF document to the current printer and to no other.
    // ok only when the print system created the job.
    Result submitPdf(const QByteArray &pdf, const QString &title);

    // The print system's library: null, with the reason in libraryError(),
    // when it cannot be used. Opens it on the first call.
    const CupsLibrary *library() { return m_cups.library(); }
    QString libraryError() const { return m_cups.error(); }
    bool isLibraryLoaded() const { return m_cups.isLoaded(); }

private:
    friend class PrintSession;
    // Takes the system's default as the current printer while none is set;
    // the current printer.
    QString resolveCurrent(const QString &systemDefault);
    bool isResolved() const;

    CupsLibraryLoader m_cups;
    mutable std::mutex m_currentLock; // m_resolved and m_current
    bool m_resolved = false;
    QString m_current;
};

// One print on the current printer, over one connection to the print
// system: the printer's page is asked for once, when the session begins,
// and the document then goes to that printer. (PrintService's
// printableArea() and submitPdf() each make a session of their own.)
class PrintSession
{
public:
    explicit PrintSession(PrintService &service);
    ~PrintSession();
    PrintSession(const PrintSession &) = delete;
    PrintSession &operator=(const PrintSession &) = delete;

    // As PrintService::printableArea(), for this print.
    QRectF printableArea() const;
    // As PrintService::submitPdf(), for this print.
    PrintService::Result submitPdf(const QByteArray &pdf, const QString &title);
    // The printer this print goes to.
    QString printer() const;

private:
    struct State;
    std::unique_ptr<State> d;
};
