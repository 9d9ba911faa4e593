// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/DrillScreen.h"
#include "printing/PrintService.h"
#include "printing/PrinterChoice.h"
#include "printing/PrinterChooser.h"
#include "sets/FigureCatalogue.h"
#include "sets/RandomSource.h"
#include "settings/ProgramSettings.h"
#include "worksheets/OutputThread.h"
#include "worksheets/Worksheet.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

class AboutScreen;
class QThreadPool;
class ResultsScreen;
class ResultsService;
class ServerSettings;
class Screen;
class SettingsDialog;
class StartScreen;
class WhoAreYouScreen;
class Voice;
class WorksheetScreen;

// The program: made once in main (and by each test that needs it), it owns
// the figure catalogue, the random source, the print service with the
// current printer, the teacher's settings, what the screens keep between
// openings, and the open screens. Each screen exists once: opening an open
// screen brings it to the front. Closing the start screen closes every
// screen, and so ends the run.
class Program : public QObject
{
    Q_OBJECT
public:
    explicit Program(QObject *parent = nullptr);
    ~Program() override;

    FigureCatalogue &figures() { return m_figures; }
    RandomSource &random() { return m_random; }
    PrintService &printService() { return m_printService; }
    DrillState &drillState();
    Worksheet &worksheet();
    // The teacher's settings as they apply now: read when a screen first
    // needs them (not before the start screen shows), and again when the
    // settings dialog is confirmed.
    const ProgramSettings &settings();
    // Keeps the settings across runs and hands each screen its part: the
    // level to the drill and the worksheets, from their next exercise.
    void applySettings(const ProgramSettings &settings);
    // Where every judged answer goes; made on first use, and it opens its
    // store only on its own first use.
    ResultsService &results();
    // Keeps the results server's settings; when they changed, the results
    // come from the new place from the next request on.
    void applyServer(const ServerSettings &server);
    // The drill's voice, on unless turned off; made on first use, which is
    // the drill's first opening, so that start-up never pays for sound.
    Voice &voice();
    OutputThread &outputThread() { return m_outputThread; }
    // Where the results screen makes its prints and PDF files.
    QThreadPool &outputPool() { return *m_output; }

    // Where the printer chooser finds the installed printers: the print
    // system unless a source is set here (tests give their own).
    void setPrinterSource(PrinterChooser::PrinterSource source);

    // The open screens; null while closed.
    StartScreen *startScreen() const;
    DrillScreen *drillScreen() const { return m_drill; }
    WorksheetScreen *worksheetScreen() const;
    AboutScreen *aboutScreen() const;
    SettingsDialog *settingsDialog() const;
    PrinterChooser *printerChooser() const { return m_printerChooser; }
    WhoAreYouScreen *whoAreYouScreen() const;
    ResultsScreen *resultsScreen() const;

    // Each opens its screen, or shows the open one and brings it to the front.
    StartScreen *openStart();
    // "VAI": with a class list "Chi sei?" first, without one the drill.
    // An open drill is shown as it is.
    void startDrill();
    // The drill whose counts carry over from one opening to the next: a
    // guest's, or everyone's without a class list.
    DrillScreen *openDrill();
    // A drill of `pupil`'s own, from exercise one.
    DrillScreen *openPupilDrill(const QString &pupil);
    WhoAreYouScreen *openWhoAreYou();
    ResultsScreen *openResults();
    WorksheetScreen *openWorksheets();
    // Modal over the start screen.
    AboutScreen *openAbout();
    SettingsDialog *openSettings();
    // Modal over the worksheet screen.
    PrinterChooser *openPrinterChooser();

    // Closes every open screen.
    void closeAll();

Q_SIGNALS:
    // A screen's window (or dialog) was made, not when an open one is shown
    // again.
    void screenOpened(QWidget *window);
    // The settings changed (the voice, the class list, ...).
    void settingsChanged(const ProgramSettings &settings);

private:
    template<class T> T *track(QPointer<T> &open, T *window);
    DrillScreen *showDrill(DrillState &state);
    // Hands the current settings to what is made already.
    void handOutSettings();
    void giveVoice(DrillScreen *drill);

    FigureCatalogue m_figures;
    RandomSource m_random;
    PrintService m_printService;
    PrinterChooser::PrinterSource m_printerSource;
    DrillState m_drillState;
    Worksheet m_worksheet;
    PrinterChoice m_printerChoice;
    std::optional<ProgramSettings> m_settings;
    ResultsService *m_results = nullptr;
    std::unique_ptr<Voice> m_voice;
    // After what its jobs use: it finishes the job under way first.
    OutputThread m_outputThread;
    // Prints and files of the results screen; after the print service, so
    // that it waits for them before the service goes.
    std::unique_ptr<QThreadPool> m_output;

    QPointer<StartScreen> m_start;
    QPointer<DrillScreen> m_drill;
    QPointer<WorksheetScreen> m_worksheets;
    QPointer<AboutScreen> m_about;
    QPointer<PrinterChooser> m_printerChooser;
    QPointer<WhoAreYouScreen> m_whoAreYou;
    QPointer<ResultsScreen> m_resultsScreen;
    QPointer<SettingsDialog> m_settingsDialog;
    // Every window made, closed ones too until they are deleted: none may
    // outlive what it was given.
    std::vector<QPointer<QWidget>> m_windows;
};
