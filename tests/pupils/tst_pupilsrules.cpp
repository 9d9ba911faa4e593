// SPDX-License-Identifier: GPL-3.0-or-later
// How the names of "Chi sei?" flow into columns and how the arrow keys move.
#include "pupils/NameGrid.h"

#include <QTest>

using namegrid::Step;
Q_DECLARE_METATYPE(Step)

class TestPupilsRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columns_data();
    void columns();
    void steps_data();
    void steps();
};

void TestPupilsRules::columns_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("columns");
    // Columns of at least 100, at most 5.
    QTest::newRow("a guest alone") << 1 << 1000 << 1;
    QTest::newRow("three names, wide") << 3 << 1000 << 3;
    QTest::newRow("thirty names, wide") << 31 << 1000 << 5;
    QTest::newRow("thirty names, 350 wide") << 31 << 350 << 3;
    QTest::newRow("narrower than a column") << 31 << 40 << 1;
    QTest::newRow("no width yet") << 31 << 0 << 1;
}

void TestPupilsRules::columns()
{
    QFETCH(int, count);
    QFETCH(int, width);
    QFETCH(int, columns);
    QCOMPARE(namegrid::columnsFor(count, width, 100, 5), columns);
}

void TestPupilsRules::steps_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::addColumn<Step>("direction");
    QTest::addColumn<int>("expected");
    // 11 buttons in 4 columns:  0 1 2 3 / 4 5 6 7 / 8 9 10
    QTest::newRow("right goes on to the next row") << 3 << 11 << 4 << Step::Right << 4;
    QTest::newRow("left goes back to the row before") << 4 << 11 << 4 << Step::Left << 3;
    QTest::newRow("left stops at the first") << 0 << 11 << 4 << Step::Left << 0;
    QTest::newRow("right stops at the last") << 10 << 11 << 4 << Step::Right << 10;
    QTest::newRow("down keeps the column") << 1 << 11 << 4 << Step::Down << 5;
    QTest::newRow("down into a short last row") << 7 << 11 << 4 << Step::Down << 10;
    QTest::newRow("down from the last row stays") << 9 << 11 << 4 << Step::Down << 9;
    QTest::newRow("up keeps the column") << 9 << 11 << 4 << Step::Up << 5;
    QTest::newRow("up from the first row stays") << 2 << 11 << 4 << Step::Up << 2;
    QTest::newRow("home") << 6 << 11 << 4 << Step::First << 0;
    QTest::newRow("end: the guest") << 6 << 11 << 4 << Step::Last << 10;
    QTest::newRow("one column: down is next") << 2 << 5 << 1 << Step::Down << 3;
    QTest::newRow("an index past the end comes back") << 20 << 5 << 1 << Step::Up << 3;
}

void TestPupilsRules::steps()
{
    QFETCH(int, index);
    QFETCH(int, count);
    QFETCH(int, columns);
    QFETCH(Step, direction);
    QFETCH(int, expected);
    QCOMPARE(namegrid::step(index, count, columns, direction), expected);
}

QTEST_APPLESS_MAIN(TestPupilsRules)
#include "tst_pupilsrules.moc"
