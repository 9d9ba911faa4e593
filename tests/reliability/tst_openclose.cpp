// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and closing each screen a few hundred times, by the user's own
// paths, leaves the process where it was: the same windows and widgets, and
// heap memory within a bound measured here: what one opening of the screen
// holds, or 1 MiB if that is more. A leak of a small part of a screen on
// every round passes that bound well before the last round.

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

void clickElement(Screen &screen, const char *name, Qt::MouseButton button = Qt::LeftButton)
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

// Samples the heap at every event, so that a round's highest and lowest
// points are seen whatever the screen does in between.
class HeapSampler : public QObject
{
public:
    HeapSampler() { QCoreApplication::instance()->installEventFilter(this); }
    ~HeapSampler() override { QCoreApplication::instance()->removeEventFilter(this); }

    void restart() { m_low = m_high = heapInUse(); }
    qint64 span() const { return m_high - m_low; }

protected:
    bool eventFilter(QObject *, QEvent *) override
    {
        const qint64 now = heapInUse();
        m_low = qMin(m_low, now);
        m_high = qMax(m_high, now);
        return false;
    }

private:
    qint64 m_low = 0;
    qint64 m_high = 0;
};

using Cycle = std::function<void()>;

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
    QTest::newRow("printer chooser, hidden and closed") << Cycle([] {
        clickMenu(start(), 0);
        QVERIFY(program->worksheetScreen());
        WorksheetScreen &sheet = *program->worksheetScreen();
        clickMenu(sheet, 0); // Seleziona stampante
        QVERIFY(program->printerChooser());
        PrinterChooser &chooser = *program->printerChooser();
        clickElement(chooser, "Command2"); // C H I U D I hides it
        QCOMPARE(program->printerChooser(), &chooser);
        clickMenu(sheet, 0);
        input::closeBox(&chooser);
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

    // Caches of Qt and of the program (fonts, styles, figure pictures) fill
    // during the first rounds. What one opening holds is the span between the
    // highest and the lowest heap of a round.
    qint64 opening = 0;
    {
        HeapSampler sampler;
        for (int i = 0; i < 15; ++i) {
            sampler.restart();
            cycle();
            if (QTest::currentTestFailed())
                return;
            opening = qMax(opening, sampler.span());
        }
    }
    QVERIFY2(opening > 0, "the heap never moved");

    // Qt's styles keep drawn pieces in its pixmap cache, up to a fixed limit
    // and under new keys for every new window; it is emptied at both ends so
    // that only what the program holds is compared.
    QPixmapCache::clear();
    const int widgets = census::allWidgets();
    const int windows = census::topLevelWidgets();
    const qint64 heap = heapInUse();
    for (int i = 0; i < cycles; ++i) {
        cycle();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(census::check(*program), QString());
    }
    QPixmapCache::clear();
    const qint64 growth = heapInUse() - heap;
    const qint64 bound = qMax<qint64>(1 << 20, opening);
    qInfo("%d cycles: heap %+lld bytes (one opening %lld, bound %lld), widgets %d -> %d", cycles,
          static_cast<long long>(growth), static_cast<long long>(opening),
          static_cast<long long>(bound), widgets, census::allWidgets());
    QCOMPARE(census::topLevelWidgets(), windows);
    QCOMPARE(census::allWidgets(), widgets);
    QVERIFY2(growth <= bound, qPrintable(QStringLiteral("heap grew by %1 bytes").arg(growth)));
}

QTEST_MAIN(tst_OpenClose)
#include "tst_openclose.moc"
