// The relation drill's rules: verdicts, corrections, the state table, draws
// and timing.
#include "drill/RelationDrill.h"
#include "sets/RandomSource.h"

#include <QSet>
#include <QTest>
#include <functional>

using Sign = RelationDrill::Sign;
using Phase = RelationDrill::Phase;

namespace {
constexpr qint64 second = 1'000'000'000;

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

    // As the program makes it: the steady clock, in a tight loop.
    RelationDrill drill;
    equal = 0;
    for (int i = 0; i < 2000; ++i) {
        drill.newExercise();
        equal += drill.leftSize() == drill.rightSize();
    }
    QVERIFY2(equal < 1000, qPrintable(QString::number(equal)));
}

QTEST_APPLESS_MAIN(TestDrillRules)
#include "tst_drillrules.moc"
