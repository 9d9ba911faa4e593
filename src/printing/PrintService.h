#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>

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
    PrintService() = default;
    mutable bool m_resolved = false;
    mutable QString m_current;
};
