// Slot drawing, reseeding and the score and timing numbers.
#include "sets/RandomSource.h"
#include "sets/ScoreTiming.h"

#include <QLocale>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <limits>

namespace {
constexpr qint64 second = 1'000'000'000;
constexpr qint64 largest = std::numeric_limits<qint64>::max();
} // namespace

class TestSetsRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void slotsAreDistinctAndInRange();
    void reseedingInATightLoopKeepsDrawsApart();
    void answerTimes_data();
    void answerTimes();
    void totalCapsOnItsOwnAndKeepsGrowing();
    void clockGoingBackOrMissingStart();
    void countsPassSixteenBitsAndKeepTheirForm();
};

void TestSetsRules::slotsAreDistinctAndInRange()
{
    RandomSource random(7919);
    for (int n = 1; n <= 10; ++n) {
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
    RandomSource &random = RandomSource::shared();
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

void TestSetsRules::answerTimes_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2.99 s") << qint64(2'990'000'000) << QStringLiteral("2");
    QTest::newRow("under a second") << qint64(999'999'999) << QStringLiteral("0");
    QTest::newRow("998.99 s") << qint64(998'990'000'000) << QStringLiteral("998");
    QTest::newRow("999 s") << 999 * second << QStringLiteral("999");
    QTest::newRow("an hour") << 3600 * second << QStringLiteral("999");
}

void TestSetsRules::answerTimes()
{
    QFETCH(qint64, elapsed);
    QFETCH(QString, shown);
    qint64 now = 86'399 * second; // the last second before midnight
    ScoreTiming score([&now] { return now; });
    score.start();
    now += elapsed;
    QCOMPARE(score.recordAnswer(), elapsed / second);
    QCOMPARE(score.answerText(), shown);
    QCOMPARE(score.totalText(), shown); // the first answer shows the same twice
}

void TestSetsRules::totalCapsOnItsOwnAndKeepsGrowing()
{
    qint64 now = 0;
    ScoreTiming score([&now] { return now; });
    QVERIFY(score.answerText().isEmpty() && score.totalText().isEmpty());
    const struct
    {
        qint64 seconds;
        const char *answer, *total;
    } answers[] = {{600, "600", "600"}, {398, "398", "998"}, {1, "1", "999"},
                   {5, "5", "999"},     {2000, "999", "999"}};
    for (const auto &a : answers) {
        score.start();
        now += a.seconds * second + second / 2;
        score.recordAnswer();
        QCOMPARE(score.answerText(), QString::fromLatin1(a.answer));
        QCOMPARE(score.totalText(), QString::fromLatin1(a.total));
    }
    QCOMPARE(*score.totalSeconds(), qint64(600 + 398 + 1 + 5 + 2000));
}

void TestSetsRules::clockGoingBackOrMissingStart()
{
    qint64 now = 77 * second;
    ScoreTiming score([&now] { return now; });
    QCOMPARE(score.recordAnswer(), qint64(0)); // never started
    score.start();
    now = std::numeric_limits<qint64>::min();
    QCOMPARE(score.recordAnswer(), qint64(0));
    // The widest span of the clock neither overflows nor turns negative.
    score.start();
    now = largest;
    QVERIFY(score.recordAnswer() > 0);
    QCOMPARE(score.answerText(), QStringLiteral("999"));
}

void TestSetsRules::countsPassSixteenBitsAndKeepTheirForm()
{
    ScoreTiming score(nullptr);
    for (int i = 0; i < 40000; ++i) {
        score.nextExercise();
        score.countRight();
        if (i % 2)
            score.countWrong();
    }
    QCOMPARE(score.exercise(), qint64(40000));
    QCOMPARE(score.wrong(), qint64(20000));
    Tally tally(largest - 1);
    tally.add();
    tally.add();
    QCOMPARE(tally.value(), largest);

    // Plain digits whatever the locale: no grouping, a minus when negative.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    QCOMPARE(ScoreTiming::decimal(score.right()), QStringLiteral("40000"));
    QCOMPARE(ScoreTiming::decimal(-42), QStringLiteral("-42"));
    QCOMPARE(ScoreTiming::capped(1234567), QStringLiteral("999"));
    QLocale::setDefault(QLocale::c());
}

QTEST_APPLESS_MAIN(TestSetsRules)
#include "tst_setsrules.moc"
