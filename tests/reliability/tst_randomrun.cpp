// SPDX-License-Identifier: GPL-3.0-or-later
// A long run of random user input across every screen of the program: mouse
// buttons on any element or point, keys, menu items, resizing, minimizing and
// restoring, opening and closing every screen, the printer chooser included.
// After every event the invariants of the program are checked. The run has a
// fixed seed and a fixed number of events, so a slow machine makes it slower,
// not shorter; the seed is printed first, GLI_TEST_SEED=<seed> replays a run
// and GLI_TEST_SEED=random draws a fresh one (the curtains' timer can still
// make a replay part ways after a while; the failure message lists the last
// events). GLI_RELIABILITY_EVENTS sets the length.

#include "Census.h"
#include "InputDriver.h"
#include "Watchers.h"
#include "TestSeed.h"

#include "drill/DrillScreen.h"
#include "printing/PrintService.h"
#include "printing/PrinterChooser.h"
#include "sets/RandomSource.h"
#include "pupils/ResultsScreen.h"
#include "pupils/WhoAreYouScreen.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "start/AboutScreen.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <random>

namespace {

enum class Action { Click, Point, Menu, Key, Resize, State, Close, Open, Activate, Choose, Wait };

struct Weighted
{
    Action action;
    int weight;
};

constexpr Weighted actions[] = {
    {Action::Click, 30},   {Action::Point, 8},   {Action::Menu, 5},  {Action::Key, 28},
    {Action::Resize, 6},   {Action::State, 6},   {Action::Close, 4}, {Action::Open, 10},
    {Action::Activate, 4}, {Action::Choose, 18}, {Action::Wait, 2},
};

struct KeyChoice
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};

const KeyChoice keys[] = {
    {Qt::Key_Tab, {}, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Return, {}, "Return"},
    {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
    {Qt::Key_Space, {}, "Space"},
    {Qt::Key_1, {}, "1"},
    {Qt::Key_2, {}, "2"},
    {Qt::Key_3, {}, "3"},
    {Qt::Key_1, Qt::KeypadModifier, "keypad 1"},
    {Qt::Key_2, Qt::KeypadModifier, "keypad 2"},
    {Qt::Key_3, Qt::KeypadModifier, "keypad 3"},
    {Qt::Key_F2, {}, "F2"},
    {Qt::Key_F3, {}, "F3"},
    {Qt::Key_Escape, {}, "Escape"},
    {Qt::Key_Down, {}, "Down"},
    {Qt::Key_Up, {}, "Up"},
    {Qt::Key_Left, {}, "Left"},
    {Qt::Key_A, {}, "A"},
};

const QStringList chooserPrinters = {
    QStringLiteral("gli-reliability-absent"),
    QStringLiteral("<b>gli</b> &amp; <i>reliability</i>"),
    QStringLiteral("gli reliability <br> third"),
};

// The run's fixed seed, unless the environment gives one.
constexpr quint64 fixedSeed = 1883983893998201734ULL;

int intFromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

QString describe(const QWidget *widget)
{
    if (!widget)
        return QStringLiteral("(gone)");
    const QString name = widget->objectName().isEmpty()
        ? QString::fromLatin1(widget->metaObject()->className())
        : widget->objectName();
    return QStringLiteral("%1 in \"%2\"").arg(name, widget->window()->windowTitle().trimmed());
}

} // namespace

class tst_RandomRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void randomInput();
    void cleanupTestCase();

private:
    Action pickAction();
    int below(int n)
    {
        return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(m_random));
    }
    bool chance(int percent) { return below(100) < percent; }
    Qt::MouseButton pickButton();
    QList<QWidget *> shownWindows(bool withMinimized) const;
    // A window to give input to: never a minimized one, which the user
    // cannot reach; with `forState` any shown one, to restore or close it.
    QWidget *pickWindow(bool forState = false);
    QString releaseHeld();

    QString act(Action action);
    QString actNow(Action action);
    QString click();
    QString point();
    QString menu();
    QString key();
    QString resize();
    QString state();
    QString close();
    QString open();
    QString activate();
    QString choose();
    QString wait();
    QString check();

    void leaveNestedLoop();

    struct HeldButton
    {
        QPointer<QWidget> target;
        Qt::MouseButton button = Qt::NoButton;
        QPoint pos;
    };
    struct HeldKey
    {
        QPointer<QWidget> window;
        Qt::Key key = Qt::Key_unknown;
        Qt::KeyboardModifiers modifiers;
    };

    // The program under test, for the whole run.
    Program m_program;
    std::mt19937_64 m_random;
    HeldButton m_heldButton;
    HeldKey m_heldKey;
    QMap<QString, int> m_openings;
    qint64 m_verdicts = 0;
    int m_modalEvents = 0;
    bool m_inAction = false;
    int m_escapes = 0;
    int m_questions = 0; // asked by the results screen
    QTimer m_escape;
    quint64 m_seed = 0;
    DrillWatch m_drill{m_program};
    WorksheetWatch m_worksheet{m_program};
    QStringList m_messages;
    QStringList m_log;
    QTemporaryDir m_files;
};

void tst_RandomRun::initTestCase()
{
    input::quietPlatformNotices();
    m_seed = testseed::fromEnvironment(fixedSeed);
    m_random.seed(m_seed);
    qInfo("seed %llu (replay with GLI_TEST_SEED=%llu, a fresh one with GLI_TEST_SEED=random)",
          static_cast<unsigned long long>(m_seed), static_cast<unsigned long long>(m_seed));

    // The program draws from a source seeded with the run's seed, and the
    // drill reads a clock that moves on by a fixed step at every reading, so
    // that a replay sees the same sets.
    m_program.random().seed(m_seed);
    m_program.drillState().drill.setClock([reading = qint64(0)]() mutable {
        reading += 370'000'000; // 0.37 s
        return reading;
    });

    // Closing the start screen ends a real run; here the run goes on and
    // the start screen is opened again, as a new start would.
    QApplication::setQuitOnLastWindowClosed(false);
    // Prints go nowhere and report their failure instead of blocking on a
    // message box; the chooser lists names that no print system holds.
    m_program.printService().setCurrentPrinter(chooserPrinters.first());
    m_program.setPrinterSource([] { return chooserPrinters; });
    // Saved sheets and class sets go into a folder of the run's own, named
    // at once instead of through a file dialog.
    QVERIFY(m_files.isValid());
    // Every screen counted from the start, each opening as it happens.
    for (const QMetaObject *screen :
         {&StartScreen::staticMetaObject, &DrillScreen::staticMetaObject,
          &WorksheetScreen::staticMetaObject, &PrinterChooser::staticMetaObject,
          &AboutScreen::staticMetaObject, &ResultsScreen::staticMetaObject})
        m_openings[QString::fromLatin1(screen->className())] = 0;
    connect(&m_program, &Program::screenOpened, this, [this](QWidget *screen) {
        ++m_openings[QString::fromLatin1(screen->metaObject()->className())];
        if (auto *sheet = qobject_cast<WorksheetScreen *>(screen)) {
            sheet->output().setMessageHandler(
                [this](const QString &text, const QString &) { m_messages << text; });
            sheet->output().setFileNameProvider(
                [this](QWidget *, const QString &proposed) { return m_files.filePath(proposed); });
        }
        if (auto *results = qobject_cast<ResultsScreen *>(screen)) {
            // Nothing of the run's results is deleted: every question is
            // answered "no".
            results->setQuestion([this](QWidget *, const QString &) {
                ++m_questions;
                return false;
            });
            results->setFileNameProvider(
                [this](QWidget *, const QString &, const QString &proposed) {
                    return m_files.filePath(proposed);
                });
        }
    });
    m_escape.setInterval(40);
    connect(&m_escape, &QTimer::timeout, this, &tst_RandomRun::leaveNestedLoop);
    m_program.openStart();
    input::settle();
}

// Some clicks open a menu that runs an event loop of its own until the user
// leaves it (the menu bar's button for items that do not fit). When an action
// has not come back after a while, the user presses Escape there.
void tst_RandomRun::leaveNestedLoop()
{
    if (!m_inAction)
        return;
    QWidget *popup = QApplication::activePopupWidget();
    if (!popup)
        return;
    ++m_escapes;
    input::keyClick(popup, Qt::Key_Escape);
    if (QApplication::activePopupWidget() == popup)
        popup->close();
}

void tst_RandomRun::cleanupTestCase()
{
    m_program.closeAll();
    input::settle();
    QCOMPARE(census::check(m_program), QString());
    QVERIFY(!m_program.startScreen() && !m_program.drillScreen() && !m_program.worksheetScreen()
            && !m_program.aboutScreen() && !m_program.printerChooser()
            && !m_program.whoAreYouScreen() && !m_program.resultsScreen());
}

Action tst_RandomRun::pickAction()
{
    int total = 0;
    for (const Weighted &w : actions)
        total += w.weight;
    int pick = below(total);
    for (const Weighted &w : actions) {
        if (pick < w.weight)
            return w.action;
        pick -= w.weight;
    }
    return Action::Wait;
}

Qt::MouseButton tst_RandomRun::pickButton()
{
    const int pick = below(100);
    return pick < 70 ? Qt::LeftButton : pick < 85 ? Qt::RightButton : Qt::MiddleButton;
}

QList<QWidget *> tst_RandomRun::shownWindows(bool withMinimized) const
{
    QList<QWidget *> windows;
    const QList<QWidget *> open{m_program.startScreen(),     m_program.drillScreen(),
                                m_program.worksheetScreen(), m_program.printerChooser(),
                                m_program.aboutScreen(),     m_program.whoAreYouScreen(),
                                m_program.resultsScreen()};
    for (QWidget *screen : open) {
        if (screen && screen->isVisible() && (withMinimized || !screen->isMinimized()))
            windows << screen;
    }
    return windows;
}

QWidget *tst_RandomRun::pickWindow(bool forState)
{
    // Under a modal screen the user mostly works in it; input to the
    // others is refused.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && !modal->isMinimized() && chance(75))
        return modal->window();
    QWidget *active = QApplication::activeWindow();
    if (active && (forState || !active->isMinimized()) && chance(60))
        return active->window();
    const QList<QWidget *> windows = shownWindows(forState);
    return windows.isEmpty() ? nullptr : windows.at(below(static_cast<int>(windows.size())));
}

// A button or key held down by an earlier event is let go before the next
// mouse or key event: users do not hold them for ever.
QString tst_RandomRun::releaseHeld()
{
    QString done;
    if (m_heldButton.target) {
        input::mouseRelease(m_heldButton.target, m_heldButton.button, m_heldButton.pos);
        done = QStringLiteral("release held button; ");
    }
    m_heldButton = {};
    if (m_heldKey.window) {
        input::keyRelease(m_heldKey.window, m_heldKey.key, m_heldKey.modifiers);
        done += QStringLiteral("release held key; ");
    }
    m_heldKey = {};
    input::settle();
    return done;
}

QString tst_RandomRun::act(Action action)
{
    QString held;
    if (action == Action::Click || action == Action::Point || action == Action::Menu
        || action == Action::Key || action == Action::Choose || action == Action::Open)
        held = releaseHeld();
    return held + actNow(action);
}

QString tst_RandomRun::actNow(Action action)
{
    switch (action) {
    case Action::Click:
        return click();
    case Action::Point:
        return point();
    case Action::Menu:
        return menu();
    case Action::Key:
        return key();
    case Action::Resize:
        return resize();
    case Action::State:
        return state();
    case Action::Close:
        return close();
    case Action::Open:
        return open();
    case Action::Activate:
        return activate();
    case Action::Choose:
        return choose();
    case Action::Wait:
        break;
    }
    return wait();
}

QString tst_RandomRun::click()
{
    QWidget *window = pickWindow();
    if (!window)
        return wait();
    QList<QWidget *> targets;
    const bool controlsOnly = chance(50);
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->width() <= 0 || w->height() <= 0)
            continue;
        if (controlsOnly && !qobject_cast<QAbstractButton *>(w) && !qobject_cast<QComboBox *>(w))
            continue;
        targets << w;
    }
    if (targets.isEmpty())
        return wait();
    QWidget *target = targets.at(below(static_cast<int>(targets.size())));
    // Only the part of the element that the window still shows can be hit.
    const QRect inWindow =
        QRect(target->mapTo(window, QPoint()), target->size()).intersected(window->rect());
    if (inWindow.isEmpty())
        return wait();
    const QPoint pos = target->mapFrom(
        window,
        QPoint(inWindow.x() + below(inWindow.width()), inWindow.y() + below(inWindow.height())));
    const Qt::MouseButton button = pickButton();
    const int how = below(10);
    const QString what = describe(target);
    if (how == 0) {
        // The press may close the window and delete the target with it.
        QPointer<QWidget> held(target);
        input::mousePress(target, button, pos);
        m_heldButton = {held, button, pos};
        return QStringLiteral("press and hold %1 on %2").arg(int(button)).arg(what);
    }
    if (how == 1) {
        input::mouseRelease(target, button, pos);
        return QStringLiteral("release %1 on %2").arg(int(button)).arg(what);
    }
    input::click(target, button, pos);
    return QStringLiteral("click %1 on %2 at %3,%4")
        .arg(int(button))
        .arg(what)
        .arg(pos.x())
        .arg(pos.y());
}

QString tst_RandomRun::point()
{
    QWidget *window = pickWindow();
    if (!window || window->width() <= 0 || window->height() <= 0)
        return wait();
    const QPoint pos(below(window->width()), below(window->height()));
    const Qt::MouseButton button = pickButton();
    const QString what = QStringLiteral("click %1 at %2,%3 of \"%4\"")
                             .arg(int(button))
                             .arg(pos.x())
                             .arg(pos.y())
                             .arg(window->windowTitle().trimmed());
    input::click(window, button, pos);
    return what;
}

QString tst_RandomRun::menu()
{
    auto *window = qobject_cast<QMainWindow *>(pickWindow());
    if (!window || !window->menuBar() || !window->menuBar()->isVisible())
        return wait();
    QMenuBar *bar = window->menuBar();
    const QList<QAction *> items = bar->actions();
    if (items.isEmpty())
        return wait();
    QAction *item = items.at(below(static_cast<int>(items.size())));
    const QRect place = bar->actionGeometry(item);
    if (place.isEmpty())
        return wait();
    const QString what =
        QStringLiteral("menu \"%1\" of \"%2\"").arg(item->text(), window->windowTitle().trimmed());
    input::click(bar, Qt::LeftButton, place.center());
    return what;
}

QString tst_RandomRun::key()
{
    QWidget *window = pickWindow();
    if (!window)
        return wait();
    const KeyChoice &k = keys[below(static_cast<int>(std::size(keys)))];
    const int how = below(10);
    const QString where = window->windowTitle().trimmed();
    if (how == 0) {
        QPointer<QWidget> held(window);
        input::keyPress(window, k.key, k.modifiers);
        m_heldKey = {held, k.key, k.modifiers};
        return QStringLiteral("key down and hold %1 in \"%2\"").arg(QLatin1String(k.name), where);
    }
    if (how == 1) {
        input::keyRelease(window, k.key, k.modifiers);
        return QStringLiteral("key up %1 in \"%2\"").arg(QLatin1String(k.name), where);
    }
    input::keyClick(window, k.key, k.modifiers);
    return QStringLiteral("key %1 in \"%2\"").arg(QLatin1String(k.name), where);
}

QString tst_RandomRun::resize()
{
    QWidget *window = pickWindow(true);
    if (!window)
        return wait();
    const QSize screen = window->screen()->availableGeometry().size();
    QSize size;
    switch (below(4)) {
    case 0:
        size = QSize(1 + below(60), 1 + below(60));
        break;
    case 1:
        size = QSize(1 + below(2 * screen.width()), 1 + below(2 * screen.height()));
        break;
    default:
        size = QSize(1 + below(screen.width()), 1 + below(screen.height()));
        break;
    }
    window->resize(size);
    return QStringLiteral("resize \"%1\" to %2x%3")
        .arg(window->windowTitle().trimmed())
        .arg(size.width())
        .arg(size.height());
}

QString tst_RandomRun::state()
{
    QWidget *window = pickWindow(true);
    if (!window)
        return wait();
    const QString title = window->windowTitle().trimmed();
    switch (below(3)) {
    case 0:
        window->showMinimized();
        return QStringLiteral("minimize \"%1\"").arg(title);
    case 1:
        window->showNormal();
        return QStringLiteral("restore \"%1\"").arg(title);
    default:
        window->showMaximized();
        return QStringLiteral("maximize \"%1\"").arg(title);
    }
}

QString tst_RandomRun::close()
{
    QWidget *window = pickWindow(true);
    // Closing the start screen ends everything: less often than the others.
    if (!window || (window == m_program.startScreen() && chance(70)))
        return wait();
    const QString title = window->windowTitle().trimmed();
    input::closeBox(window);
    return QStringLiteral("close box of \"%1\"").arg(title);
}

QString tst_RandomRun::open()
{
    StartScreen *startWindow = m_program.startScreen();
    if (!startWindow)
        return wait();
    // VAI, "Stampa schede", "About", "Seleziona stampante"; the modal about
    // screen least often, as it holds up everything else.
    const int roll = below(100);
    const int pick = roll < 50 ? 0 : roll < 75 ? 1 : roll < 85 ? 2 : 3;
    if (pick == 3) {
        WorksheetScreen *sheet = m_program.worksheetScreen();
        if (sheet && sheet->isVisible()) {
            QMenuBar *bar = sheet->menuBar();
            const QList<QAction *> items = bar->actions();
            if (!items.isEmpty()) {
                input::click(bar, Qt::LeftButton, bar->actionGeometry(items.first()).center());
                return QStringLiteral("menu \"Seleziona stampante\"");
            }
        }
    }
    if (pick == 0 || pick == 3) {
        auto *vai = startWindow->findChild<QWidget *>(QStringLiteral("Option1(0)"));
        if (!vai)
            return wait();
        input::click(vai, pickButton(), vai->rect().center());
        return QStringLiteral("VAI on the start screen");
    }
    QMenuBar *bar = startWindow->menuBar();
    const QList<QAction *> items = bar->actions();
    if (items.size() < 2)
        return wait();
    QAction *item = items.at(pick == 1 ? 0 : 1);
    const QString what = QStringLiteral("menu \"%1\" of the start screen").arg(item->text());
    input::click(bar, Qt::LeftButton, bar->actionGeometry(item).center());
    return what;
}

QString tst_RandomRun::activate()
{
    const QList<QWidget *> windows = shownWindows(true);
    if (windows.isEmpty())
        return wait();
    QWidget *window = windows.at(below(static_cast<int>(windows.size())));
    window->raise();
    window->activateWindow();
    return QStringLiteral("activate \"%1\"").arg(window->windowTitle().trimmed());
}

// The choices a child or a teacher makes most: an option of the drill or a
// button of the worksheet, with any mouse button, on a screen that may well
// be covered or blocked by another.
QString tst_RandomRun::choose()
{
    DrillScreen *drill = m_program.drillScreen();
    WorksheetScreen *sheet = m_program.worksheetScreen();
    const bool drillShown = drill && drill->isVisible() && !drill->isMinimized();
    const bool sheetShown = sheet && sheet->isVisible() && !sheet->isMinimized();
    if (!drillShown && !sheetShown)
        return open();
    if (QApplication::activeModalWidget() && chance(70))
        return click();
    QWidget *target = nullptr;
    if (drillShown && (!sheetShown || chance(60))) {
        // Signs and VERIFICA most, so that answers get judged.
        const int roll = below(100);
        const int option = roll < 45 ? below(3) : roll < 75 ? 3 : 4 + below(2);
        target = drill->findChild<QWidget *>(QStringLiteral("Option1(%1)").arg(option));
    } else {
        const char *names[] = {"CmdInsieme1", "cmdInsieme2", "cmdInsieme3", "cmdInsieme4",
                               "Command1",    "Command2",    "CmdFine"};
        // STAMPA and ESCI less than the others.
        const int roll = below(100);
        const int pick = roll < 80 ? (roll < 67 ? below(4) : 5) : roll < 90 ? 4 : 6;
        target = sheet->findChild<QWidget *>(QString::fromLatin1(names[pick]));
    }
    if (!target || !target->isVisible())
        return wait();
    const Qt::MouseButton button = pickButton();
    const QString what = describe(target);
    input::click(target, button,
                 QPoint(below(qMax(1, target->width())), below(qMax(1, target->height()))));
    return QStringLiteral("choose %1 with %2").arg(what).arg(int(button));
}

QString tst_RandomRun::wait()
{
    const int ms = 1 + below(25);
    QTest::qWait(ms);
    return QStringLiteral("wait %1 ms").arg(ms);
}

QString tst_RandomRun::check()
{
    for (const QString &problem :
         {census::check(m_program), m_drill.checkStep(), m_drill.checkView(),
          m_worksheet.checkStep(), m_worksheet.checkView(), smallScreens::checkStart(m_program),
          smallScreens::checkChooser(m_program, chooserPrinters)}) {
        if (!problem.isEmpty())
            return problem;
    }
    for (const QString &message : std::as_const(m_messages)) {
        if (message != QStringLiteral("Problema di stampa nella stampante utilizzata."))
            return QStringLiteral("unexpected message \"%1\"").arg(message);
    }
    return {};
}

void tst_RandomRun::randomInput()
{
    const int events = intFromEnvironment("GLI_RELIABILITY_EVENTS", 8000);
    QElapsedTimer clock;
    clock.start();
    std::array<int, std::size(actions)> done{};
    int event = 0;
    for (; event < events; ++event) {
        if (!m_program.startScreen()) {
            m_program.openStart();
            input::settle();
            m_log << QStringLiteral("start screen opened again");
        }
        m_drill.take();
        m_worksheet.take();
        const ScoreTiming &score = m_program.drillState().drill.score();
        const qint64 judged = score.right() + score.wrong();
        const Action action = pickAction();
        if (QApplication::activeModalWidget())
            ++m_modalEvents;
        m_inAction = true;
        m_escape.start();
        m_log << QStringLiteral("%1: %2").arg(event).arg(act(action));
        m_inAction = false;
        m_escape.stop();
        input::settle();
        ++done[static_cast<std::size_t>(action)];
        m_verdicts += score.right() + score.wrong() - judged;
        if (m_log.size() > 30)
            m_log.removeFirst();

        const QString problem = check();
        if (!problem.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, event %2: %3\nlast events:\n  %4")
                                 .arg(m_seed)
                                 .arg(event)
                                 .arg(problem, m_log.join(QStringLiteral("\n  ")))));
        }
    }
    QStringList openings;
    for (auto it = m_openings.cbegin(); it != m_openings.cend(); ++it)
        openings << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("%d events in %lld ms, %d of them under a modal screen; openings: %s; %lld verdicts; "
          "%d print failures reported; %d menus left with Escape; %d questions answered no",
          event, static_cast<long long>(clock.elapsed()), m_modalEvents,
          qPrintable(openings.join(QStringLiteral(", "))), static_cast<long long>(m_verdicts),
          static_cast<int>(m_messages.size()), m_escapes, m_questions);
    // The run is only worth something when it went through every screen
    // (a run shortened below 1000 events may not).
    if (event >= 1000) {
        for (auto it = m_openings.cbegin(); it != m_openings.cend(); ++it)
            QVERIFY2(it.value() > 0, qPrintable(it.key() + QStringLiteral(" never opened")));
        QVERIFY2(m_verdicts > 0, "no answer was ever judged");
    }
    for (const Weighted &w : actions)
        QVERIFY2(done[static_cast<std::size_t>(w.action)] > 0 || event < 200,
                 "an action never ran");
}

QTEST_MAIN(tst_RandomRun)
#include "tst_randomrun.moc"
