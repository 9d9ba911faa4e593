// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/Program.h"

#include "pupils/ResultsScreen.h"
#include "pupils/WhoAreYouScreen.h"
#include "settings/ServerSection.h"
#include "settings/SettingsDialog.h"
#include "start/AboutScreen.h"
#include "start/StartScreen.h"
#include "sound/Voice.h"
#include "storage/AnswerRecord.h"
#include "storage/ResultsService.h"
#include "storage/ServerResults.h"
#include "storage/ServerSettings.h"
#include "worksheets/WorksheetScreen.h"

#include <QSettings>
#include <QThreadPool>

#include <algorithm>

namespace {
// A pupil's own drill state lives as long as the drill screen made for it:
// it is the screen's last child, deleted after everything that uses it.
class PupilDrillState : public QObject
{
public:
    PupilDrillState(RandomSource &random, const QString &pupil) : state(random, pupil) {}
    DrillState state;
};
} // namespace

Program::Program(QObject *parent)
    : QObject(parent),
      m_drillState(m_random),
      m_worksheet(m_random),
      m_output(std::make_unique<QThreadPool>())
{
    m_output->setMaxThreadCount(1);
    m_random.reseedFromClock();
}

const ProgramSettings &Program::settings()
{
    if (!m_settings) {
        m_settings = ProgramSettings::load();
        handOutSettings();
    }
    return *m_settings;
}

DrillState &Program::drillState()
{
    settings(); // its level
    return m_drillState;
}

Worksheet &Program::worksheet()
{
    settings(); // its level
    return m_worksheet;
}

ResultsService &Program::results()
{
    // The school's server when the settings name one (the room's file
    // under the system's configuration, or the teacher's), else the file.
    if (!m_results)
        m_results = makeResultsService(ServerSettings::read(*ProgramSettings::store()), this);
    return *m_results;
}

void Program::applyServer(const ServerSettings &server)
{
    std::unique_ptr<QSettings> settings = ProgramSettings::store();
    if (ServerSettings::read(*settings) == server)
        return;
    server.write(*settings);
    settings->sync();
    // The results live elsewhere from now: the screen that shows the old
    // ones closes, and the old service goes once it has kept what it holds.
    if (m_resultsScreen)
        m_resultsScreen->close();
    if (m_results) {
        m_results->deleteLater();
        m_results = nullptr;
    }
}

WhoAreYouScreen *Program::whoAreYouScreen() const
{
    return m_whoAreYou;
}

ResultsScreen *Program::resultsScreen() const
{
    return m_resultsScreen;
}

Program::~Program()
{
    for (const QPointer<QWidget> &window : m_windows)
        delete window.data();
}

Voice &Program::voice()
{
    if (!m_voice) {
        m_voice = std::make_unique<Voice>();
        m_voice->setEnabled(settings().voice);
    }
    return *m_voice;
}

StartScreen *Program::startScreen() const
{
    return m_start;
}

WorksheetScreen *Program::worksheetScreen() const
{
    return m_worksheets;
}

AboutScreen *Program::aboutScreen() const
{
    return m_about;
}

SettingsDialog *Program::settingsDialog() const
{
    return m_settingsDialog;
}

void Program::applySettings(const ProgramSettings &settings)
{
    settings.save();
    m_settings = settings;
    handOutSettings();
    Q_EMIT settingsChanged(*m_settings);
}

void Program::handOutSettings()
{
    const ProgramSettings &now = *m_settings;
    m_drillState.drill.setLevel(now.level);
    // A pupil's drill open now has a state of its own.
    if (m_drill)
        m_drill->drill().setLevel(now.level);
    m_worksheet.setLevel(now.level);
    if (m_voice)
        m_voice->setEnabled(now.voice);
}

void Program::setPrinterSource(PrinterChooser::PrinterSource source)
{
    m_printerSource = std::move(source);
}

template<class T> T *Program::track(QPointer<T> &open, T *window)
{
    std::erase_if(m_windows, [](const QPointer<QWidget> &w) { return w.isNull(); });
    m_windows.emplace_back(window);
    open = window;
    // Closed, it no longer counts as open, though it is deleted only later.
    connect(window, &T::closed, this, [&open, window] {
        if (open == window)
            open = nullptr;
    });
    Q_EMIT screenOpened(window);
    return window;
}

StartScreen *Program::openStart()
{
    if (!m_start) {
        auto *start = track(m_start, new StartScreen);
        connect(start, &StartScreen::drillRequested, this, &Program::startDrill);
        connect(start, &StartScreen::worksheetsRequested, this, &Program::openWorksheets);
        connect(start, &StartScreen::aboutRequested, this, &Program::openAbout);
        connect(start, &StartScreen::resultsRequested, this, &Program::openResults);
        connect(start, &StartScreen::settingsRequested, this, &Program::openSettings);
        connect(start, &Screen::closed, this, &Program::closeAll);
    }
    m_start->present();
    return m_start;
}

void Program::startDrill()
{
    if (m_drill || settings().pupils.isEmpty())
        openDrill();
    else
        openWhoAreYou();
}

DrillScreen *Program::openDrill()
{
    return showDrill(drillState());
}

DrillScreen *Program::openPupilDrill(const QString &pupil)
{
    if (m_drill) {
        m_drill->present();
        return m_drill;
    }
    auto *own = new PupilDrillState(m_random, pupil);
    own->state.drill.setLevel(settings().level);
    DrillScreen *drill = showDrill(own->state);
    own->setParent(drill);
    return drill;
}

DrillScreen *Program::showDrill(DrillState &state)
{
    if (!m_drill) {
        auto *drill = track(m_drill, new DrillScreen(m_figures, state));
        giveVoice(drill);
        // Every verdict is kept, under the pupil's name or as a guest's.
        const QString pupil = state.pupil;
        connect(drill, &DrillScreen::answerJudged, this,
                [this, drill, pupil](int left, int right, RelationDrill::Sign chosen, bool correct,
                                     double seconds) {
                    const QString sign = RelationDrill::text(chosen);
                    const int level = sets::levelValue(drill->drill().level());
                    results().save(AnswerRecord::now(pupil, settings().className, level, left,
                                                     right, sign.isEmpty() ? QChar() : sign.front(),
                                                     correct, seconds));
                });
    }
    m_drill->present();
    return m_drill;
}

WhoAreYouScreen *Program::openWhoAreYou()
{
    if (!m_whoAreYou) {
        auto *who = track(m_whoAreYou, new WhoAreYouScreen(settings().pupils));
        connect(who, &WhoAreYouScreen::pupilChosen, this, &Program::openPupilDrill);
        connect(who, &WhoAreYouScreen::guestChosen, this, &Program::openDrill);
    }
    m_whoAreYou->present();
    return m_whoAreYou;
}

ResultsScreen *Program::openResults()
{
    if (!m_resultsScreen)
        track(m_resultsScreen,
              new ResultsScreen(results(), m_printService, *m_output, settings().className));
    m_resultsScreen->present();
    return m_resultsScreen;
}

namespace {
phrases::Relation relation(RelationDrill::Sign sign)
{
    return sign == RelationDrill::Sign::Less ? phrases::Relation::Less
        : sign == RelationDrill::Sign::Equal ? phrases::Relation::Equal
                                             : phrases::Relation::Greater;
}
} // namespace

// The voice says what the drill shows; whatever comes next cuts off what is
// still being said, and so does closing the drill.
void Program::giveVoice(DrillScreen *drill)
{
    Voice &v = voice();
    // The clips are in the language of the screen's texts.
    v.setLanguage(tr("it", "language code of the drill's voice"));
    connect(drill, &DrillScreen::exerciseShown, &v, &Voice::sayQuestion);
    connect(drill, &DrillScreen::replayRequested, &v, &Voice::sayQuestion);
    connect(drill, &DrillScreen::signChosen, &v, [&v](RelationDrill::Sign sign) {
        if (sign != RelationDrill::Sign::None)
            v.saySign(relation(sign));
    });
    connect(drill, &DrillScreen::answerJudged, &v,
            [&v](int left, int right, RelationDrill::Sign, bool correct, double) {
                v.sayVerdict(correct, left, right);
            });
    connect(drill, &DrillScreen::closing, &v, &Voice::stop);
    // Its first exercise was drawn before anyone listened.
    v.sayQuestion();
}

WorksheetScreen *Program::openWorksheets()
{
    if (!m_worksheets) {
        auto *worksheets = track(
            m_worksheets,
            new WorksheetScreen(m_figures, worksheet(), m_printService, m_random, m_outputThread));
        connect(worksheets, &WorksheetScreen::printerChooserRequested, this,
                &Program::openPrinterChooser);
    }
    m_worksheets->present();
    return m_worksheets;
}

AboutScreen *Program::openAbout()
{
    if (!m_about)
        track(m_about, new AboutScreen(m_start));
    m_about->present();
    return m_about;
}

SettingsDialog *Program::openSettings()
{
    if (!m_start)
        return nullptr;
    if (!m_settingsDialog) {
        m_settingsDialog = new SettingsDialog(settings(), m_start);
        connect(m_settingsDialog, &QDialog::finished, m_settingsDialog, &QObject::deleteLater);
        connect(m_settingsDialog, &SettingsDialog::settingsChanged, this, &Program::applySettings);
        auto *server = new ServerSection(m_settingsDialog);
        server->setServer(ServerSettings::read(*ProgramSettings::store()));
        m_settingsDialog->addSection(tr("Server dei risultati"), server);
        connect(m_settingsDialog, &QDialog::accepted, this,
                [this, server] { applyServer(server->server()); });
    }
    m_settingsDialog->show();
    m_settingsDialog->raise();
    m_settingsDialog->activateWindow();
    return m_settingsDialog;
}

PrinterChooser *Program::openPrinterChooser()
{
    if (!m_printerChooser) {
        auto installed = [this] {
            return m_printerSource ? m_printerSource() : m_printService.printers();
        };
        auto *chooser = track(m_printerChooser,
                              new PrinterChooser(m_worksheets, m_printerChoice, installed,
                                                 m_printService.currentPrinter()));
        connect(chooser, &PrinterChooser::printerPicked, this,
                [this](const QString &name) { m_printService.setCurrentPrinter(name); });
    }
    m_printerChooser->present();
    return m_printerChooser;
}

void Program::closeAll()
{
    // Read one at a time: the start screen's closing comes back here and
    // closes the others first.
    const auto closeIfOpen = [](QWidget *window) {
        if (window)
            window->close();
    };
    closeIfOpen(m_start);
    closeIfOpen(m_drill);
    closeIfOpen(m_worksheets);
    closeIfOpen(m_about);
    closeIfOpen(m_printerChooser);
    closeIfOpen(m_whoAreYou);
    closeIfOpen(m_resultsScreen);
    if (m_settingsDialog)
        m_settingsDialog->reject();
}
