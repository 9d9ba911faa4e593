// "STAMPA" against a real print system, the private one of
// scripts/print-system.sh: the sheet arrives as one PDF page on the current
// printer's queue and matches the screen; one print is one connection that
// asks for the printer's page once; a printer that is gone is reported once
// and nothing is printed elsewhere.
#include "PaperCells.h"
#include "PdfTools.h"
#include "PrintTestSystem.h"

#include "printing/PrintService.h"
#include "worksheets/SheetPrint.h"
#include "worksheets/frmStampaSchede3.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <cups/cups.h>

namespace {
using Side = Worksheet::Side;
using printtest::defaultQueue;

frmStampaSchede3 &screen()
{
    return Screen::the<frmStampaSchede3>();
}

void click(const char *name)
{
    QTest::mouseClick(screen().element<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton);
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

QList<bool> onPaper(const QString &pdf)
{
    const QImage page = pdftools::page(pdf, 72);
    const QRectF area = PrintService::shared().printableArea();
    const double scale =
        std::min({1.0, area.width() * 20 / 11000, area.height() * 20 / 15600});
    QList<bool> cells;
    for (int e = 1; e <= 4; ++e)
        for (auto side : {Side::Left, Side::Right})
            for (int slot = 1; slot <= 15; ++slot) {
                const QPointF middle = paperCell(e, side == Side::Left, slot) + QPointF(150, 150);
                const QRectF px(area.topLeft() + middle * scale / 20, QSizeF(450, 500) * scale / 20);
                cells << (pdftools::ink(page, px.toRect()) > 0);
            }
    return cells;
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
    void onePrintAsksForThePageOnceOverOneConnection();
    void missingPrinterIsReportedOnceAndNothingPrintsElsewhere();

private:
    QStringList m_messages;
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
    PrintService::shared().setCurrentPrinter(defaultQueue);
    screen().setMessageHandler([this](const QString &text) { m_messages.append(text); });
    screen().show();
    m_messages.clear();
}

void TestWorksheetPrint::cleanup()
{
    screen().unload();
    screen().setMessageHandler({});
    PrintService::shared().setCurrentPrinter(defaultQueue);
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
                 && text.contains(QStringLiteral("Scrivi il segno di relazione ra i due insiemi: < = >")),
             qPrintable(text));
    // As many figures as the composed sets hold, each in its own cell, the
    // left set on the left.
    QCOMPARE(onPaper(pdf), onScreen());
}

void TestWorksheetPrint::onePrintAsksForThePageOnceOverOneConnection()
{
    // What asking for the printer's page alone costs, in requests.
    const printtest::LogMark alone = printtest::logMark();
    (void)PrintService::shared().printableArea();
    const int pageQuestions = printtest::requestsSince(alone, QStringLiteral("Get-Printer-Attributes"));
    QVERIFY(pageQuestions > 0);

    const printtest::LogMark mark = printtest::logMark();
    click("Command1");
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(printtest::connectionsSince(mark), 1);
    QCOMPARE(printtest::requestsSince(mark, QStringLiteral("Get-Printer-Attributes")), pageQuestions);
    QCOMPARE(printtest::requestsSince(mark, QStringLiteral("Create-Job")), 1);
    QCOMPARE(printtest::requestsSince(mark, QStringLiteral("Send-Document")), 1);
}

void TestWorksheetPrint::missingPrinterIsReportedOnceAndNothingPrintsElsewhere()
{
    PrintService::shared().setCurrentPrinter(QStringLiteral("gli-test-absent"));
    const QStringList printed = printtest::printedFiles();
    const QList<int> before = printtest::jobs();
    click("Command1");
    QCOMPARE(m_messages, QStringList{QStringLiteral("Problema di stampa nella stampante utilizzata.")});
    // The server itself refused: no job exists that could print later.
    QCOMPARE(newJobs(before), QList<int>());
    QCOMPARE(printtest::printedFiles(), printed);
}

QTEST_MAIN(TestWorksheetPrint)
#include "tst_worksheetprint.moc"
