// SPDX-License-Identifier: GPL-3.0-or-later
// "STAMPA" against a real print system, the private one of
// scripts/print-system.sh: the sheet arrives as one PDF page on the current
// printer's queue and matches the screen, and the sheet saved as a PDF file
// is the same page; a class set arrives as one job; one print is one
// connection that asks for the printer's page once; a double click prints
// once; "ESCI" pressed during a print closes the screen at once, and a print
// not yet handed over never goes; a
// printer that is gone, a stopped queue, a refused job or a silent print
// server is reported once with its reason and nothing is printed
// elsewhere; a print that went is confirmed on the screen for a while.
#include "PaperCells.h"
#include "PdfTools.h"
#include "OutputWait.h"
#include "PrintTestSystem.h"
#include "QueuedClick.h"

#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/SheetPrint.h"
#include "start/Program.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

#include <memory>

namespace {
using Side = Worksheet::Side;
using printtest::defaultQueue;
using printtest::otherQueue;

// Made by each test function, so that none depends on another.
std::unique_ptr<Program> program;

WorksheetScreen &screen()
{
    return *program->worksheetScreen();
}

QLabel *confirmation()
{
    return screen().findChild<QLabel *>(QStringLiteral("lblConferma"));
}

// Clicks, and waits for what the click set going.
void click(const char *name)
{
    QTest::mouseClick(screen().findChild<QPushButton *>(QString::fromLatin1(name)), Qt::LeftButton);
    QVERIFY(outputIdle(&screen()));
}

// The jobs the server made since `before`.
QList<int> newJobs(const QList<int> &before)
{
    QList<int> made;
    for (const int job : printtest::jobs()) {
        if (!before.contains(job))
            made.append(job);
    }
    return made;
}

// The document of the one job made since `before` on `queue`, once the
// server says it has ended; empty when not exactly one job was made.
QString printedJob(const QList<int> &before, const QString &queue = defaultQueue)
{
    const QList<int> made = newJobs(before);
    if (made.size() != 1 || printtest::waitForJobEnd(made.first()) != IPP_JSTATE_COMPLETED)
        return {};
    return printtest::printed(queue, made.first());
}

// "Stampa" of "Schede per la classe", clicked once or double-clicked.
void startClassSet(int count, bool doubleClick = false)
{
    screen().findChild<QAction *>(QStringLiteral("mnuClasse"))->trigger();
    ClassSetDialog *dialog = screen().output().classSetDialog();
    QVERIFY(dialog);
    dialog->findChild<QSpinBox *>(QStringLiteral("spnNumeroSchede"))->setValue(count);
    auto *print = dialog->findChild<QPushButton *>(QStringLiteral("cmdStampa"));
    if (doubleClick)
        doubleClickQueued(print, print->rect().center());
    else
        QTest::mouseClick(print, Qt::LeftButton);
    QVERIFY(outputIdle(&screen()));
}

// For every place, whether it holds a figure (on screen) or shows ink in the
// middle of its cell (on the printed page, where the printable area and the
// scale put the sheet).
QList<bool> onScreen()
{
    QList<bool> cells;
    for (int e = 1; e <= 4; ++e)
        for (auto side : {Side::Left, Side::Right})
            for (int slot = 1; slot <= 15; ++slot)
                cells << (screen().worksheet().place(side, 15 * (e - 1) + slot - 1).picture > 0);
    return cells;
}

QList<bool> onPaper(const QString &pdf, const QRectF &area, int page = 1, int extentHeight = 15600)
{
    const double scale = std::min(
        {1.0, area.width() * 20 / 11000, area.height() * 20 / extentHeight});
    return pdftools::inkInCells(pdftools::page(pdf, 72, page), area.topLeft(), scale);
}
} // namespace

class TestWorksheetPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void printsOnePageThatMatchesTheScreen();
    void savedFileIsThePrintedPage();
    void classSetArrivesAsOneJob();
    void onePrintAsksForThePageOnceOverOneConnection();
    void aDoubleClickPrintsOnce_data();
    void aDoubleClickPrintsOnce();
    void exitPressedWhilePrintingClosesTheScreen();
    void exitBeforeTheHandOverPrintsNothing();
    void failedPrintIsReportedOnceAndNothingPrintsElsewhere_data();
    void failedPrintIsReportedOnceAndNothingPrintsElsewhere();
    void printIsConfirmedOnScreenForAWhile_data();
    void printIsConfirmedOnScreenForAWhile();

private:
    QStringList m_messages;
    QStringList m_details;
    QTemporaryDir m_dir;
    qint64 m_pressMs = 0;
};

void TestWorksheetPrint::initTestCase()
{
    if (!pdftools::available())
        QSKIP("poppler-utils (pdftoppm, pdftotext, pdfinfo) not installed");
    const QString why = printtest::unavailable();
    if (!why.isEmpty())
        QSKIP(qPrintable(why));
    printtest::isolate();
}

void TestWorksheetPrint::init()
{
    // No job of an earlier function may still be printing.
    QVERIFY(printtest::waitForEveryJobToEnd());
    program = std::make_unique<Program>();
    program->printService().setCurrentPrinter(defaultQueue);
    program->openWorksheets();
    screen().output().setMessageHandler([this](const QString &text, const QString &detail) {
        m_messages.append(text);
        m_details.append(detail);
    });
    // Each press of a test is a press of its own, a second after the last.
    screen().output().setPressClock([this] { return m_pressMs += 1000; });
    m_messages.clear();
    m_details.clear();
}

void TestWorksheetPrint::cleanup()
{
    if (!program)
        return;
    program->closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program.reset();
}

void TestWorksheetPrint::printsOnePageThatMatchesTheScreen()
{
    for (const char *name : {"cmdInsieme2", "cmdInsieme3", "cmdInsieme4"})
        click(name);
    const QList<int> before = printtest::jobs();
    click("Command1");
    QCOMPARE(m_messages, QStringList());

    const QList<int> made = newJobs(before);
    QCOMPARE(made.size(), 1);
    QCOMPARE(printtest::waitForJobEnd(made.first()), int(IPP_JSTATE_COMPLETED));
    const QString pdf = printtest::printed(defaultQueue, made.first());
    QVERIFY(!pdf.isEmpty());
    const QString info = pdftools::info(pdf);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    const QString text = pdftools::text(pdf);
    QVERIFY2(text.contains(QStringLiteral("Nome e Cognome"))
                 && text.contains(
                     QStringLiteral("Scrivi il segno di relazione ra i due insiemi: < = >")),
             qPrintable(text));
    // As many figures as the composed sets hold, each in its own cell, the
    // left set on the left.
    QCOMPARE(onPaper(pdf, program->printService().printableArea()), onScreen());
}

// Text and figure cells of the page printed by "STAMPA" and of the page
// saved by "Salva PDF...", each where its printable area puts it.
void TestWorksheetPrint::savedFileIsThePrintedPage()
{
    click("cmdInsieme2");
    const QList<int> before = printtest::jobs();
    click("Command1");
    const QString printed = printedJob(before);
    QVERIFY(!printed.isEmpty());

    const QString saved = m_dir.filePath(QStringLiteral("scheda.pdf"));
    screen().output().setFileNameProvider([&](QWidget *, const QString &) { return saved; });
    auto *save = screen().findChild<QAction *>(QStringLiteral("mnuSalvaPdf"));
    QTRY_VERIFY(save->isEnabled()); // once the print's queued presses are in
    save->trigger();
    QVERIFY(outputIdle(&screen()));
    screen().output().setFileNameProvider({});
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(pdftools::pageCount(saved), 1);

    const auto words = [](const QString &text) {
        return text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    QCOMPARE(words(pdftools::text(saved)), words(pdftools::text(printed)));
    QCOMPARE(onPaper(saved, PageArea::fallback()),
             onPaper(printed, program->printService().printableArea()));
    QCOMPARE(onPaper(saved, PageArea::fallback()), onScreen());
}

// "Stampa" in "Schede per la classe": one document of the sheets and the
// solutions on the current printer, sheet 1 the screen's, nothing elsewhere.
void TestWorksheetPrint::classSetArrivesAsOneJob()
{
    const int count = 3;
    const QStringList printed = printtest::printedFiles();
    const QList<int> before = printtest::jobs();
    startClassSet(count);
    QCOMPARE(m_messages, QStringList());

    const QString pdf = printedJob(before);
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(pdftools::pageCount(pdf), count + 1);
    for (int n = 1; n <= count; ++n)
        QVERIFY(
            pdftools::text(pdf, n).contains(QStringLiteral("Scheda %1 di %2").arg(n).arg(count)));
    QVERIFY(pdftools::text(pdf, count + 1).contains(QStringLiteral("Soluzioni")));
    QCOMPARE(onPaper(pdf, program->printService().printableArea(), 1, sheet::classSetHeight),
             onScreen());
    // One job, one document: nothing else arrived, here or elsewhere.
    QStringList expected = printed;
    expected.append(pdf);
    expected.sort();
    QCOMPARE(printtest::printedFiles(), expected);
}

void TestWorksheetPrint::onePrintAsksForThePageOnceOverOneConnection()
{
    // What asking for the printer's page alone costs, in requests.
    const printtest::LogMark alone = printtest::logMark();
    (void)program->printService().printableArea();
    const int pageQuestions = printtest::requestsSince(alone,
                                                       QStringLiteral("Get-Printer-Attributes"));
    QVERIFY(pageQuestions > 0);

    const printtest::LogMark mark = printtest::logMark();
    click("Command1");
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(printtest::connectionsSince(mark), 1);
    QCOMPARE(printtest::requestsSince(mark, QStringLiteral("Get-Printer-Attributes")),
             pageQuestions);
    QCOMPARE(printtest::requestsSince(mark, QStringLiteral("Create-Job")), 1);
    QCOMPARE(printtest::requestsSince(mark, QStringLiteral("Send-Document")), 1);
}

void TestWorksheetPrint::aDoubleClickPrintsOnce_data()
{
    QTest::addColumn<bool>("classSet");
    QTest::newRow("STAMPA") << false;
    QTest::newRow("Stampa of a class set") << true;
}

// The second click of a double click arrives while the first one prints and
// is dropped; a click once the print is over prints again.
void TestWorksheetPrint::aDoubleClickPrintsOnce()
{
    QFETCH(bool, classSet);
    auto *print = screen().findChild<QPushButton *>(QStringLiteral("Command1"));
    const auto press = [&](bool twice) {
        if (classSet)
            startClassSet(1, twice);
        else if (twice)
            doubleClickQueued(print, print->rect().center());
        else
            QTest::mouseClick(print, Qt::LeftButton);
        QVERIFY(outputIdle(&screen()));
    };
    const QList<int> before = printtest::jobs();
    press(true);
    QCOMPARE(newJobs(before).size(), 1);
    QTRY_VERIFY(print->isEnabled());
    press(false);
    QCOMPARE(newJobs(before).size(), 2);
    QCOMPARE(m_messages, QStringList());
}

// "ESCI" pressed while the sheet prints closes the screen at once. The print
// goes whole or not at all (stopped before the hand-over), and nothing is
// told to the closed screen.
void TestWorksheetPrint::exitPressedWhilePrintingClosesTheScreen()
{
    auto *exit = screen().findChild<QPushButton *>(QStringLiteral("CmdFine"));
    QVERIFY(exit);
    const QList<int> before = printtest::jobs();
    QTest::mouseClick(screen().findChild<QPushButton *>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    QVERIFY(screen().output().isRunning());
    QTest::mouseClick(exit, Qt::LeftButton);
    QVERIFY(!program->worksheetScreen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The program waits for a hand-over under way when it ends.
    program.reset();
    const QList<int> made = newJobs(before);
    QVERIFY(made.size() <= 1);
    if (!made.isEmpty()) {
        QCOMPARE(printtest::waitForJobEnd(made.first()), int(IPP_JSTATE_COMPLETED));
        QCOMPARE(pdftools::pageCount(printtest::printed(defaultQueue, made.first())), 1);
    }
    QCOMPARE(m_messages, QStringList());
}

// A print still waiting its turn when "ESCI" closes the screen never goes.
void TestWorksheetPrint::exitBeforeTheHandOverPrintsNothing()
{
    const QList<int> before = printtest::jobs();
    const QStringList printed = printtest::printedFiles();
    {
        OutputHold hold(program->outputThread());
        QTest::mouseClick(screen().findChild<QPushButton *>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QVERIFY(screen().output().isRunning());
        QTest::mouseClick(screen().findChild<QPushButton *>(QStringLiteral("CmdFine")),
                          Qt::LeftButton);
        QVERIFY(!program->worksheetScreen());
    }
    program.reset(); // waits for the output thread
    QCOMPARE(newJobs(before), QList<int>());
    QCOMPARE(printtest::printedFiles(), printed);
    QCOMPARE(m_messages, QStringList());
}

void TestWorksheetPrint::failedPrintIsReportedOnceAndNothingPrintsElsewhere_data()
{
    QTest::addColumn<bool>("classSet");
    // The other queue is "gone" (the printer is one never installed),
    // "rejecting" jobs, "stopped" and rejecting, or the print system is
    // "paused".
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("reason"); // the message's details
    QTest::addColumn<QString>("logged"); // the reason's name in the log

    const QString gone = QStringLiteral("La stampante non esiste più.");
    const QString refused = QStringLiteral("La stampante ha rifiutato la stampa.");
    const QString stopped = QStringLiteral("La coda della stampante è ferma.");
    const QString silent = QStringLiteral("Il server di stampa non risponde.");
    QTest::newRow("STAMPA, printer gone") << false << "gone" << gone << "queue gone";
    QTest::newRow("class set, printer gone") << true << "gone" << gone << "queue gone";
    QTest::newRow("STAMPA, job refused") << false << "rejecting" << refused << "job refused";
    QTest::newRow("class set, job refused") << true << "rejecting" << refused << "job refused";
    QTest::newRow("STAMPA, queue stopped") << false << "stopped" << stopped << "queue stopped";
    QTest::newRow("class set, queue stopped") << true << "stopped" << stopped << "queue stopped";
    QTest::newRow("STAMPA, print server silent")
        << false << "paused" << silent << "print server not answering";
}

void TestWorksheetPrint::failedPrintIsReportedOnceAndNothingPrintsElsewhere()
{
    QFETCH(bool, classSet);
    QFETCH(QString, situation);
    QFETCH(QString, reason);
    QFETCH(QString, logged);
    const bool refusing = situation == QLatin1String("rejecting")
        || situation == QLatin1String("stopped");
    const bool stopped = situation == QLatin1String("stopped");
    const bool paused = situation == QLatin1String("paused");
    const auto restore = qScopeGuard([&] {
        if (refusing)
            printtest::run(QStringLiteral("cupsaccept"), {otherQueue});
        if (stopped)
            printtest::run(QStringLiteral("cupsenable"), {otherQueue});
        if (paused)
            printtest::script(QStringLiteral("resume"));
    });
    if (refusing)
        QCOMPARE(printtest::run(QStringLiteral("cupsreject"), {otherQueue}), 0);
    if (stopped)
        QCOMPARE(printtest::run(QStringLiteral("cupsdisable"), {otherQueue}), 0);
    program->printService().setCurrentPrinter(
        situation == QLatin1String("gone") ? QStringLiteral("gli-test-absent") : otherQueue);
    const QStringList printed = printtest::printedFiles();
    const QList<int> before = printtest::jobs();
    if (paused)
        QCOMPARE(printtest::script(QStringLiteral("pause")), 0);

    // The print system's own words go to the log, with the reason.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^printing on \\S+ failed \\(%1\\): \\S")
                                                .arg(QRegularExpression::escape(logged))));
    if (classSet)
        startClassSet(3);
    else
        click("Command1");
    QCOMPARE(m_messages,
             QStringList{QStringLiteral("Problema di stampa nella stampante utilizzata.")});
    QCOMPARE(m_details, QStringList{reason});
    QVERIFY(confirmation()->isHidden());
    if (paused)
        QCOMPARE(printtest::script(QStringLiteral("resume")), 0);
    // The server itself refused: no job exists that could print later.
    QCOMPARE(newJobs(before), QList<int>());
    QCOMPARE(printtest::printedFiles(), printed);
}

void TestWorksheetPrint::printIsConfirmedOnScreenForAWhile_data()
{
    QTest::addColumn<bool>("classSet");
    QTest::addColumn<QString>("expected");
    QTest::newRow("STAMPA") << false << QStringLiteral("Scheda inviata a %1").arg(defaultQueue);
    QTest::newRow("class set") << true << QStringLiteral("Schede inviate a %1").arg(defaultQueue);
}

// The line names the printer, needs no click and goes by itself; a print
// that fails afterwards takes it away at once.
void TestWorksheetPrint::printIsConfirmedOnScreenForAWhile()
{
    QFETCH(bool, classSet);
    QFETCH(QString, expected);
    auto *printButton = screen().findChild<QPushButton *>(QStringLiteral("Command1"));
    const auto print = [&] {
        QTRY_VERIFY(printButton->isEnabled()); // once the last print's presses are in
        if (classSet)
            startClassSet(1);
        else
            click("Command1");
    };
    // The timer runs only once the print is over and the test waits.
    screen().output().setConfirmationTimeout(std::chrono::milliseconds(50));
    print();
    QCOMPARE(m_messages, QStringList());
    QVERIFY(confirmation()->isVisible());
    QCOMPARE(confirmation()->accessibleName(), expected);
    QCOMPARE(confirmation()->text(), expected);
    QVERIFY(QTest::qWaitFor([] { return confirmation()->isHidden(); }, 5000));

    screen().output().setConfirmationTimeout(SheetOutput::confirmationTimeout);
    print();
    QVERIFY(confirmation()->isVisible());
    program->printService().setCurrentPrinter(QStringLiteral("gli-test-absent"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^printing on ")));
    print();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(confirmation()->isHidden());
}

QTEST_MAIN(TestWorksheetPrint)
#include "tst_worksheetprint.moc"
