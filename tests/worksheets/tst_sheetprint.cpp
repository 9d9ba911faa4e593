// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet's sequence of printer operations, against a printer
// that writes every call down and can fail where it is told to: one sheet
// as "STAMPA" prints it, and a class set with footers and solutions.
#include "PaperCells.h"

#include "sets/RandomSource.h"
#include "worksheets/ClassSet.h"
#include "worksheets/SheetPrint.h"
#include "worksheets/Worksheet.h"

#include <QTest>

namespace {
using Side = Worksheet::Side;

// Fails at the n-th call of an operation ("line:5"), or at every call ("line:0").
class RecordingDevice : public SheetDevice
{
public:
    QStringList log;
    QStringList failing;

    bool setPrintPosition(int x, int y) override { return call("position", x, y); }
    bool setFontSize(double points) override { return call("font", int(points)); }
    bool printText(const QString &text) override { return call("text " + text); }
    bool setLineWidth(int units) override { return call("width", units); }
    bool drawLine(QPoint a, QPoint b, quint32 rgb) override
    {
        return call("line", a.x(), a.y(), b.x(), b.y(), int(rgb));
    }
    bool paintPicture(int index, QSize size, QPoint at) override
    {
        return call("picture", index, size.width(), size.height(), at.x(), at.y());
    }
    bool newPage() override { return call("page"); }
    bool endDocument() override { return call("end"); }

private:
    QHash<QString, int> m_calls;

    template <class... Args> bool call(const QString &operation, Args... args)
    {
        QString line = operation;
        ((line += QLatin1Char(' ') + QString::number(args)), ...);
        log.append(line);
        const QString name = operation.section(QLatin1Char(' '), 0, 0);
        const int nth = ++m_calls[name];
        return !failing.contains(name + ":0")
            && !failing.contains(name + ":" + QString::number(nth));
    }
};

QSize fakeSize(int index)
{
    return {40 + index, 50 + index};
}

Worksheet &fullSheet()
{
    static RandomSource random(21);
    static Worksheet w(random);
    if (!w.isComposed(4)) {
        for (int e = 1; e <= 4; ++e)
            w.compose(e);
    }
    return w;
}

// The whole page, written out from the layout of the paper.
QStringList expectedPage(const Worksheet &w)
{
    QStringList page{"position 1000 1000", "font 14", "text Nome e Cognome   ",
                     "position 1000 1500", "font 12",
                     "text Scrivi il segno di relazione ra i due insiemi: < = >", "width 3"};
    const int tops[] = {2000, 5500, 9000, 12500};
    for (int e = 1; e <= 4; ++e) {
        const int t = tops[e - 1], b = t + 3100;
        for (auto side : {Side::Left, Side::Right}) {
            const int l = side == Side::Left ? 500 : 6000, r = l + 5000;
            page << QStringLiteral("line %1 %2 %3 %2 0").arg(l).arg(t).arg(r)
                 << QStringLiteral("line %1 %2 %1 %3 0").arg(l).arg(t).arg(b)
                 << QStringLiteral("line %1 %2 %1 %3 0").arg(r).arg(t).arg(b)
                 << QStringLiteral("line %1 %2 %3 %2 0").arg(l).arg(b).arg(r);
            for (int slot = 1; slot <= 15; ++slot) {
                const int picture = w.place(side, 15 * (e - 1) + slot - 1).picture;
                if (picture == Worksheet::noPicture)
                    continue;
                const QPoint at = paperCell(e, side == Side::Left, slot);
                page << QStringLiteral("picture %1 %2 %3 %4 %5")
                            .arg(picture)
                            .arg(40 + picture)
                            .arg(50 + picture)
                            .arg(at.x())
                            .arg(at.y());
            }
        }
    }
    return page << "end";
}

// The sign a pupil writes, from the sizes of the two sets as the places
// hold them, counted here apart from the program's own answer.
QString expectedSign(const Worksheet &w, int e)
{
    int left = 0, right = 0;
    for (int slot = 1; slot <= 15; ++slot) {
        left += w.place(Side::Left, 15 * (e - 1) + slot - 1).picture > 0;
        right += w.place(Side::Right, 15 * (e - 1) + slot - 1).picture > 0;
    }
    return left < right ? "<" : ">";
}

// The texts of a page by line, each line's texts from left to right, with
// the positions they were printed at.
struct PrintedText
{
    QPoint at;
    QString text;
};

QList<QList<PrintedText>> linesOf(const QStringList &page)
{
    QMap<int, QMap<int, QString>> byRow;
    QPoint at;
    for (const QString &entry : page) {
        const QStringList parts = entry.split(QLatin1Char(' '));
        if (parts[0] == "position")
            at = {parts[1].toInt(), parts[2].toInt()};
        else if (parts[0] == "text")
            byRow[at.y()][at.x()] = entry.mid(5);
    }
    QList<QList<PrintedText>> lines;
    for (auto row = byRow.cbegin(); row != byRow.cend(); ++row) {
        QList<PrintedText> line;
        for (auto cell = row->cbegin(); cell != row->cend(); ++cell)
            line.append({{cell.key(), row.key()}, cell.value()});
        lines.append(line);
    }
    return lines;
}
} // namespace

class TestSheetPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesAsComposed_data();
    void pagesAsComposed();
    void failures_data();
    void failures();
    void classSetPages_data();
    void classSetPages();
    void footerStandsAtTheBottom_data();
    void footerStandsAtTheBottom();
    void classSetGoesWholeOrNotAtAll_data();
    void classSetGoesWholeOrNotAtAll();
};

void TestSheetPrint::pagesAsComposed_data()
{
    QTest::addColumn<QList<int>>("composed");
    QTest::newRow("all four") << QList<int>{1, 2, 3, 4};
    QTest::newRow("first and third") << QList<int>{1, 3};
    QTest::newRow("none") << QList<int>{};
}

void TestSheetPrint::pagesAsComposed()
{
    QFETCH(QList<int>, composed);
    RandomSource random(4);
    Worksheet w(random);
    for (int e : composed)
        w.compose(e);
    RecordingDevice device;
    QStringList messages;
    const sheet::Outcome o =
        sheet::print(w, device, fakeSize, [&](const QString &m) { messages << m; });
    QCOMPARE(device.log, expectedPage(w));
    QCOMPARE(device.log.size(), 6 + 1 + 32 + 30 * int(composed.size()) + 1);
    QCOMPARE(o.picturesPainted, 30 * int(composed.size()));
    QVERIFY(messages.isEmpty());
    QVERIFY(!o.headerFailed && !o.bodyFailed && !o.endFailed);
}

void TestSheetPrint::failures_data()
{
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("drawn"); // entries of the full page logged before "end"
    QTest::addColumn<QStringList>("skipped"); // header entries not reached

    const int whole = 6 + 1 + 32 + 120;
    const QStringList header = expectedPage(fullSheet()).mid(0, 6);
    QTest::newRow("first position") << QStringList{"position:1"} << 1 << whole
                                    << header.mid(1);
    QTest::newRow("name line font") << QStringList{"font:1"} << 1 << whole << header.mid(2);
    QTest::newRow("instruction") << QStringList{"text:2"} << 1 << whole << QStringList();
    QTest::newRow("line width") << QStringList{"width:1"} << 0 << 7 << QStringList();
    QTest::newRow("first line") << QStringList{"line:1"} << 0 << 8 << QStringList();
    QTest::newRow("right box") << QStringList{"line:5"} << 0 << 7 + 19 + 1 << QStringList();
    QTest::newRow("a right picture") << QStringList{"picture:16"} << 0 << 7 + 23 + 1
                                     << QStringList();
    QTest::newRow("last picture") << QStringList{"picture:120"} << 0 << whole << QStringList();
    QTest::newRow("end") << QStringList{"end:1"} << 1 << whole << QStringList();
    QTest::newRow("header and end") << QStringList{"text:1", "end:1"} << 1 << whole
                                    << header.mid(3);
    QTest::newRow("body and end") << QStringList{"line:9", "end:1"} << 1 << 7 + 38 + 1
                                  << QStringList();
    QTest::newRow("everything") << QStringList{"position:0", "width:0", "end:0"} << 1 << 7
                                << header.mid(1);
}

void TestSheetPrint::failures()
{
    QFETCH(QStringList, failing);
    QFETCH(int, messages);
    QFETCH(int, drawn);
    QFETCH(QStringList, skipped);

    RecordingDevice device;
    device.failing = failing;
    QStringList shown;
    sheet::print(fullSheet(), device, fakeSize, [&](const QString &m) { shown << m; });

    // The header stops at its failure, the body at its own; the document
    // always ends, once; the teacher hears of a failure at most once.
    QStringList expected = expectedPage(fullSheet()).mid(0, drawn);
    for (const QString &s : skipped)
        expected.removeOne(s);
    QCOMPARE(device.log, expected << "end");
    QCOMPARE(shown, QStringList(messages, "Problema di stampa nella stampante utilizzata."));
}

void TestSheetPrint::classSetPages_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("withSolutions");
    QTest::newRow("one sheet") << 1 << false;
    QTest::newRow("three with solutions") << 3 << true;
    QTest::newRow("forty with solutions") << 40 << true;
}

// Each sheet is the page "STAMPA" prints plus its footer; the solutions
// page lists every sheet with the signs its sets call for, inside the
// sheet's extent even for forty sheets.
void TestSheetPrint::classSetPages()
{
    QFETCH(int, count);
    QFETCH(bool, withSolutions);
    const int area = 16118; // A4 less quarter-inch margins
    RandomSource random(33);
    Worksheet first(random);
    first.composeMissing();
    const ClassSet set(first, count, random);
    QCOMPARE(set.count(), count);
    QCOMPARE(&set.sheet(1), &first);

    RecordingDevice device;
    QList<int> steps;
    const sheet::DocumentResult result = sheet::printClassSet(
        set, withSolutions, device, fakeSize, area, [&](int done, int total) {
            steps << done;
            return total == count + withSolutions + 1;
        });
    QCOMPARE(result, sheet::DocumentResult::Delivered);
    QCOMPARE(steps.size(), count + withSolutions + 1);
    QCOMPARE(steps.last(), count + withSolutions);

    QList<QStringList> pages{{}};
    for (const QString &entry : device.log) {
        if (entry == "page")
            pages.append(QStringList());
        else if (entry != "end")
            pages.last().append(entry);
    }
    QCOMPARE(device.log.last(), QStringLiteral("end"));
    QCOMPARE(device.log.count("end"), 1);
    QCOMPARE(pages.size(), count + withSolutions);
    for (int n = 1; n <= count; ++n) {
        const QStringList footer{"font 9", QStringLiteral("position 500 %1").arg(area - 260),
                                 QStringLiteral("text Scheda %1 di %2").arg(n).arg(count)};
        QStringList page = expectedPage(set.sheet(n));
        page.removeLast(); // the document ends once, after the last page
        QCOMPARE(pages[n - 1], page + footer);
        for (int e = 1; e <= 4; ++e)
            QVERIFY(set.sheet(n).isComposed(e));
    }
    if (!withSolutions)
        return;

    const QStringList solutions = pages.last();
    const QList<QList<PrintedText>> lines = linesOf(solutions);
    QCOMPARE(lines.size(), 1 + 1 + count); // title, headings, a row per sheet
    QCOMPARE(lines[0].first().text, QStringLiteral("Soluzioni"));
    QStringList headings;
    for (const PrintedText &t : lines[1])
        headings << t.text;
    QCOMPARE(
        headings,
        (QStringList { "Scheda", "Esercizio 1", "Esercizio 2", "Esercizio 3", "Esercizio 4" }));
    for (int n = 1; n <= count; ++n) {
        const QList<PrintedText> &row = lines[1 + n];
        QCOMPARE(row.size(), 5);
        QCOMPARE(row[0].text, QString::number(n));
        for (int e = 1; e <= 4; ++e) {
            QCOMPARE(row[e].text, expectedSign(set.sheet(n), e));
            // Each sign in its exercise's column, under its heading.
            QVERIFY(qAbs(row[e].at.x() - lines[1][e].at.x()) < 700);
        }
    }
    // The table fits the sheet's extent: nothing beyond 11000 x 15600.
    for (const QString &entry : solutions) {
        const QStringList parts = entry.split(QLatin1Char(' '));
        if (parts[0] == "line" || parts[0] == "position") {
            for (int i = 1; i + 1 < parts.size() && i <= 4; i += 2)
                QVERIFY2(parts[i].toInt() >= 0 && parts[i].toInt() <= 11000
                             && parts[i + 1].toInt() >= 0 && parts[i + 1].toInt() <= 15600 - 300,
                         qPrintable(entry));
        }
    }
}

void TestSheetPrint::footerStandsAtTheBottom_data()
{
    QTest::addColumn<int>("areaHeight");
    QTest::addColumn<int>("top");
    QTest::newRow("quarter-inch margins") << 16118 << 15858;
    QTest::newRow("5 mm margins") << 16271 << 16011;
    QTest::newRow("just the class set's height") << 15900 << 15640;
    // Never over the boxes, however short the area says it is.
    QTest::newRow("shorter than the set") << 15000 << 15640;
    QTest::newRow("nothing known") << 0 << 15640;
}

void TestSheetPrint::footerStandsAtTheBottom()
{
    QFETCH(int, areaHeight);
    QFETCH(int, top);
    RecordingDevice device;
    QVERIFY(sheet::printFooter(device, 7, 12, areaHeight));
    QCOMPARE(device.log, (QStringList{"font 9", QStringLiteral("position 500 %1").arg(top),
                                      "text Scheda 7 di 12"}));
    QVERIFY(top > 15600);
}

void TestSheetPrint::classSetGoesWholeOrNotAtAll_data()
{
    QTest::addColumn<QStringList>("failing");
    QTest::addColumn<int>("stopAt"); // the progress step answered false, or -1
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("pagesBegun"); // new pages asked for
    using R = sheet::DocumentResult;
    // Three sheets of 120 places and 32 lines each, then the solutions.
    QTest::newRow("second page") << QStringList{"page:1"} << -1 << int(R::Failed) << 1;
    QTest::newRow("a picture of the third sheet")
        << QStringList { "picture:250" } << -1 << int(R::Failed) << 2;
    QTest::newRow("the last footer") << QStringList{"text:9"} << -1 << int(R::Failed) << 2;
    QTest::newRow("solutions page") << QStringList{"page:3"} << -1 << int(R::Failed) << 3;
    QTest::newRow("a solutions line") << QStringList{"line:100"} << -1 << int(R::Failed) << 3;
    QTest::newRow("refused at the end") << QStringList{"end:1"} << -1 << int(R::Failed) << 3;
    QTest::newRow("stopped before sheet 2") << QStringList() << 1 << int(R::Stopped) << 0;
    QTest::newRow("stopped before the hand-off") << QStringList() << 4 << int(R::Stopped) << 3;
}

void TestSheetPrint::classSetGoesWholeOrNotAtAll()
{
    QFETCH(QStringList, failing);
    QFETCH(int, stopAt);
    QFETCH(int, result);
    QFETCH(int, pagesBegun);
    RandomSource random(5);
    Worksheet first(random);
    first.composeMissing();
    const ClassSet set(first, 3, random);
    RecordingDevice device;
    device.failing = failing;
    const sheet::DocumentResult r = sheet::printClassSet(
        set, true, device, fakeSize, 16118, [&](int done, int) { return done != stopAt; });
    QCOMPARE(int(r), result);
    // A document never ended is never handed on; drawing stops at the
    // failure or the stop.
    const bool refusedAtEnd = failing.contains("end:1");
    QCOMPARE(device.log.count("end"), refusedAtEnd ? 1 : 0);
    if (!refusedAtEnd && !failing.isEmpty()) {
        const QString name = failing.first().section(QLatin1Char(':'), 0, 0);
        QVERIFY(device.log.last().startsWith(name));
    }
    QCOMPARE(device.log.count("page"), pagesBegun);
}

QTEST_APPLESS_MAIN(TestSheetPrint)
#include "tst_sheetprint.moc"
