// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen and the about screen driven like a user does: clicks,
// held keys, resizes, minimizing, the modal about screen, closing.
#include "drill/DrillScreen.h"
#include "shell/Elements.h"
#include "shell/LayoutKeys.h"
#include "start/AboutScreen.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "worksheets/WorksheetScreen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace {
std::unique_ptr<Program> program;

StartScreen &start()
{
    return *program->startScreen();
}

QPushButton *option(Screen &screen, int i)
{
    return screen.findChild<QPushButton *>(QStringLiteral("Option1(%1)").arg(i));
}

void sendKey(QWidget *w, QEvent::Type type, Qt::Key key, const QString &text, bool repeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, text, repeat);
    QApplication::sendEvent(w, &event);
}

bool waitForCurtains()
{
    return QTest::qWaitFor([] { return !start().isCurtainTimerEnabled(); }, 10000);
}

QWidget *topLevel(const QString &name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto found = std::find_if(all.cbegin(), all.cend(),
                                    [&](QWidget *w) { return w->objectName() == name; });
    return found == all.cend() ? nullptr : *found;
}

// Shows the drill or the worksheet screen as the child and the teacher do.
void openFromStart(const QString &name)
{
    if (name == QStringLiteral("frmOperativo3"))
        QTest::mouseClick(option(start(), 0), Qt::LeftButton);
    else
        start().window()->findChild<QAction *>("mnuStampaSchede")->trigger();
}
} // namespace

class TestStartScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensMaximizedWithItsTexts();
    void curtainsOpenAndCloseAgainOnResize();
    void minimizeAndRestore();
    void restoredScreensTakeTheirDesignSize_data();
    void restoredScreensTakeTheirDesignSize();
    void restoredAfterAReshowTakesTheDesignSize();
    void optionFocusColours();
    void mouseButtonsAllChoose_data();
    void mouseButtonsAllChoose();
    void heldEnterOpensTheDrillOnce();
    void latchStaysSetWhenEnterOpensAnotherScreen();
    void keysThatOnlyMoveOrAreSwallowed();
    void digitKeysByTheirPlace_data();
    void digitKeysByTheirPlace();
    void vaiTwiceGivesOneDrill();
    void aboutIsModalAndFreshEachTime();
    void menuOpensTheWorksheetScreenOnce();
    void closingStartClosesEverything();
};

void TestStartScreen::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
}

void TestStartScreen::init()
{
    program = std::make_unique<Program>();
    QVERIFY(QTest::qWaitForWindowExposed(program->openStart()));
}

void TestStartScreen::cleanup()
{
    program->closeAll();
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program.reset();
}

void TestStartScreen::opensMaximizedWithItsTexts()
{
    QMainWindow *w = &start();
    QCOMPARE(w->windowTitle(), QStringLiteral("GLI INSIEMI"));
    QVERIFY(w->isMaximized());
    const QRect available = w->screen()->availableGeometry();
    QCOMPARE(w->frameGeometry().size(), available.size());

    QCOMPARE(start().findChild<QLabel *>("lblVersione")->text(), QStringLiteral("Vers.  1.0.0"));
    QCOMPARE(start().findChild<QLabel *>("Label4")->text(), QStringLiteral("VELMORA"));
    QCOMPARE(start().findChild<QLabel *>("Label3")->text(),
             QStringLiteral("SOLO    MOUSE    PER UN CORRETTO FUNZIONAMENTO"));
    QCOMPARE(option(start(), 0)->text(), QStringLiteral("VAI"));
    QCOMPARE(option(start(), 1)->text(), QStringLiteral("ESCI"));
    QVERIFY(start().findChild<QAction *>("mnuStampaSchede"));
    QVERIFY(start().findChild<QAction *>("mnuInfo"));

    // Every element scaled to the maximized client area.
    QWidget *client = start().client();
    const double sx = client->width() / (11910 * 96.0 / 1440.0);
    QWidget *frame = start().findChild<QWidget *>("Frame1");
    QVERIFY(qAbs(frame->x() - 6270 / 15.0 * sx) <= 1.0);
    QVERIFY(qAbs(frame->width() - 5385 / 15.0 * sx) <= 1.0);
}

void TestStartScreen::curtainsOpenAndCloseAgainOnResize()
{
    QWidget *left = start().findChild<QWidget *>("Picture1");
    QWidget *right = start().findChild<QWidget *>("Picture2");
    QWidget *client = start().client();
    // Closed at first: together they cover the client area.
    QVERIFY(start().isCurtainTimerEnabled());
    QVERIFY(left->width() + right->width() >= client->width() - 10);
    QVERIFY(waitForCurtains());
    QVERIFY(left->width() <= 1);
    QCOMPARE(right->width(), 0);
    QCOMPARE(right->geometry().right() + 1, client->width());

    // A resize closes them again; they open again rather than stay shut.
    start().showNormal();
    // Restored, it takes its design client size, centred.
    QTRY_COMPARE(client->size(), QSize(794, 552));
    QCOMPARE(start().geometry().center(), start().screen()->availableGeometry().center());
    QVERIFY(left->width() >= client->width() / 2 - 2);
    QVERIFY(waitForCurtains());
    start().resize(900, 700);
    QTRY_VERIFY(client->width() < 1000);
    QVERIFY(left->width() >= client->width() / 2 - 2);
    QCOMPARE(left->height(), client->height());
    QVERIFY(start().isCurtainTimerEnabled());
    QVERIFY(waitForCurtains());
    QVERIFY(left->width() <= 1);
}

void TestStartScreen::minimizeAndRestore()
{
    QVERIFY(waitForCurtains());
    QWidget *frame = start().findChild<QWidget *>("Frame1");
    const QRect before = frame->geometry();
    start().showMinimized();
    QTRY_COMPARE(frame->size(), QSize(0, 0));
    start().showMaximized();
    QTRY_COMPARE(frame->geometry(), before);
    QVERIFY(start().findChild<QWidget *>("Picture1")->width() > 100);
    QVERIFY(waitForCurtains());
}

void TestStartScreen::restoredScreensTakeTheirDesignSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("client"); // the design client area at 96 dpi
    QTest::addColumn<bool>("minimizedFirst"); // and shown again from the start screen
    QTest::addColumn<bool>("byWindowManager"); // or by the program
    const QList<QPair<const char *, QSize>> screens{{"frmOperativo3", {792, 570}},
                                                    {"frmStampaSchede3", {794, 552}}};
    for (const auto &[name, client] : screens)
        for (bool minimizedFirst : {false, true})
            for (bool byWindowManager : {false, true})
                QTest::addRow("%s%s, by the %s", name, minimizedFirst ? ", minimized first" : "",
                              byWindowManager ? "window manager" : "program")
                    << name << client << minimizedFirst << byWindowManager;
}

// Restored, a maximized screen comes back at its design size, centred,
// with its title bar on the screen.
void TestStartScreen::restoredScreensTakeTheirDesignSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, client);
    QFETCH(bool, minimizedFirst);
    QFETCH(bool, byWindowManager);
    openFromStart(name);
    auto *w = qobject_cast<QMainWindow *>(topLevel(name));
    QVERIFY(w && QTest::qWaitForWindowExposed(w));
    QTRY_VERIFY(w->isMaximized());
    // The window manager's buttons reach the native window's states.
    const auto setStates = [&](Qt::WindowStates states) {
        if (byWindowManager)
            w->windowHandle()->setWindowStates(states);
        else if (states.testFlag(Qt::WindowMinimized))
            w->showMinimized();
        else
            w->showNormal();
    };
    if (minimizedFirst) {
        setStates(Qt::WindowMinimized);
        QTRY_VERIFY(w->isMinimized());
        openFromStart(name);
        QTRY_VERIFY(!w->isMinimized());
        QVERIFY(w->isMaximized());
    }
    setStates(Qt::WindowNoState);
    QTRY_VERIFY(!w->isMaximized());
    QTRY_COMPARE(w->centralWidget()->size(), client);
    const QRect available = w->screen()->availableGeometry();
    QVERIFY(available.contains(w->frameGeometry()));
    QVERIFY((w->frameGeometry().center() - available.center()).manhattanLength() <= 4);
}

// Minimized, shown again from the program and then restored by the window
// manager, which leaves the window active: the design size, centred.
void TestStartScreen::restoredAfterAReshowTakesTheDesignSize()
{
    start().showMinimized();
    QTRY_VERIFY(start().isMinimized());
    QCOMPARE(program->openStart(), &start());
    QVERIFY(!start().isMinimized());
    start().setWindowState(Qt::WindowActive);
    QTRY_COMPARE(start().client()->size(), QSize(794, 552));
    QCOMPARE(start().geometry().center(), start().screen()->availableGeometry().center());
}

void TestStartScreen::optionFocusColours()
{
    auto *vai = qobject_cast<OptionButton *>(option(start(), 0));
    auto *esci = qobject_cast<OptionButton *>(option(start(), 1));
    QVERIFY(vai && esci);
    QTRY_VERIFY(vai->hasFocus());
    QCOMPARE(vai->background(), QColor(255, 128, 255));
    QCOMPARE(esci->background(), QColor(255, 192, 255));
    // Space moves on and wraps around.
    QTest::keyClick(vai, Qt::Key_Space);
    QVERIFY(esci->hasFocus());
    QCOMPARE(esci->background(), QColor(255, 128, 255));
    QCOMPARE(vai->background(), QColor(255, 192, 255));
    QTest::keyClick(esci, Qt::Key_Space);
    QVERIFY(vai->hasFocus());
}

void TestStartScreen::mouseButtonsAllChoose_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestStartScreen::mouseButtonsAllChoose()
{
    QFETCH(Qt::MouseButton, button);
    QVERIFY(!program->drillScreen());
    // It acts on the press, before any release.
    QTest::mousePress(option(start(), 0), button);
    QVERIFY(program->drillScreen());
    QVERIFY(program->drillScreen()->isVisible());
    QTest::mouseRelease(option(start(), 0), button);
    QVERIFY(program->startScreen());
}

void TestStartScreen::heldEnterOpensTheDrillOnce()
{
    QSignalSpy opened(program.get(), &Program::screenOpened);
    QPushButton *vai = option(start(), 0);
    sendKey(vai, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(program->drillScreen());
    program->drillScreen()->close(); // whatever opens, a repeat must not open it again
    for (int i = 0; i < 10; ++i) {
        sendKey(vai, QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"), true);
        sendKey(vai, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"), true);
    }
    QVERIFY(!program->drillScreen());
    sendKey(vai, QEvent::KeyRelease, Qt::Key_Return, QStringLiteral("\r"));
    QCOMPARE(opened.count(), 1);
    QVERIFY(!start().optionRules().keyDownLatch());
}

void TestStartScreen::latchStaysSetWhenEnterOpensAnotherScreen()
{
    QPushButton *vai = option(start(), 0);
    QPushButton *esci = option(start(), 1);
    sendKey(vai, QEvent::KeyPress, Qt::Key_Return, QStringLiteral("\r"));
    QVERIFY(program->drillScreen());
    // The release went to the drill: the start screen still holds its latch.
    QVERIFY(start().optionRules().keyDownLatch());
    program->drillScreen()->close();
    vai->setFocus();
    QTest::keyPress(vai, Qt::Key_2);
    QVERIFY(vai->hasFocus()); // did nothing
    QTest::keyRelease(vai, Qt::Key_2);
    QTest::keyPress(vai, Qt::Key_2);
    QVERIFY(esci->hasFocus());
    QTest::keyRelease(esci, Qt::Key_2);
    // A mouse release over an option clears the latch too.
    sendKey(esci, QEvent::KeyPress, Qt::Key_F2, QString());
    QVERIFY(start().optionRules().keyDownLatch());
    QTest::mouseRelease(esci, Qt::LeftButton);
    QVERIFY(!start().optionRules().keyDownLatch());
}

void TestStartScreen::keysThatOnlyMoveOrAreSwallowed()
{
    QPushButton *vai = option(start(), 0);
    QPushButton *esci = option(start(), 1);
    vai->setFocus();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Down, Qt::Key_Right, Qt::Key_Escape, Qt::Key_4,
                        Qt::Key_F2, Qt::Key_Tab, Qt::Key_3}) {
        QTest::keyClick(vai, key);
        QVERIFY2(vai->hasFocus(), QByteArray::number(int(key), 16).constData());
    }
    QTest::keyClick(vai, Qt::Key_2, Qt::KeypadModifier);
    QVERIFY(esci->hasFocus());
    QVERIFY(program->startScreen()); // "2" never closes anything
    QTest::keyClick(esci, Qt::Key_1);
    QVERIFY(vai->hasFocus());
    QVERIFY(!program->drillScreen());
}

void TestStartScreen::digitKeysByTheirPlace_data()
{
    addLayoutKeyRows();
}

void TestStartScreen::digitKeysByTheirPlace()
{
    QFETCH(int, row);
    const LayoutKey &k = layoutKeys().at(row);
    // "1" and "2" reach "VAI" and "ESCI"; "3" and other keys stay put.
    const int from = k.digit == 1 ? 1 : 0;
    const int to = k.digit == 1 || k.digit == 2 ? k.digit - 1 : from;
    option(start(), from)->setFocus();
    sendLayoutKey(option(start(), from), k);
    QVERIFY(option(start(), to)->hasFocus());
    QVERIFY(!program->drillScreen());
    QVERIFY(program->startScreen());
}

void TestStartScreen::vaiTwiceGivesOneDrill()
{
    QSignalSpy opened(program.get(), &Program::screenOpened);
    start().choose(0);
    QMainWindow *first = program->drillScreen();
    start().activateWindow();
    start().choose(0);
    QCOMPARE(program->drillScreen(), first);
    QCOMPARE(opened.count(), 1);
    QCOMPARE(program->drillScreen()->windowTitle(),
             QStringLiteral("STABILIRE UNA RELAZIONE TRA DUE INSIEMI"));
    QVERIFY(program->drillScreen()->isMaximized());
    const QWidgetList all = QApplication::topLevelWidgets();
    const int windows = int(std::count_if(all.cbegin(), all.cend(), [](QWidget *w) {
        return w->isVisible() && w->windowTitle().startsWith(QStringLiteral("STABILIRE"));
    }));
    QCOMPARE(windows, 1);
    start().choose(7); // any other index does nothing
    QVERIFY(program->startScreen());
}

void TestStartScreen::aboutIsModalAndFreshEachTime()
{
    // The start screen restored and moved off the screen's centre.
    start().showNormal();
    start().move(0, 0);
    QTRY_COMPARE(start().pos(), QPoint(0, 0));
    QAction *info = start().findChild<QAction *>("mnuInfo");
    info->trigger();
    AboutScreen *about = program->aboutScreen();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), QStringLiteral("Autore"));
    QCOMPARE(QApplication::activeModalWidget(), about);
    // Window managers keep it in front of the start screen, centred on it.
    QCOMPARE(about->windowHandle()->transientParent(), start().windowHandle());
    const QPoint offCentre = about->geometry().center() - start().geometry().center();
    QVERIFY(offCentre.manhattanLength() <= 4);
    QCOMPARE(about->findChild<QLabel *>("Label1")->text(), QStringLiteral("Sito dell'autore:"));
    QCOMPARE(about->findChild<QLabel *>("Label3")->text(), QStringLiteral("Email:"));
    QCOMPARE(about->findChild<QLabel *>("Label2")->text(), AboutScreen::siteAddress());
    QCOMPARE(about->findChild<QLabel *>("Label4")->text(), AboutScreen::mailAddress());
    QVERIFY(AboutScreen::mailAddress().endsWith(QStringLiteral("example.org")));

    // Input through the window system does not reach the start screen.
    QWindow *startWindow = start().windowHandle();
    QTest::keyClick(startWindow, Qt::Key_Return);
    QTest::mouseClick(startWindow, Qt::LeftButton, {},
                      option(start(), 0)->mapTo(&start(), QPoint(10, 10)));
    QVERIFY(!program->drillScreen());

    auto *close = about->findChild<QPushButton *>("Command1");
    QCOMPARE(close->text(), QStringLiteral("C h i u d i"));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!program->aboutScreen());
    QTRY_VERIFY(!QApplication::activeModalWidget());

    info->trigger();
    QVERIFY(program->aboutScreen() && program->aboutScreen() != about);
    about = program->aboutScreen();
    QCOMPARE(about->findChild<QLabel *>("Label2")->text(), AboutScreen::siteAddress());
    about->close();
    QVERIFY(!program->aboutScreen());
}

void TestStartScreen::menuOpensTheWorksheetScreenOnce()
{
    QAction *print = start().findChild<QAction *>("mnuStampaSchede");
    QSignalSpy opened(program.get(), &Program::screenOpened);
    print->trigger();
    print->trigger();
    QCOMPARE(opened.count(), 1);
    WorksheetScreen *sheets = program->worksheetScreen();
    QVERIFY(sheets && sheets->isVisible());
    QCOMPARE(sheets->windowTitle(), QStringLiteral("VISUALIZZAZIONE SCHEDA         "));
}

void TestStartScreen::closingStartClosesEverything()
{
    const auto noneOpen = [] {
        return !program->startScreen() && !program->drillScreen() && !program->worksheetScreen()
            && !program->aboutScreen() && !program->printerChooser();
    };
    start().choose(0);
    start().findChild<QAction *>("mnuStampaSchede")->trigger();
    QVERIFY(program->drillScreen());
    QVERIFY(program->worksheetScreen());
    start().close();
    QVERIFY(noneOpen());
    // No window is left, so the program ends.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);

    // "ESCI" does the same through the option list.
    program->openStart();
    start().choose(0);
    QTest::mousePress(option(start(), 1), Qt::LeftButton);
    QVERIFY(noneOpen());
}

QTEST_MAIN(TestStartScreen)
#include "tst_startscreen.moc"
