// SPDX-License-Identifier: GPL-3.0-or-later
// The printed sheet's layout: every slot's place on paper against the
// paper's own cells, the class set's footer at the bottom of the printable
// area, and a solutions table that stays inside the sheet for forty sheets.
#include "PaperCells.h"

#include "worksheets/SheetPrint.h"

#include <QTest>

class TestSheetPrint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotPlacesAreThePapersCells_data();
    void slotPlacesAreThePapersCells();
    void footerStandsAtTheBottom_data();
    void footerStandsAtTheBottom();
    void solutionsStayInsideTheSheet();
};

void TestSheetPrint::slotPlacesAreThePapersCells_data()
{
    QTest::addColumn<int>("exercise");
    QTest::addColumn<bool>("leftSet");
    for (int e = 1; e <= 4; ++e) {
        for (bool left : {true, false})
            QTest::addRow("exercise %d %s", e, left ? "left" : "right") << e << left;
    }
}

void TestSheetPrint::slotPlacesAreThePapersCells()
{
    QFETCH(int, exercise);
    QFETCH(bool, leftSet);
    const auto &slots = (leftSet ? sheet::paperLeftSetSlots
                                 : sheet::paperRightSetSlots)[exercise - 1];
    for (int slot = 1; slot <= 15; ++slot)
        QCOMPARE(slots[slot - 1], paperCell(exercise, leftSet, slot));
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
    QCOMPARE(sheet::footerTop(areaHeight), top);
    QVERIFY(top > sheet::height);
}

// Every cell's text starts inside its cell, and the table ends above the
// footer's band, for the largest class set.
void TestSheetPrint::solutionsStayInsideTheSheet()
{
    using L = sheet::SolutionsLayout;
    const QStringList headings = L::headings();
    QCOMPARE(headings.size(), L::columnCount);
    for (int c = 0; c < L::columnCount; ++c) {
        for (const QString &text : {headings[c], QStringLiteral("40"), QStringLiteral("<")}) {
            const int x = L::centredLeft(L::columnLeft(c), L::columnWidths[c], text);
            QVERIFY2(x > L::columnLeft(c) && x < L::columnLeft(c + 1), qPrintable(text));
        }
    }
    QVERIFY(L::right() <= sheet::width);
    QVERIFY(L::bottom(40) <= sheet::height - sheet::footerBand);
}

QTEST_APPLESS_MAIN(TestSheetPrint)
#include "tst_sheetprint.moc"
