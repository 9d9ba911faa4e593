// "STAMPA" against a real print system: the sheet arrives as one PDF page on
// the current printer's queue and matches the screen, and the sheet saved as
// a PDF file is the same page; a class set arrives as one job; a printer
// that is gone is reported once and nothing is printed elsewhere. Needs the
// test queues of scripts/print-system.sh.
#include "PaperCells.h"
#include "PdfTools.h"

#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/SheetPrint.h"
#include "worksheets/WorksheetScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Side = Worksheet::Side;

const QString pdfQueue = QStringLiteral("gli-test-pdf");
const QString otherQueue = QStringLiteral("gli-test-other");
const QString outputRoot = QStringLiteral("/tmp/gli-print-test/");

WorksheetScreen &screen()
{
    return Screen::the<WorksheetScreen>();
}

void click(const char *name)
{
    QTest::mouseClick(screen().element<QPushButton>(QString::fromLatin1(name)), Qt::LeftButton);
}

QStringList pdfs(const QString &queue)
{
    return QDir(outputRoot + queue).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

// The file that arrives in the queue's folder after `before`, once poppler
// can read it; empty after a minute.
QString waitForNew(const QString &queue, const QStringList &before)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        for (const QString &f : pdfs(queue)) {
            const QString path = outputRoot + queue + QLatin1Char('/') + f;
            if (!before.contains(f) && !pdftools::info(path).isEmpty())
                return path;
        }
        QTest::qWait(200);
    }
    return {};
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

QList<bool> onPaper(const QString &pdf, const QRectF &area = PrintService::shared().printableArea(),
                    int page = 1, int extentHeight = 15600)
{
    const double scale =
        std::min({1.0, area.width() * 20 / 11000, area.height() * 20 / extentHeight});
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
    void failedPrintIsReportedOnceAndNothingPrintsElsewhere_data();
    void failedPrintIsReportedOnceAndNothingPrintsElsewhere();

private:
    QStringList m_messages;
    QTemporaryDir m_dir;
};

void TestWorksheetPrint::initTestCase()
{
    if (!pdftools::available())
        QSKIP("poppler-utils (pdftoppm, pdftotext, pdfinfo) not installed");
    if (!QFileInfo::exists(QStringLiteral("/run/cups/cups.sock"))
        || !PrintService::shared().printers().contains(pdfQueue)
        || !QFileInfo(outputRoot + pdfQueue).isDir())
        QSKIP("no print system with the test queues: run scripts/print-system.sh start as root");
}

void TestWorksheetPrint::init()
{
    PrintService::shared().setCurrentPrinter(pdfQueue);
    screen().setMessageHandler([this](const QString &text) { m_messages.append(text); });
    screen().show();
    m_messages.clear();
}

void TestWorksheetPrint::cleanup()
{
    screen().unload();
    screen().setMessageHandler({});
    PrintService::shared().setCurrentPrinter(pdfQueue);
}

void TestWorksheetPrint::printsOnePageThatMatchesTheScreen()
{
    for (const char *name : {"cmdInsieme2", "cmdInsieme3", "cmdInsieme4"})
        click(name);
    const QStringList before = pdfs(pdfQueue);
    click("Command1");
    QCOMPARE(m_messages, QStringList());

    const QString pdf = waitForNew(pdfQueue, before);
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
    QFile::remove(pdf);
}

// Text and figure cells of the page printed by "STAMPA" and of the page
// saved by "Salva PDF...", each where its printable area puts it.
void TestWorksheetPrint::savedFileIsThePrintedPage()
{
    click("cmdInsieme2");
    const QStringList before = pdfs(pdfQueue);
    click("Command1");
    const QString printed = waitForNew(pdfQueue, before);
    QVERIFY(!printed.isEmpty());

    const QString saved = m_dir.filePath(QStringLiteral("scheda.pdf"));
    screen().setFileNameProvider([&](QWidget *, const QString &) { return saved; });
    screen().element<QAction>(QStringLiteral("mnuSalvaPdf"))->trigger();
    screen().setFileNameProvider({});
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(pdftools::pageCount(saved), 1);

    const auto words = [](const QString &text) {
        return text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };
    QCOMPARE(words(pdftools::text(saved)), words(pdftools::text(printed)));
    QCOMPARE(onPaper(saved, PageArea::fallback()), onPaper(printed));
    QCOMPARE(onPaper(saved, PageArea::fallback()), onScreen());
    QFile::remove(printed);
}

// "Stampa" in "Schede per la classe": one document of the sheets and the
// solutions on the current printer, sheet 1 the screen's, nothing elsewhere.
void TestWorksheetPrint::classSetArrivesAsOneJob()
{
    const int count = 3;
    const QStringList before = pdfs(pdfQueue);
    const QStringList beforeOther = pdfs(otherQueue);
    screen().element<QAction>(QStringLiteral("mnuClasse"))->trigger();
    ClassSetDialog *dialog = screen().classSetDialog();
    QVERIFY(dialog);
    dialog->findChild<QSpinBox *>(QStringLiteral("spnNumeroSchede"))->setValue(count);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdStampa")), Qt::LeftButton);
    QCOMPARE(m_messages, QStringList());

    const QString pdf = waitForNew(pdfQueue, before);
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(pdftools::pageCount(pdf), count + 1);
    for (int n = 1; n <= count; ++n)
        QVERIFY(pdftools::text(pdf, n).contains(QStringLiteral("Scheda %1 di %2").arg(n).arg(count)));
    QVERIFY(pdftools::text(pdf, count + 1).contains(QStringLiteral("Soluzioni")));
    QCOMPARE(onPaper(pdf, PrintService::shared().printableArea(), 1, sheet::classSetHeight),
             onScreen());
    // One job: nothing more arrives, here or elsewhere.
    QTest::qWait(2000);
    QCOMPARE(pdfs(pdfQueue).size(), before.size() + 1);
    QCOMPARE(pdfs(otherQueue), beforeOther);
    QFile::remove(pdf);
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
            QProcess::execute(QStringLiteral("cupsaccept"), {otherQueue});
    });
    if (refusing)
        QCOMPARE(QProcess::execute(QStringLiteral("cupsreject"), {otherQueue}), 0);
    PrintService::shared().setCurrentPrinter(refusing ? otherQueue : QStringLiteral("gli-test-absent"));
    const QStringList beforeDefault = pdfs(pdfQueue);
    const QStringList beforeOther = pdfs(otherQueue);
    if (classSet) {
        screen().element<QAction>(QStringLiteral("mnuClasse"))->trigger();
        QTest::mouseClick(screen().classSetDialog()->findChild<QPushButton *>(QStringLiteral("cmdStampa")),
                          Qt::LeftButton);
    } else {
        click("Command1");
    }
    QCOMPARE(m_messages, QStringList{QStringLiteral("Problema di stampa nella stampante utilizzata.")});
    // Give a wrongly routed job the time to arrive.
    QTest::qWait(3000);
    QCOMPARE(pdfs(pdfQueue), beforeDefault);
    QCOMPARE(pdfs(otherQueue), beforeOther);
}

QTEST_MAIN(TestWorksheetPrint)
#include "tst_worksheetprint.moc"
