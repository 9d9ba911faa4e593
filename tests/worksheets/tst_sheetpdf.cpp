// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet painted into a PDF and read back with poppler: one A4 page, the
// header as text, ink in exactly the cells that hold a figure, the sheet
// scaled to fit a small printable area; a class set as pages with footers
// and a solutions page that agrees with the figures on the pages, and a
// stopped class set that gives no document.
#include "PaperCells.h"
#include "PdfTools.h"

#include "printing/PageArea.h"
#include "sets/FigureCatalogue.h"
#include "sets/RandomSource.h"
#include "worksheets/ClassSet.h"
#include "worksheets/SheetPage.h"
#include "worksheets/SheetPdfWriter.h"
#include "worksheets/Worksheet.h"

#include <QFile>
#include <algorithm>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Side = Worksheet::Side;
const QRectF wholePage(0, 0, 595.276, 841.89);

bool write(const QString &file, const QByteArray &pdf)
{
    QFile out(file);
    return !pdf.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size();
}

// The sheet's page painted for area into file; the scale it was drawn at.
double print(const Worksheet &w, const QRectF &area, const QString &file, FigureCatalogue &figures)
{
    SheetPdfWriter writer(area, QStringLiteral("prova"));
    sheet::paintSheet(writer.painter(), w, figures);
    return write(file, writer.finish()) ? writer.scale() : 0;
}

double classSetScale(const QRectF &area)
{
    return std::min(
        {1.0, area.width() * 20 / sheet::width, area.height() * 20 / sheet::classSetHeight});
}

// Twips of the sheet as pixels of the page rendered at 72 dpi.
QRect onPage(const QRectF &twips, const QPointF &origin = {}, double scale = 1)
{
    return QRectF(origin + twips.topLeft() * scale / 20, twips.size() * scale / 20).toRect();
}
} // namespace

class TestSheetPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void onePageWithTheHeaderAndInkWhereTheFiguresAre();
    void sheetFitsThePrintableArea_data();
    void sheetFitsThePrintableArea();
    void classSetReadsBack_data();
    void classSetReadsBack();
    void stoppedClassSetGivesNoDocument_data();
    void stoppedClassSetGivesNoDocument();

private:
    QTemporaryDir m_dir;
    FigureCatalogue m_figures;
    RandomSource m_random{17};
};

void TestSheetPdf::initTestCase()
{
    if (!pdftools::available())
        QSKIP("poppler-utils (pdftoppm, pdftotext, pdfinfo) not installed");
    QVERIFY(m_dir.isValid());
}

void TestSheetPdf::onePageWithTheHeaderAndInkWhereTheFiguresAre()
{
    Worksheet w(m_random);
    // Exercise 4 stays empty: its places must leave the paper white.
    for (int e = 1; e <= 3; ++e)
        w.compose(e);
    const QString file = m_dir.filePath(QStringLiteral("cells.pdf"));
    QVERIFY(write(file, sheet::sheetPdf(w, m_figures, wholePage, QStringLiteral("prova"))));

    const QString info = pdftools::info(file);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    const QString text = pdftools::text(file);
    const qsizetype name = text.indexOf(QStringLiteral("Nome e Cognome"));
    const qsizetype instruction = text.indexOf(
        QStringLiteral("Scrivi il segno di relazione ra i due insiemi: < = >"));
    QVERIFY2(name >= 0 && instruction > name, qPrintable(text));

    const QImage page = pdftools::page(file, 72);
    QCOMPARE(page.size(), QSize(595, 842));
    for (int e = 1; e <= 4; ++e) {
        for (auto side : {Side::Left, Side::Right}) {
            for (int slot = 1; slot <= 15; ++slot) {
                const int picture = w.place(side, Worksheet::placeIndex(e, slot)).picture;
                // A blank place is wider than its column: look only where no
                // neighbour reaches.
                const QSize size =
                    (picture > 0 ? FigureCatalogue::pictureSize(picture) : QSize(51, 60)) * 15;
                const QRect cell = onPage(
                                       QRectF(paperCell(e, side == Side::Left, slot), QSizeF(size)))
                                       .adjusted(3, 3, -3, -3);
                const int found = pdftools::ink(page, cell);
                QVERIFY2(picture > 0 ? found > 20 : found == 0,
                         qPrintable(QStringLiteral("exercise %1 side %2 slot %3: %4 dark pixels")
                                        .arg(e)
                                        .arg(int(side))
                                        .arg(slot)
                                        .arg(found)));
            }
        }
    }
}

void TestSheetPdf::sheetFitsThePrintableArea_data()
{
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<double>("scale");
    QTest::newRow("whole page") << wholePage << 1.0;
    QTest::newRow("usual margins") << QRectF(18, 18, 559, 805) << 1.0;
    QTest::newRow("narrow") << QRectF(36, 36, 480, 770) << 480.0 * 20 / 11000;
    QTest::newRow("short") << QRectF(40, 60, 555, 600) << 600.0 * 20 / 15600;
    QTest::newRow("empty means the page") << QRectF() << 1.0;
}

void TestSheetPdf::sheetFitsThePrintableArea()
{
    QFETCH(QRectF, area);
    QFETCH(double, scale);
    Worksheet w(m_random);
    for (int e = 1; e <= 4; ++e)
        w.compose(e);
    const QString file = m_dir.filePath(QStringLiteral("fit.pdf"));
    const double drawnAt = print(w, area, file, m_figures);
    QVERIFY(qAbs(drawnAt - scale) < 1e-6);

    const QImage page = pdftools::page(file, 72);
    const QPointF origin = area.isEmpty() ? QPointF() : area.topLeft();
    // The first box's top-left and the last box's bottom-right corners land
    // where the origin and the scale put them...
    for (const QPointF corner : {QPointF(500, 2000), QPointF(11000, 15600)}) {
        const QRect around = onPage(QRectF(corner - QPointF(40, 40), QSizeF(80, 80)), origin,
                                    drawnAt);
        QVERIFY(pdftools::ink(page, around.adjusted(-1, -1, 1, 1), 250) > 0);
    }
    // ...and nothing is drawn outside the printable area.
    const QRect inside =
        (area.isEmpty() ? QRectF(page.rect()) : area).toAlignedRect().adjusted(-1, -1, 1, 1);
    QCOMPARE(pdftools::ink(page, page.rect(), 250) - pdftools::ink(page, inside, 250), 0);
}

void TestSheetPdf::classSetReadsBack_data()
{
    QTest::addColumn<QRectF>("area");
    QTest::newRow("quarter-inch margins") << PageArea::fallback();
    QTest::newRow("short area, scaled") << QRectF(40, 60, 515, 700);
}

void TestSheetPdf::classSetReadsBack()
{
    QFETCH(QRectF, area);
    const int count = 3;
    Worksheet first(m_random);
    first.composeMissing();
    const ClassSet set(first, count, m_random);
    const QString file = m_dir.filePath(QStringLiteral("classe.pdf"));
    QFile::remove(file);
    QList<int> steps;
    const sheet::ClassSetPdf made = sheet::classSetPdf(
        set, true, m_figures, area, QStringLiteral("classe"), [&](int done, int total) {
            steps << done;
            return total == count + 2;
        });
    QCOMPARE(made.result, sheet::DocumentResult::Ready);
    QCOMPARE(steps, (QList<int>{0, 1, 2, 3, 4}));
    QVERIFY(write(file, made.pdf));
    QCOMPARE(pdftools::pageCount(file), count + 1);

    // What each page shows: its footer, and a figure in exactly the cells of
    // its sheet's figures; from the figures, the signs a pupil writes.
    const double scale = classSetScale(area);
    QList<QStringList> shownSigns;
    for (int n = 1; n <= count; ++n) {
        const QString text = pdftools::text(file, n);
        QVERIFY2(text.contains(QStringLiteral("Nome e Cognome"))
                     && text.contains(QStringLiteral("Scheda %1 di %2").arg(n).arg(count)),
                 qPrintable(text));
        const QImage page = pdftools::page(file, 72, n);
        const QList<bool> cells = pdftools::inkInCells(page, area.topLeft(), scale);
        QList<bool> figures;
        for (int e = 1; e <= 4; ++e)
            for (auto side : {Side::Left, Side::Right})
                for (int slot = 1; slot <= 15; ++slot)
                    figures << (set.sheet(n).place(side, Worksheet::placeIndex(e, slot)).picture
                                > 0);
        QCOMPARE(cells, figures);
        QStringList signs;
        for (int e = 0; e < 4; ++e) {
            const int left = int(cells.mid(30 * e, 15).count(true));
            const int right = int(cells.mid(30 * e + 15, 15).count(true));
            signs << (left < right ? "<" : ">");
        }
        shownSigns << signs;

        // The footer stands below the boxes and inside the printable area.
        const QRect belowBoxes = QRectF(area.left(), area.top() + 15650 * scale / 20, area.width(),
                                        area.bottom() - area.top() - 15650 * scale / 20)
                                     .toAlignedRect();
        QVERIFY(pdftools::ink(page, belowBoxes) > 0);
        QCOMPARE(pdftools::ink(page, page.rect(), 250)
                     - pdftools::ink(page, area.toAlignedRect().adjusted(-1, -1, 1, 1), 250),
                 0);
    }

    const QString solutions = pdftools::text(file, count + 1);
    QVERIFY2(solutions.contains(QStringLiteral("Soluzioni")), qPrintable(solutions));
    const QRegularExpression row(
        QStringLiteral("^\\s*(\\d+)\\s+([<>])\\s+([<>])\\s+([<>])\\s+([<>])\\s*$"),
        QRegularExpression::MultilineOption);
    QList<QStringList> listed;
    for (auto m = row.globalMatch(solutions); m.hasNext();) {
        const QRegularExpressionMatch match = m.next();
        QCOMPARE(match.captured(1).toInt(), int(listed.size()) + 1);
        listed << QStringList{match.captured(2), match.captured(3), match.captured(4),
                              match.captured(5)};
    }
    QCOMPARE(listed, shownSigns);
}

void TestSheetPdf::stoppedClassSetGivesNoDocument_data()
{
    QTest::addColumn<bool>("withSolutions");
    QTest::addColumn<int>("stopAt");
    QTest::newRow("before the first sheet") << true << 0;
    QTest::newRow("before the second sheet") << false << 1;
    QTest::newRow("before the solutions") << true << 3;
    QTest::newRow("before the hand-off") << true << 4;
}

// The set goes whole or not at all: a stop is the last step asked.
void TestSheetPdf::stoppedClassSetGivesNoDocument()
{
    QFETCH(bool, withSolutions);
    QFETCH(int, stopAt);
    Worksheet first(m_random);
    first.composeMissing();
    const ClassSet set(first, 3, m_random);
    int asked = 0;
    const sheet::ClassSetPdf made = sheet::classSetPdf(
        set, withSolutions, m_figures, PageArea::fallback(), QStringLiteral("classe"),
        [&](int done, int) {
            ++asked;
            return done != stopAt;
        });
    QCOMPARE(made.result, sheet::DocumentResult::Stopped);
    QVERIFY(made.pdf.isEmpty());
    QCOMPARE(asked, stopAt + 1);
}

QTEST_MAIN(TestSheetPdf)
#include "tst_sheetpdf.moc"
