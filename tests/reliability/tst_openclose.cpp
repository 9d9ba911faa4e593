// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing each screen a few hundred times, by the user's own
// paths, leaves the process where it was: the same windows and widgets, and
// a heap whose lowest point has not risen by more than one picture of each
// window left open plus 1 MiB. A leak of 16 kilobytes a round (a small
// picture, a figure's drawing) passes that bound before the last round.

#include "Census.h"
#include "InputDriver.h"

#include "drill/DrillScreen.h"
#include "printing/PrintService.h"
#include "printing/PrinterChooser.h"
#include "sets/FigureCatalogue.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "start/AboutScreen.h"
#include "worksheets/WorksheetScreen.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmapCache>
#include <QTest>

#include <functional>
#include <limits>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's own count; GCC ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// Bytes the program holds on the heap now. Under AddressSanitizer freed
// blocks wait in quarantine, so its own count of live bytes is used.
qint64 heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<qint64>(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return static_cast<qint64>(info.uordblks + info.hblkhd);
#endif
}

void clickElement(QWidget &screen, const char *name, Qt::MouseButton button = Qt::LeftButton)
{
    auto *target = screen.findChild<QWidget *>(QString::fromLatin1(name));
    QVERIFY2(target, name);
    input::click(target, button, target->rect().center());
    input::settle();
}

void clickMenu(Screen &screen, int item)
{
    QMenuBar *bar = screen.menuBar();
    const QList<QAction *> items = bar->actions();
    QVERIFY(item < items.size());
    input::click(bar, Qt::LeftButton, bar->actionGeometry(items.at(item)).center());
    input::settle();
}

// Made for each row, so that none depends on another.
std::unique_ptr<Program> program;

StartScreen &start()
{
    if (!program->startScreen()) {
        program->openStart();
        input::settle();
    }
    return *program->startScreen();
}

// Until the curtains have opened, a click on the start screen lands on them.
StartScreen &uncoveredStart()
{
    StartScreen &screen = start();
    if (!QTest::qWaitFor([&screen] { return !screen.isCurtainTimerEnabled(); }, 10000))
        QTest::qFail("the curtains never opened", __FILE__, __LINE__);
    return screen;
}

// Boxes and buttons keep their last drawing for partial repaints, one
// picture each; which of them hold one after a round depends on what the
// closing window uncovered. At most, that is one picture of each window that
// stays open, which the bound allows for.
qint64 pictureBytesOfOpenWindows()
{
    qint64 bytes = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            const qreal ratio = window->devicePixelRatioF();
            bytes += qint64(window->width() * ratio) * qint64(window->height() * ratio) * 4;
        }
    }
    return bytes;
}

using Cycle = std::function<void()>;

constexpr int warmUpCycles = 15;
constexpr int defaultPixmapCacheKiB = 10240;
// Rounds whose lowest heap reading is compared, at each end.
constexpr int lowWindow = 30;
constexpr qint64 leakBound = 1 << 20;

} // namespace

Q_DECLARE_METATYPE(Cycle)

class tst_OpenClose : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cycles_data();
    void cycles();
};

void tst_OpenClose::initTestCase()
{
    input::quietPlatformNotices();
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_OpenClose::init()
{
    // Qt's styles keep drawn pieces in the pixmap cache under new keys for
    // every new window, up to its limit: Qt's memory, not the program's.
    // Emptying the cache leaves its key strings behind, so it is kept empty.
    QPixmapCache::setCacheLimit(0);
    program = std::make_unique<Program>();
    program->setPrinterSource([] {
        return QStringList{QStringLiteral("gli-cycle-a"), QStringLiteral("gli-cycle-b")};
    });
    program->printService().setCurrentPrinter(QStringLiteral("gli-cycle-a"));
    start();
}

void tst_OpenClose::cleanup()
{
    program->closeAll();
    input::settle();
    program.reset();
    QPixmapCache::setCacheLimit(defaultPixmapCacheKiB);
}

void tst_OpenClose::cycles_data()
{
    QTest::addColumn<Cycle>("cycle");

    QTest::newRow("start screen, closed by its close box") << Cycle([] {
        input::closeBox(&start());
        input::settle();
        QVERIFY(!program->startScreen());
        start();
    });
    QTest::newRow("drill, one answer, ESCI") << Cycle([] {
        clickElement(uncoveredStart(), "Option1(0)"); // VAI
        QVERIFY(program->drillScreen());
        DrillScreen &drill = *program->drillScreen();
        clickElement(drill, "Option1(0)"); // <
        clickElement(drill, "Option1(3)"); // VERIFICA
        clickElement(drill, "Option1(5)"); // ESCI
        QVERIFY(!program->drillScreen());
    });
    QTest::newRow("drill, closed by its close box") << Cycle([] {
        clickElement(uncoveredStart(), "Option1(0)", Qt::RightButton);
        QVERIFY(program->drillScreen());
        input::closeBox(program->drillScreen());
        input::settle();
        QVERIFY(!program->drillScreen());
    });
    QTest::newRow("worksheet, every exercise, ESCI") << Cycle([] {
        clickMenu(start(), 0); // Stampa schede
        QVERIFY(program->worksheetScreen());
        WorksheetScreen &sheet = *program->worksheetScreen();
        clickElement(sheet, "cmdInsieme2");
        clickElement(sheet, "Command2"); // second part
        clickElement(sheet, "cmdInsieme3");
        clickElement(sheet, "cmdInsieme4");
        clickElement(sheet, "CmdFine");
        QVERIFY(!program->worksheetScreen());
    });
    QTest::newRow("printer chooser, closed either way") << Cycle([] {
        clickMenu(start(), 0);
        QVERIFY(program->worksheetScreen());
        WorksheetScreen &sheet = *program->worksheetScreen();
        clickMenu(sheet, 0); // Seleziona stampante
        QVERIFY(program->printerChooser());
        clickElement(*program->printerChooser(), "Command2"); // C H I U D I
        QVERIFY(!program->printerChooser());
        clickMenu(sheet, 0);
        QVERIFY(program->printerChooser());
        input::closeBox(program->printerChooser());
        input::settle();
        QVERIFY(!program->printerChooser());
        input::closeBox(&sheet);
        input::settle();
        QVERIFY(!program->worksheetScreen());
    });
    QTest::newRow("about screen") << Cycle([] {
        clickMenu(start(), 1); // About
        QVERIFY(program->aboutScreen());
        clickElement(*program->aboutScreen(), "Command1");
        QVERIFY(!program->aboutScreen());
    });
}

void tst_OpenClose::cycles()
{
    QFETCH(Cycle, cycle);
    const int cycles = qEnvironmentVariableIsSet("GLI_OPENCLOSE_CYCLES")
        ? qEnvironmentVariableIntValue("GLI_OPENCLOSE_CYCLES")
        : 300;
    QVERIFY(cycles >= 2 * lowWindow);

    // Caches of Qt and of the program (fonts, styles, figure pictures) fill
    // during the first rounds.
    for (int i = 0; i < warmUpCycles; ++i) {
        cycle();
        if (QTest::currentTestFailed())
            return;
    }

    // Between two rounds the heap swings by what the windows happen to hold
    // at that moment (a half-drawn strip, a style's pixmaps), so one reading
    // against another says little. What a leak raises is the lowest reading:
    // the lowest of the last rounds is compared with the lowest of the first.
    const int widgets = census::allWidgets();
    const int windows = census::topLevelWidgets();
    const qint64 bound = leakBound + pictureBytesOfOpenWindows();
    qint64 firstLow = std::numeric_limits<qint64>::max();
    qint64 lastLow = firstLow;
    for (int i = 0; i < cycles; ++i) {
        cycle();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(census::check(*program), QString());
        const qint64 now = heapInUse();
        if (i < lowWindow)
            firstLow = qMin(firstLow, now);
        if (i >= cycles - lowWindow)
            lastLow = qMin(lastLow, now);
    }
    const qint64 growth = lastLow - firstLow;
    qInfo("%d cycles: lowest heap %+lld bytes (bound %lld), widgets %d -> %d", cycles,
          static_cast<long long>(growth), static_cast<long long>(bound), widgets,
          census::allWidgets());
    QCOMPARE(census::topLevelWidgets(), windows);
    QCOMPARE(census::allWidgets(), widgets);
    QVERIFY2(growth <= bound, qPrintable(QStringLiteral("heap grew by %1 bytes").arg(growth)));
}

QTEST_MAIN(tst_OpenClose)
#include "tst_openclose.moc"
