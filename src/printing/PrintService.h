// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>

// The program's current printer and the print system behind it (CUPS).
// The current printer is the system's default until the printer chooser
// replaces it; a sheet goes to exactly that printer or is reported as failed.
class PrintService
{
public:
    struct Result
    {
        bool ok = false;
        int jobId = 0;
        QString error; // the print system's own words when !ok
    };

    static PrintService &shared();

    // Whether a print server takes connections now.
    bool printSystemAnswers() const;

    // Installed printers by device name, in the print system's order; empty
    // when none is installed or no print system answers. Never blocks long.
    QStringList printers() const;
    QString defaultPrinter() const;

    // The current printer (resolved on first use to the system's default).
    QString currentPrinter() const;
    // An empty name gives the choice back to the system's default.
    void setCurrentPrinter(const QString &name);

    // Whether the current printer exists and takes jobs now (a stopped
    // queue still takes them: it holds them and prints later).
    Result checkCurrentPrinter() const;

    // The printable area of an A4 portrait page on the current printer, in
    // points (1/72 inch) from the page's top-left corner.
    QRectF printableArea() const;

    // Hands a finished PDF document to the current printer and to no other.
    // ok only when the print system created the job.
    Result submitPdf(const QByteArray &pdf, const QString &title) const;

private:
    friend class PrintSession;
    PrintService() = default;
    // Takes the system's default as the current printer while none is set.
    void resolveCurrent(const QString &systemDefault) const;

    mutable bool m_resolved = false;
    mutable QString m_current;
};

// One print on the current printer, over one connection to the print
// system: the printer's page is asked for once, when the session begins,
// and the document then goes to that printer. (PrintService's
// printableArea() and submitPdf() each make a session of their own.)
class PrintSession
{
public:
    explicit PrintSession(const PrintService &service);
    ~PrintSession();
    PrintSession(const PrintSession &) = delete;
    PrintSession &operator=(const PrintSession &) = delete;

    // As PrintService::printableArea(), for this print.
    QRectF printableArea() const;
    // As PrintService::submitPdf(), for this print.
    PrintService::Result submitPdf(const QByteArray &pdf, const QString &title);

private:
    struct State;
    std::unique_ptr<State> d;
};
