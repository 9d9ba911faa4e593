// SPDX-License-Identifier: GPL-3.0-or-later
// Slot drawing and reseeding.
#include "sets/RandomSource.h"

#include <QSet>
#include <QTest>
#include <algorithm>

class TestSetsRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotsAreDistinctAndInRange();
    void reseedingInATightLoopKeepsDrawsApart();
};

void TestSetsRules::slotsAreDistinctAndInRange()
{
    RandomSource random(7919);
    for (int n = 1; n <= 15; ++n) { // the largest level fills every slot
        for (int round = 0; round < 300; ++round) {
            const QList<int> slots = drawDistinctSlots(n, random);
            const QSet<int> distinct(slots.begin(), slots.end());
            QCOMPARE(slots.size(), n);
            QCOMPARE(distinct.size(), n);
            QVERIFY(*std::min_element(slots.begin(), slots.end()) >= 1);
            QVERIFY(*std::max_element(slots.begin(), slots.end()) <= 15);
        }
    }
}

void TestSetsRules::reseedingInATightLoopKeepsDrawsApart()
{
    // The drill reseeds before the figure, the left size and the right size;
    // a seed that repeats within the loop would make every pair equal.
    constexpr int exercises = 2000;
    int equal = 0;
    QSet<int> sizes;
    RandomSource random;
    for (int i = 0; i < exercises; ++i) {
        random.reseedFromClock();
        random.draw(12, 1);
        random.reseedFromClock();
        const int left = random.draw(9, 2);
        random.reseedFromClock();
        const int right = random.draw(9, 2);
        equal += left == right;
        sizes << left << right;
    }
    // About 1 in 9 pairs are equal: half of them is tens of standard
    // deviations away, and a size missing from 4000 draws is as unlikely.
    QVERIFY2(equal < exercises / 2, qPrintable(QStringLiteral("%1 equal pairs").arg(equal)));
    QCOMPARE(sizes, (QSet<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));

    // The same bound catches a source restarted from one seed each time.
    RandomSource restarted;
    int restartedEqual = 0;
    for (int i = 0; i < 100; ++i) {
        restarted.seed(42);
        const int left = restarted.draw(9, 2);
        restarted.seed(42);
        restartedEqual += left == restarted.draw(9, 2);
    }
    QVERIFY(restartedEqual >= 100 / 2);
}

QTEST_APPLESS_MAIN(TestSetsRules)
#include "tst_setsrules.moc"
