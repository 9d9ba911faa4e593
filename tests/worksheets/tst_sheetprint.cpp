// The printed sheet's sequence of printer operations, against a printer
// that writes every call down and can fail where it is told to.
#include "PaperCells.h"

#include "sets/RandomSource.h"
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
    bool endDocument() override { return call("end"); }

private:
    template <class... Args> bool call(const QString &operation, Args... args)
    {
        QString line = operation;
        ((line += QLatin1Char(' ') + QString::number(args)), ...);
        log.append(line);
        const QString name = operation.section(QLatin1Char(' '), 0, 0);
        const int nth = int(log.filter(QRegularExpression("^" + name + "( |$)")).size());
        return !failing.contains(name + ":0") && !failing.contains(name + ":" + QString::number(nth));
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
} // namespace

class TestSheetPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesAsComposed_data();
    void pagesAsComposed();
    void failures_data();
    void failures();
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

QTEST_APPLESS_MAIN(TestSheetPrint)
#include "tst_sheetprint.moc"
