// SPDX-License-Identifier: GPL-3.0-or-later
// The relation drill's rules: verdicts, corrections, the state table, draws
// and timing.
#include "drill/RelationDrill.h"
#include "sets/RandomSource.h"
#include "drill/ScoreTiming.h"

#include <QLocale>
#include <QSet>
#include <QTest>
#include <functional>
#include <limits>

using Sign = RelationDrill::Sign;
using Phase = RelationDrill::Phase;

namespace {
constexpr qint64 second = 1'000'000'000;
constexpr qint64 largest = std::numeric_limits<qint64>::max();

QList<int> enabledOptions(const RelationDrill &drill)
{
    QList<int> result;
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        if (drill.isEnabled(i))
            result << i;
    }
    return result;
}

// A drill with a seeded source and a clock the test moves.
struct Bench
{
    RandomSource random{2024};
    qint64 now = 0;
    RelationDrill drill{random, [this] { return now; }};

    bool exerciseWhere(const std::function<bool(int, int)> &wanted)
    {
        for (int tries = 0; tries < 500; ++tries) {
            drill.newExercise();
            if (wanted(drill.leftSize(), drill.rightSize()))
                return true;
        }
        return false;
    }
};
} // namespace

class TestDrillRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void verdictAndCorrection_data();
    void verdictAndCorrection();
    void stateTableAndChoicesOutOfTurn();
    void countsAndTimes();
    void draws();
    void levelSizes_data();
    void levelSizes();
    void answerTimes_data();
    void answerTimes();
    void totalCapsOnItsOwnAndKeepsGrowing();
    void clockGoingBackOrMissingStart();
    void countsPassSixteenBitsAndKeepTheirForm();
};

void TestDrillRules::verdictAndCorrection_data()
{
    QTest::addColumn<int>("relation"); // of left to right: -1, 0, 1
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("correction");
    const char *corrections[] = {"<", "=", ">"};
    for (int relation = -1; relation <= 1; ++relation) {
        for (int option = 0; option < 3; ++option) {
            const bool right = option == relation + 1;
            QTest::addRow("%s with %s", corrections[relation + 1], corrections[option])
                << relation << option << right << QString::fromLatin1(corrections[relation + 1]);
        }
    }
}

void TestDrillRules::verdictAndCorrection()
{
    QFETCH(int, relation);
    QFETCH(int, option);
    QFETCH(bool, right);
    QFETCH(QString, correction);
    Bench bench;
    RelationDrill &d = bench.drill;
    QVERIFY(bench.exerciseWhere([&](int l, int r) { return (l > r) - (l < r) == relation; }));
    QVERIFY(d.chooseSign(RelationDrill::signOf(option)));
    QVERIFY(d.verify());
    QCOMPARE(d.isRight(), right);
    QCOMPARE(RelationDrill::text(d.correction()), correction);
    QCOMPARE(d.score().right(), right ? 1 : 0);
    QCOMPARE(d.score().wrong(), right ? 0 : 1);
}

void TestDrillRules::stateTableAndChoicesOutOfTurn()
{
    Bench bench;
    RelationDrill &d = bench.drill;
    QVERIFY(enabledOptions(d).isEmpty());
    QVERIFY(!d.chooseSign(Sign::Less)); // no exercise yet

    d.newExercise();
    QCOMPARE(enabledOptions(d), (QList<int>{0, 1, 2}));
    QCOMPARE(d.focusOption(), RelationDrill::optLess);
    QVERIFY(!d.verify()); // no sign yet
    QVERIFY(!d.chooseSign(Sign::None));

    QVERIFY(bench.exerciseWhere([](int l, int r) { return l > r; }));
    for (Sign s : {Sign::Less, Sign::Equal, Sign::Greater}) {
        QVERIFY(d.chooseSign(s));
        QCOMPARE(enabledOptions(d), (QList<int>{0, 1, 2, 3}));
        QCOMPARE(d.focusOption(), RelationDrill::optVerify);
    }
    QVERIFY(d.verify());
    QVERIFY(d.isRight()); // the last sign counts
    QCOMPARE(enabledOptions(d), (QList<int>{4, 5}));
    QCOMPARE(d.focusOption(), RelationDrill::optNext);
    QVERIFY(!d.verify()); // judged once only
    QVERIFY(!d.chooseSign(Sign::Less));
    QCOMPARE(d.sign(), Sign::Greater);

    d.newExercise();
    QCOMPARE(d.phase(), Phase::WaitingForSign);
    QCOMPARE(d.sign(), Sign::None);
}

void TestDrillRules::countsAndTimes()
{
    Bench bench;
    RelationDrill &d = bench.drill;
    bench.now = 1000 * second;
    d.newExercise();
    bench.now += 2990 * second / 1000;
    d.chooseSign(d.correction());
    d.verify();
    QCOMPARE(d.score().answerText(), QStringLiteral("2"));

    // The time runs from the drawing, through every change of sign.
    d.newExercise();
    bench.now += 5 * second;
    d.chooseSign(Sign::Less);
    bench.now += 5 * second;
    d.chooseSign(Sign::Greater);
    d.verify();
    QCOMPARE(d.score().answerText(), QStringLiteral("10"));
    QCOMPARE(d.score().totalText(), QStringLiteral("12"));

    // Exercises left without a verdict are counted neither way.
    d.newExercise();
    d.newExercise();
    QCOMPARE(d.score().exercise(), qint64(4));
    QCOMPARE(d.score().right() + d.score().wrong(), qint64(2));
}

void TestDrillRules::draws()
{
    Bench bench, twin;
    QSet<int> figures, leftSizes, rightSizes;
    int equal = 0;
    for (int i = 0; i < 3000; ++i) {
        bench.now = twin.now = i * second / 3;
        bench.drill.newExercise();
        twin.drill.newExercise();
        const RelationDrill &d = bench.drill;
        for (const QList<int> *slots : {&d.leftSlots(), &d.rightSlots()}) {
            QCOMPARE(QSet<int>(slots->begin(), slots->end()).size(), slots->size());
            for (int s : *slots)
                QVERIFY(s >= 1 && s <= 15);
        }
        QCOMPARE(d.leftSlots().size(), d.leftSize());
        QCOMPARE(d.rightSlots().size(), d.rightSize());
        // Same seed and clock, same exercise: runs can be replayed.
        QCOMPARE(twin.drill.leftSlots(), d.leftSlots());
        QCOMPARE(twin.drill.rightSlots(), d.rightSlots());
        figures << d.figure();
        leftSizes << d.leftSize();
        rightSizes << d.rightSize();
        equal += d.leftSize() == d.rightSize();
    }
    QCOMPARE(figures, (QSet<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    const QSet<int> all{2, 3, 4, 5, 6, 7, 8, 9, 10};
    QCOMPARE(leftSizes, all);
    QCOMPARE(rightSizes, all);
    QVERIFY2(equal > 150 && equal < 600, qPrintable(QString::number(equal))); // about 333

    // As the program makes it: a source seeded from the clock, the steady
    // clock, in a tight loop.
    RandomSource programSource;
    programSource.reseedFromClock();
    RelationDrill drill(programSource);
    equal = 0;
    for (int i = 0; i < 2000; ++i) {
        drill.newExercise();
        equal += drill.leftSize() == drill.rightSize();
    }
    QVERIFY2(equal < 1000, qPrintable(QString::number(equal)));
}

void TestDrillRules::levelSizes_data()
{
    QTest::addColumn<SetLevel>("level");
    QTest::addColumn<int>("smallest");
    QTest::addColumn<int>("largest");
    QTest::newRow("fino a 5") << SetLevel::UpTo5 << 1 << 5;
    QTest::newRow("fino a 10") << SetLevel::UpTo10 << 2 << 10;
    QTest::newRow("fino a 15") << SetLevel::UpTo15 << 2 << 15;
}

void TestDrillRules::levelSizes()
{
    QFETCH(SetLevel, level);
    QFETCH(int, smallest);
    QFETCH(int, largest);
    Bench bench;
    bench.drill.setLevel(level);
    QSet<int> expected, leftSizes, rightSizes;
    for (int size = smallest; size <= largest; ++size)
        expected << size;
    for (int i = 0; i < 3000; ++i) {
        bench.now = i * second / 3;
        bench.drill.newExercise();
        const RelationDrill &d = bench.drill;
        // Fifteen figures take every slot of the frame.
        QCOMPARE(QSet<int>(d.leftSlots().begin(), d.leftSlots().end()).size(), d.leftSize());
        leftSizes << d.leftSize();
        rightSizes << d.rightSize();
    }
    QCOMPARE(leftSizes, expected);
    QCOMPARE(rightSizes, expected);
}

void TestDrillRules::answerTimes_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("2.99 s") << qint64(2'990'000'000) << QStringLiteral("2");
    QTest::newRow("under a second") << qint64(999'999'999) << QStringLiteral("0");
    QTest::newRow("998.99 s") << qint64(998'990'000'000) << QStringLiteral("998");
    QTest::newRow("999 s") << 999 * second << QStringLiteral("999");
    QTest::newRow("an hour") << 3600 * second << QStringLiteral("999");
}

void TestDrillRules::answerTimes()
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

void TestDrillRules::totalCapsOnItsOwnAndKeepsGrowing()
{
    qint64 now = 0;
    ScoreTiming score([&now] { return now; });
    QVERIFY(score.answerText().isEmpty() && score.totalText().isEmpty());
    const struct
    {
        qint64 seconds;
        const char *answer, *total;
    } answers[] = {{600, "600", "600"},
                   {398, "398", "998"},
                   {1, "1", "999"},
                   {5, "5", "999"},
                   {2000, "999", "999"}};
    for (const auto &a : answers) {
        score.start();
        now += a.seconds * second + second / 2;
        score.recordAnswer();
        QCOMPARE(score.answerText(), QString::fromLatin1(a.answer));
        QCOMPARE(score.totalText(), QString::fromLatin1(a.total));
    }
    QCOMPARE(*score.totalSeconds(), qint64(600 + 398 + 1 + 5 + 2000));
}

void TestDrillRules::clockGoingBackOrMissingStart()
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

void TestDrillRules::countsPassSixteenBitsAndKeepTheirForm()
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

QTEST_APPLESS_MAIN(TestDrillRules)
#include "tst_drillrules.moc"
