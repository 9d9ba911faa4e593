// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillScreen.h"
#include "printing/PrintService.h"
#include "printing/PrinterChoice.h"
#include "printing/PrinterChooser.h"
#include "sets/FigureCatalogue.h"
#include "sets/RandomSource.h"
#include "worksheets/OutputThread.h"
#include "worksheets/Worksheet.h"

#include <QObject>
#include <QPointer>
#include <vector>

class AboutScreen;
class Screen;
class StartScreen;
class WorksheetScreen;

// The program: made once in main (and by each test that needs it), it owns
// the figure catalogue, the random source, the print service with the
// current printer, what the screens keep between openings, and the open
// screens. Each screen exists once: opening an open screen brings it to the
// front. Closing the start screen closes every screen, and so ends the run.
class Program : public QObject
{
    Q_OBJECT
public:
    explicit Program(QObject *parent = nullptr);
    ~Program() override;

    FigureCatalogue &figures() { return m_figures; }
    RandomSource &random() { return m_random; }
    PrintService &printService() { return m_printService; }
    DrillState &drillState() { return m_drillState; }
    Worksheet &worksheet() { return m_worksheet; }
    OutputThread &outputThread() { return m_outputThread; }

    // Where the printer chooser finds the installed printers: the print
    // system unless a source is set here (tests give their own).
    void setPrinterSource(PrinterChooser::PrinterSource source);

    // The open screens; null while closed.
    StartScreen *startScreen() const;
    DrillScreen *drillScreen() const { return m_drill; }
    WorksheetScreen *worksheetScreen() const;
    AboutScreen *aboutScreen() const;
    PrinterChooser *printerChooser() const { return m_printerChooser; }

    // Each opens its screen, or shows the open one and brings it to the front.
    StartScreen *openStart();
    DrillScreen *openDrill();
    WorksheetScreen *openWorksheets();
    // Modal over the start screen.
    AboutScreen *openAbout();
    // Modal over the worksheet screen.
    PrinterChooser *openPrinterChooser();

    // Closes every open screen.
    void closeAll();

Q_SIGNALS:
    // A screen's window (or dialog) was made, not when an open one is shown
    // again.
    void screenOpened(QWidget *window);

private:
    template<class T> T *track(QPointer<T> &open, T *window);

    FigureCatalogue m_figures;
    RandomSource m_random;
    PrintService m_printService;
    PrinterChooser::PrinterSource m_printerSource;
    DrillState m_drillState;
    Worksheet m_worksheet;
    PrinterChoice m_printerChoice;
    // After what its jobs use: it finishes the job under way first.
    OutputThread m_outputThread;

    QPointer<StartScreen> m_start;
    QPointer<DrillScreen> m_drill;
    QPointer<WorksheetScreen> m_worksheets;
    QPointer<AboutScreen> m_about;
    QPointer<PrinterChooser> m_printerChooser;
    // Every window made, closed ones too until they are deleted: none may
    // outlive what it was given.
    std::vector<QPointer<QWidget>> m_windows;
};
