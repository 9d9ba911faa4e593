// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a real X server with a window manager (the private desktop
// of scripts/desktop.sh), driven with real X input, for what the offscreen
// platform cannot show: a person's double click on the output controls
// starts one job, a drill restored by the window manager takes its design
// size with its title bar on the screen, the modal About stays above the
// start screen, and the red cross shows on a maximized drill. Each step
// sequence repeats, so that a race that shows once in ten is caught.
#include "DesktopDriver.h"
#include "PrintTestSystem.h"

#include "drill/DrillScreen.h"
#include "shell/Elements.h"
#include "start/AboutScreen.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"

#include <QApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace desktoptest;

namespace {
// Two presses of a double click, as a mouse sends them.
constexpr int doubleClickDelayMs = 80;
constexpr int doubleClickTries = 10;
constexpr int restoreTries = 30;
constexpr int aboutTries = 10;
constexpr int settleMs = 10000;

template<class T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

QPoint menuItemCentre(QWidget *window, const char *name)
{
    auto *bar = window->findChild<QMenuBar *>();
    QAction *item = child<QAction>(window, name);
    return bar->mapToGlobal(bar->actionGeometry(item).center());
}

// Shown, not minimized, and the window manager has it.
bool isUp(const QWidget *window)
{
    return window && window->isVisible() && !window->isMinimized()
        && !managerState(window).contains(QStringLiteral("_NET_WM_STATE_HIDDEN"));
}
// Shown, and maximized as the window manager says.
bool isUpMaximized(const QWidget *window)
{
    return isUp(window)
        && managerState(window).contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"));
}
} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void aDoubleClickStartsOneJob_data();
    void aDoubleClickStartsOneJob();
    void twoClicksFurtherApartStartTwoJobs();
    void restoredDrillTakesItsDesignSize_data();
    void restoredDrillTakesItsDesignSize();
    void modalAboutStaysAboveTheStartScreen();
    void redCrossShowsOnAMaximizedDrill();

private:
    StartScreen &start() { return *m_program->startScreen(); }
    WorksheetScreen &openSheet();
    // "VAI" on the start screen, with a real click.
    bool pressVai() { return click(centreOf(child<QPushButton>(&start(), "Option1(0)"))); }
    // Clicks at a point, count times; the jobs (or saves) that followed
    // once every press is in and every job has ended.
    int jobsAfterClicks(QPoint point, int count, int delayMs);
    bool drillHasItsDesignSize(QString *why) const;

    std::unique_ptr<Program> m_program;
    std::unique_ptr<QTemporaryDir> m_files;
    QStringList m_messages;
    int m_saves = 0;
    QElapsedTimer m_sinceClick; // since the last click that could start a job
};

void TestDesktop::initTestCase()
{
    const QString why = unavailable();
    if (!why.isEmpty())
        QSKIP(qPrintable(why));
    printtest::isolate();
}

void TestDesktop::init()
{
    m_program = std::make_unique<Program>();
    m_files = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    m_saves = 0;
    m_sinceClick.start();
    m_program->openStart();
    QVERIFY(QTest::qWaitForWindowExposed(&start()));
    // The options answer once the curtains have opened.
    QVERIFY(QTest::qWaitFor([this] { return !start().isCurtainTimerEnabled(); }, settleMs));
}

void TestDesktop::cleanup()
{
    if (!m_program)
        return;
    m_program->closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_program.reset();
    QVERIFY(printtest::unavailable().isEmpty() ? printtest::waitForEveryJobToEnd() : true);
}

WorksheetScreen &TestDesktop::openSheet()
{
    m_program->printService().setCurrentPrinter(printtest::defaultQueue);
    WorksheetScreen *sheet = m_program->openWorksheets();
    sheet->output().setMessageHandler(
        [this](const QString &text, const QString &) { m_messages.append(text); });
    sheet->output().setFileNameProvider([this](QWidget *, const QString &) {
        ++m_saves;
        return m_files->filePath(QStringLiteral("sheet-%1.pdf").arg(m_saves));
    });
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(sheet);
    (void)QTest::qWaitFor([sheet] { return sheet->isActiveWindow(); }, settleMs);
    return *sheet;
}

int TestDesktop::jobsAfterClicks(QPoint point, int count, int delayMs)
{
    // A press of its own, not the second of the last click's double click.
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    (void)QTest::qWaitFor([&] { return m_sinceClick.elapsed() > interval; }, settleMs);
    const QList<int> before = printtest::jobs();
    const int savesBefore = m_saves;
    if (!click(point, count, delayMs))
        return -1;
    m_sinceClick.start();
    // Every press is in once the output controls are back on.
    WorksheetScreen *sheet = m_program->worksheetScreen();
    (void)QTest::qWaitFor([sheet] { return child<QPushButton>(sheet, "Command1")->isEnabled(); },
                          settleMs);
    if (!printtest::waitForEveryJobToEnd())
        return -1;
    int made = m_saves - savesBefore;
    for (const int job : printtest::jobs())
        made += !before.contains(job);
    return made;
}

void TestDesktop::aDoubleClickStartsOneJob_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("STAMPA") << QStringLiteral("Command1");
    QTest::newRow("Salva PDF...") << QStringLiteral("mnuSalvaPdf");
    QTest::newRow("Stampa of the class set") << QStringLiteral("cmdStampa");
}

void TestDesktop::aDoubleClickStartsOneJob()
{
    QFETCH(QString, control);
    const bool printing = control != QStringLiteral("mnuSalvaPdf");
    if (printing && !printtest::unavailable().isEmpty())
        QSKIP(qPrintable(printtest::unavailable()));
    WorksheetScreen &sheet = openSheet();
    int wrong = 0;
    QStringList made;
    for (int attempt = 0; attempt < doubleClickTries; ++attempt) {
        QPoint point;
        if (control == QStringLiteral("Command1")) {
            point = centreOf(child<QPushButton>(&sheet, "Command1"));
        } else if (control == QStringLiteral("mnuSalvaPdf")) {
            point = menuItemCentre(&sheet, "mnuSalvaPdf");
        } else {
            QVERIFY(click(menuItemCentre(&sheet, "mnuClasse")));
            QVERIFY(QTest::qWaitFor([&] { return sheet.output().classSetDialog(); }, settleMs));
            ClassSetDialog *dialog = sheet.output().classSetDialog();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            child<QSpinBox>(dialog, "spnNumeroSchede")->setValue(2);
            point = centreOf(child<QPushButton>(dialog, "cmdStampa"));
        }
        const int jobs = jobsAfterClicks(point, 2, doubleClickDelayMs);
        made.append(QString::number(jobs));
        wrong += jobs != 1;
    }
    QVERIFY2(wrong == 0,
             qPrintable(QStringLiteral("jobs made by each of %1 double clicks: %2")
                            .arg(doubleClickTries)
                            .arg(made.join(u' '))));
    QCOMPARE(m_messages, QStringList());
}

void TestDesktop::twoClicksFurtherApartStartTwoJobs()
{
    if (!printtest::unavailable().isEmpty())
        QSKIP(qPrintable(printtest::unavailable()));
    WorksheetScreen &sheet = openSheet();
    const int apart = QGuiApplication::styleHints()->mouseDoubleClickInterval() + 200;
    QCOMPARE(jobsAfterClicks(centreOf(child<QPushButton>(&sheet, "Command1")), 2, apart), 2);
    QCOMPARE(m_messages, QStringList());
}

bool TestDesktop::drillHasItsDesignSize(QString *why) const
{
    DrillScreen *drill = m_program->drillScreen();
    const QRect available = drill->screen()->availableGeometry();
    const QRect frame = drill->frameGeometry();
    const QStringList state = managerState(drill);
    why->clear();
    QDebug(why).nospace() << "client " << drill->client()->size() << ", frame " << frame
                          << ", Qt state " << drill->windowState() << ", window manager: " << state;
    const QSize design = Screen::scale().size(11880, 8550); // the drill's design size
    return !drill->isMaximized() && !state.contains(QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"))
        && drill->client()->size() == design && available.contains(frame)
        && frame.top() > available.top();
}

void TestDesktop::restoredDrillTakesItsDesignSize_data()
{
    QTest::addColumn<bool>("minimizeFirst");
    QTest::addColumn<bool>("byTheProgram");
    QTest::newRow("minimized, shown again by VAI, restored by the window manager") << true << false;
    QTest::newRow("restored by the window manager") << false << false;
    QTest::newRow("minimized, shown again by VAI, restored by the program") << true << true;
}

void TestDesktop::restoredDrillTakesItsDesignSize()
{
    QFETCH(bool, minimizeFirst);
    QFETCH(bool, byTheProgram);
    // One try: empty when the drill came back at its design size, else what
    // was seen.
    const auto restore = [&]() -> QString {
        DrillScreen *drill = m_program->drillScreen();
        if (minimizeFirst) {
            if (!minimize(drill) || !QTest::qWaitFor([&] { return !isUp(drill); }, settleMs))
                return QStringLiteral("the window manager did not minimize the drill");
            // The window manager's command follows as soon as the window
            // manager shows the drill again, maximized or already restored.
            QString shown;
            if (!pressVai()
                || !QTest::qWaitFor(
                    [&] { return isUpMaximized(drill) || drillHasItsDesignSize(&shown); },
                    settleMs))
                return QStringLiteral("VAI did not show the minimized drill again");
        }
        if (byTheProgram)
            drill->showNormal();
        else if (!removeMaximized(drill))
            return QStringLiteral("the window manager did not take the command");
        QString why;
        // The window manager's word and the window agree, and stay so when
        // asked once more.
        const bool settled = QTest::qWaitFor([&] { return drillHasItsDesignSize(&why); }, settleMs)
            && drillHasItsDesignSize(&why);
        return settled ? QString() : why;
    };
    QStringList failures;
    for (int attempt = 0; attempt < restoreTries; ++attempt) {
        // Opened by VAI, maximized as the program opens it.
        QVERIFY(pressVai());
        QVERIFY(QTest::qWaitFor([&] { return isUpMaximized(m_program->drillScreen()); }, settleMs));
        const QString failure = restore();
        if (!failure.isEmpty())
            failures.append(QStringLiteral("try %1: %2").arg(attempt + 1).arg(failure));
        m_program->drillScreen()->close();
        QVERIFY(QTest::qWaitFor([&] { return !m_program->drillScreen(); }, settleMs));
    }
    // Qt's window-system layer now and then keeps a stale geometry or misses
    // a state change under a busy window manager (see docs/reliability.md):
    // one such try in a row is reported, a second is a fault of the program.
    if (failures.size() == 1)
        qWarning("one try of %d did not settle: %s", restoreTries, qPrintable(failures.first()));
    QVERIFY2(failures.size() <= 1, qPrintable(failures.join(QStringLiteral("; "))));
}

void TestDesktop::modalAboutStaysAboveTheStartScreen()
{
    for (int attempt = 0; attempt < aboutTries; ++attempt) {
        QVERIFY(click(menuItemCentre(&start(), "mnuInfo")));
        QVERIFY(QTest::qWaitFor([&] { return isUp(m_program->aboutScreen()); }, settleMs));
        AboutScreen *about = m_program->aboutScreen();
        const unsigned long aboutId = about->winId();
        const unsigned long startId = start().winId();
        // A click on the start screen beside the about screen.
        const QRect aboutFrame = about->frameGeometry();
        QVERIFY(click(QPoint(start().geometry().left() + 40, aboutFrame.center().y())));
        const auto aboveAndActive = [&] {
            const QList<unsigned long> order = stacking();
            return order.indexOf(aboutId) > order.indexOf(startId) && order.contains(startId)
                && activeWindow() == aboutId;
        };
        QVERIFY2(QTest::qWaitFor(aboveAndActive, settleMs) && aboveAndActive(),
                 qPrintable(QStringLiteral("try %1: the about screen is not above the start "
                                           "screen with the focus")
                                .arg(attempt + 1)));
        about->close();
        QVERIFY(QTest::qWaitFor([&] { return !m_program->aboutScreen(); }, settleMs));
    }
}

void TestDesktop::redCrossShowsOnAMaximizedDrill()
{
    QVERIFY(pressVai());
    QVERIFY(QTest::qWaitFor([&] { return isUp(m_program->drillScreen()); }, settleMs));
    DrillScreen *drill = m_program->drillScreen();
    QVERIFY(QTest::qWaitFor(
        [&] { return isUpMaximized(drill) && drill->frameGeometry().height() > 1000; }, settleMs));
    // A wrong sign, chosen and verified with real clicks.
    const RelationDrill &rules = drill->drill();
    const int wrong = rules.leftSize() < rules.rightSize() ? RelationDrill::optGreater
                                                           : RelationDrill::optLess;
    QVERIFY(click(
        centreOf(child<QPushButton>(drill, qPrintable(QStringLiteral("Option1(%1)").arg(wrong))))));
    QVERIFY(click(centreOf(child<QPushButton>(
        drill, qPrintable(QStringLiteral("Option1(%1)").arg(RelationDrill::optVerify))))));
    auto *stroke = child<LineElement>(drill, "Line1");
    QVERIFY(QTest::qWaitFor([&] { return stroke->isVisible(); }, settleMs));

    // What the X server shows along the stroke, a quarter and three
    // quarters of the way: red.
    const auto redAlongTheStroke = [&] {
        const QPixmap shot = drill->screen()->grabWindow(0);
        const QImage image = shot.toImage();
        for (const qreal t : {0.25, 0.75}) {
            const QPointF local = stroke->from() + (stroke->to() - stroke->from()) * t;
            const QPoint global = stroke->parentWidget()->mapToGlobal(local.toPoint());
            const QColor seen = image.pixelColor(global);
            if (seen.red() < 200 || seen.green() > 60 || seen.blue() > 60)
                return false;
        }
        return true;
    };
    QVERIFY2(QTest::qWaitFor(redAlongTheStroke, settleMs), "no red cross on the screen");
}

int main(int argc, char **argv)
{
    useDesktop();
    QApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
