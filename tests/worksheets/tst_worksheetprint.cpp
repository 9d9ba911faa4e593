// SPDX-License-Identifier: GPL-3.0-or-later
// "STAMPA" against a real print system, the private one of
// scripts/print-system.sh: the sheet arrives as one PDF page on the current
// printer's queue and matches the screen, and the sheet saved as a PDF file
// is the same page; a class set arrives as one job; one print is one
// connection that asks for the printer's page once; a double click prints
// once; "ESCI" pressed during a print closes the screen after it; a
// printer that is gone or a refused job is reported once and nothing is
// printed elsewhere.
#include "PaperCells.h"
#include "PdfTools.h"
#include "PrintTestSystem.h"
#include "QueuedClick.h"

#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/SheetPrint.h"
#include "start/Program.h"
#include "worksheets/WorksheetScreen.h"

#include <QAction>
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

void click(const char *name)
{
    QTest::mouseClick(screen().findChild<QPushButton *>(QString::fromLatin1(name)), Qt::LeftButton);
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
    ClassSetDialog *dialog = screen().classSetDialog();
    QVERIFY(dialog);
    dialog->findChild<QSpinBox *>(QStringLiteral("spnNumeroSchede"))->setValue(count);
    auto *print = dialog->findChild<QPushButton *>(QStringLiteral("cmdStampa"));
    if (doubleClick)
        doubleClickQueued(print, print->rect().center());
    else
        QTest::mouseClick(print, Qt::LeftButton);
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
    void failedPrintIsReportedOnceAndNothingPrintsElsewhere_data();
    void failedPrintIsReportedOnceAndNothingPrintsElsewhere();

private:
    QStringList m_messages;
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
    screen().setMessageHandler([this](const QString &text) { m_messages.append(text); });
    // Each press of a test is a press of its own, a second after the last.
    screen().setPressClock([this] { return m_pressMs += 1000; });
    m_messages.clear();
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
    screen().setFileNameProvider([&](QWidget *, const QString &) { return saved; });
    auto *save = screen().findChild<QAction *>(QStringLiteral("mnuSalvaPdf"));
    QTRY_VERIFY(save->isEnabled()); // once the print's queued presses are in
    save->trigger();
    screen().setFileNameProvider({});
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
    };
    const QList<int> before = printtest::jobs();
    press(true);
    QCOMPARE(newJobs(before).size(), 1);
    QTRY_VERIFY(print->isEnabled());
    press(false);
    QCOMPARE(newJobs(before).size(), 2);
    QCOMPARE(m_messages, QStringList());
}

// "ESCI" pressed while the sheet prints closes the screen once the print is
// over, the sheet printed once.
void TestWorksheetPrint::exitPressedWhilePrintingClosesTheScreen()
{
    auto *exit = screen().findChild<QPushButton *>(QStringLiteral("CmdFine"));
    QVERIFY(exit);
    postClick(exit, exit->rect().center());
    const QList<int> before = printtest::jobs();
    click("Command1");
    QTRY_VERIFY(!program->worksheetScreen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(newJobs(before).size(), 1);
    QCOMPARE(m_messages, QStringList());
}

void TestWorksheetPrint::failedPrintIsReportedOnceAndNothingPrintsElsewhere_data()
{
    QTest::addColumn<bool>("classSet");
    QTest::addColumn<bool>("refusing"); // the other queue refuses jobs, or the printer is gone
    QTest::newRow("STAMPA, printer gone") << false << false;
    QTest::newRow("class set, printer gone") << true << false;
    QTest::newRow("class set, job refused") << true << true;
}

void TestWorksheetPrint::failedPrintIsReportedOnceAndNothingPrintsElsewhere()
{
    QFETCH(bool, classSet);
    QFETCH(bool, refusing);
    const auto accept = qScopeGuard([&] {
        if (refusing)
            printtest::run(QStringLiteral("cupsaccept"), {otherQueue});
    });
    if (refusing)
        QCOMPARE(printtest::run(QStringLiteral("cupsreject"), {otherQueue}), 0);
    program->printService().setCurrentPrinter(refusing ? otherQueue
                                                       : QStringLiteral("gli-test-absent"));
    const QStringList printed = printtest::printedFiles();
    const QList<int> before = printtest::jobs();
    if (classSet)
        startClassSet(3);
    else
        click("Command1");
    QCOMPARE(m_messages,
             QStringList{QStringLiteral("Problema di stampa nella stampante utilizzata.")});
    // The server itself refused: no job exists that could print later.
    QCOMPARE(newJobs(before), QList<int>());
    QCOMPARE(printtest::printedFiles(), printed);
}

QTEST_MAIN(TestWorksheetPrint)
#include "tst_worksheetprint.moc"
