// SPDX-License-Identifier: GPL-3.0-or-later
// Composition of the worksheet's exercises over the two arrays of places,
// their answers, and the sheets of a class set.
#include "sets/RandomSource.h"
#include "worksheets/ClassSet.h"
#include "worksheets/OutputPresses.h"
#include "worksheets/Worksheet.h"

#include <QSet>
#include <QTest>

namespace {
using Side = Worksheet::Side;

QList<int> all(const Worksheet &w)
{
    QList<int> pictures;
    for (int i = 0; i < Worksheet::placeCount; ++i)
        pictures << w.place(Side::Left, i).picture << w.place(Side::Right, i).picture;
    return pictures;
}

// Slots of exercise e whose place holds the given picture.
QList<int> slotsWith(const Worksheet &w, Side side, int e, int picture)
{
    QList<int> slots;
    for (int slot = 1; slot <= 15; ++slot) {
        if (w.place(side, 15 * (e - 1) + slot - 1).picture == picture)
            slots.append(slot);
    }
    return slots;
}
} // namespace

class TestWorksheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void composingTouchesOnlyItsOwnPlaces_data();
    void composingTouchesOnlyItsOwnPlaces();
    void everyCompositionIsAValidExercise();
    void composingTheMissingOnesCompletesTheSheet_data();
    void composingTheMissingOnesCompletesTheSheet();
    void classSetSheets_data();
    void classSetSheets();
    void levelSizes_data();
    void levelSizes();
    void outputPressesStartJobs_data();
    void outputPressesStartJobs();
};

void TestWorksheet::composingTouchesOnlyItsOwnPlaces_data()
{
    QTest::addColumn<int>("exercise");
    QTest::addColumn<bool>("othersComposed");
    for (int e = 0; e <= 5; ++e) {
        QTest::addRow("exercise %d among empty ones", e) << e << false;
        QTest::addRow("exercise %d among composed ones", e) << e << true;
    }
}

void TestWorksheet::composingTouchesOnlyItsOwnPlaces()
{
    QFETCH(int, exercise);
    QFETCH(bool, othersComposed);
    RandomSource random(7);
    Worksheet w(random);
    if (othersComposed) {
        for (int e = 1; e <= 4; ++e)
            w.compose(e);
    }
    const bool valid = exercise >= 1 && exercise <= 4;
    for (int round = 0; round < 20; ++round) {
        const QList<int> before = all(w);
        w.compose(exercise);
        const QList<int> after = all(w);
        // Index i of the list is place i / 2 of Image1 or Image2.
        for (int i = 0; i < after.size(); ++i) {
            if (valid && i / 2 / 15 == exercise - 1)
                QVERIFY(after[i] >= 0 && after[i] <= 12);
            else
                QCOMPARE(after[i], before[i]);
        }
        for (int e = 1; e <= 4; ++e) {
            QCOMPARE(w.isComposed(e), othersComposed || e == exercise);
            QCOMPARE(w.answer(e).isEmpty(), !w.isComposed(e));
        }
    }
    w.reset();
    QCOMPARE(all(w), QList<int>(120, Worksheet::noPicture));
}

void TestWorksheet::everyCompositionIsAValidExercise()
{
    RandomSource random(11);
    Worksheet w(random);
    QSet<int> figures, leftSizes, rightSizes, leftSlots;
    for (int round = 0; round < 3000; ++round) {
        const int e = round % 4 + 1;
        w.compose(e);
        const Worksheet::Composition &c = w.lastComposition();
        QCOMPARE(c.exercise, e);
        QVERIFY(c.figure >= 1 && c.figure <= 12);
        QVERIFY(c.leftSize >= 1 && c.leftSize <= 9);
        QVERIFY(c.rightSize >= 1 && c.rightSize <= 9);
        QVERIFY(c.leftSize != c.rightSize);
        QCOMPARE(w.setSize(Side::Left, e), c.leftSize);
        QCOMPARE(w.setSize(Side::Right, e), c.rightSize);
        QCOMPARE(w.answer(e), c.leftSize < c.rightSize ? QStringLiteral("<") : QStringLiteral(">"));

        // The left set stands on exactly its drawn slots, the right set fills
        // slots 1 to m, every other place of the exercise is blank: nothing
        // is left of an earlier composition.
        QList<int> drawn = c.leftSlots;
        std::sort(drawn.begin(), drawn.end());
        QCOMPARE(QSet<int>(drawn.begin(), drawn.end()).size(), c.leftSize);
        QCOMPARE(slotsWith(w, Side::Left, e, c.figure), drawn);
        QList<int> firstSlots;
        for (int s = 1; s <= c.rightSize; ++s)
            firstSlots.append(s);
        QCOMPARE(slotsWith(w, Side::Right, e, c.figure), firstSlots);
        QCOMPARE(slotsWith(w, Side::Left, e, 0).size(), 15 - c.leftSize);
        QCOMPARE(slotsWith(w, Side::Right, e, 0).size(), 15 - c.rightSize);

        figures.insert(c.figure);
        leftSizes.insert(c.leftSize);
        rightSizes.insert(c.rightSize);
        leftSlots.unite(QSet<int>(drawn.begin(), drawn.end()));
    }
    const QSet<int> oneToNine{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QCOMPARE(figures.size(), 12);
    QCOMPARE(leftSizes, oneToNine);
    QCOMPARE(rightSizes, oneToNine);
    QCOMPARE(leftSlots.size(), 15); // slot 1 and slot 15 included
}

void TestWorksheet::composingTheMissingOnesCompletesTheSheet_data()
{
    QTest::addColumn<QList<int>>("composed");
    QTest::newRow("as the screen opens") << QList<int>{1};
    QTest::newRow("none") << QList<int>{};
    QTest::newRow("first and third") << QList<int>{1, 3};
    QTest::newRow("all four") << QList<int>{1, 2, 3, 4};
}

void TestWorksheet::composingTheMissingOnesCompletesTheSheet()
{
    QFETCH(QList<int>, composed);
    RandomSource random(3);
    Worksheet w(random);
    for (int e : composed)
        w.compose(e);
    const QList<int> before = all(w);
    QList<int> missing;
    for (int e = 1; e <= 4; ++e) {
        if (!composed.contains(e))
            missing << e;
    }
    QCOMPARE(w.composeMissing(), missing);
    // What was composed stays as it was.
    const QList<int> after = all(w);
    for (int i = 0; i < after.size(); ++i) {
        if (composed.contains(i / 2 / 15 + 1))
            QCOMPARE(after[i], before[i]);
    }
    for (int e = 1; e <= 4; ++e)
        QVERIFY(w.isComposed(e));
    QCOMPARE(w.composeMissing(), QList<int>());
}

void TestWorksheet::classSetSheets_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("count");
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("two") << 2 << 2;
    QTest::newRow("a class") << 25 << 25;
    QTest::newRow("the most") << 40 << 40;
    QTest::newRow("none is one") << 0 << 1;
    QTest::newRow("too many") << 41 << 40;
}

void TestWorksheet::classSetSheets()
{
    QFETCH(int, asked);
    QFETCH(int, count);
    RandomSource random(9);
    Worksheet first(random);
    first.composeMissing();
    const QList<int> firstPictures = all(first);
    const ClassSet set(first, asked, random);
    QCOMPARE(set.count(), count);
    // Sheet 1 is the teacher's own, untouched; the others are full sheets
    // of their own.
    QCOMPARE(&set.sheet(1), &first);
    QCOMPARE(all(first), firstPictures);
    QSet<QList<int>> sheets{firstPictures};
    for (int n = 2; n <= count; ++n) {
        for (int e = 1; e <= 4; ++e) {
            QVERIFY(set.sheet(n).isComposed(e));
            QVERIFY(set.sheet(n).setSize(Side::Left, e) != set.sheet(n).setSize(Side::Right, e));
        }
        sheets.insert(all(set.sheet(n)));
    }
    QCOMPARE(sheets.size(), count);
}

void TestWorksheet::levelSizes_data()
{
    QTest::addColumn<SetLevel>("level");
    QTest::addColumn<int>("largest");
    QTest::newRow("fino a 5") << SetLevel::UpTo5 << 5;
    QTest::newRow("fino a 10") << SetLevel::UpTo10 << 9;
    QTest::newRow("fino a 15") << SetLevel::UpTo15 << 15;
}

void TestWorksheet::levelSizes()
{
    QFETCH(SetLevel, level);
    QFETCH(int, largest);
    QSet<int> expected;
    for (int size = 1; size <= largest; ++size)
        expected << size;

    RandomSource random(17);
    Worksheet w(random);
    w.setLevel(level);
    QSet<int> leftSizes, rightSizes;
    for (int round = 0; round < 2000; ++round) {
        const int e = round % 4 + 1;
        w.compose(e);
        const int left = w.setSize(Side::Left, e);
        const int right = w.setSize(Side::Right, e);
        QVERIFY(left != right);
        leftSizes << left;
        rightSizes << right;
    }
    QCOMPARE(leftSizes, expected);
    QCOMPARE(rightSizes, expected);

    // The class set's sheets are composed at the teacher's sheet's level.
    const ClassSet set(w, ClassSet::maxSheets, random);
    QSet<int> classSizes;
    for (int n = 2; n <= set.count(); ++n) {
        for (int e = 1; e <= 4; ++e)
            classSizes << set.sheet(n).setSize(Side::Left, e)
                       << set.sheet(n).setSize(Side::Right, e);
    }
    QCOMPARE(classSizes, expected);
}

void TestWorksheet::outputPressesStartJobs_data()
{
    // Press times in ms and which of them start a job, with a double-click
    // interval of 400 ms.
    QTest::addColumn<QList<qint64>>("presses");
    QTest::addColumn<QList<bool>>("starts");
    QTest::newRow("one press") << QList<qint64>{1000} << QList<bool>{true};
    QTest::newRow("a double click") << QList<qint64>{1000, 1080} << QList<bool>{true, false};
    QTest::newRow("at the interval's end") << QList<qint64>{1000, 1400} << QList<bool>{true, false};
    QTest::newRow("just after the interval")
        << QList<qint64>{1000, 1401} << QList<bool>{true, true};
    // The interval counts from the press that started the job, not from
    // the presses that belonged to it.
    QTest::newRow("a triple click, then a press of its own")
        << QList<qint64>{1000, 1080, 1160, 1450} << QList<bool>{true, false, false, true};
    QTest::newRow("two double clicks")
        << QList<qint64>{1000, 1080, 2000, 2080} << QList<bool>{true, false, true, false};
    QTest::newRow("a clock that went back")
        << QList<qint64>{1000, 900, 950} << QList<bool>{true, true, false};
    QTest::newRow("from zero") << QList<qint64>{0, 0, 401} << QList<bool>{true, false, true};
}

void TestWorksheet::outputPressesStartJobs()
{
    QFETCH(QList<qint64>, presses);
    QFETCH(QList<bool>, starts);
    OutputPresses rule;
    QList<bool> seen;
    for (const qint64 at : presses)
        seen.append(rule.startsJob(at, 400));
    QCOMPARE(seen, starts);
}

QTEST_APPLESS_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
