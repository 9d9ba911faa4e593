// SPDX-License-Identifier: GPL-3.0-or-later
// "Chi sei?" as the class meets it: "VAI" with a class list asks who is
// there; a pupil gets a drill of its own from exercise one with its name
// above the sets, and its answers are kept under its name; a guest, or a
// program without a class list, gets the drill as it always was.
#include "PupilsFixture.h"

#include "drill/DrillScreen.h"
#include "pupils/WhoAreYouScreen.h"
#include "shell/Elements.h"
#include "start/StartScreen.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using pupilstest::program;

namespace {
// The drill's labels and options by their design names.
QLabel *drillLabel(const char *name)
{
    return program->drillScreen()->findChild<QLabel *>(QString::fromLatin1(name));
}

// The exercise number on screen, and the answers counted so far.
QString exerciseShown()
{
    return drillLabel("LblOperazione")->text();
}

qint64 answered()
{
    const ScoreTiming &score = program->drillScreen()->drill().score();
    return score.right() + score.wrong();
}

// "VAI" on the start screen.
void go()
{
    StartScreen *start = program->openStart();
    QTest::mouseClick(start->findChild<QPushButton *>(QStringLiteral("Option1(0)")),
                      Qt::LeftButton);
}

// Answers the exercise on screen with "<", whatever is right.
void answerOnce()
{
    DrillScreen *drill = program->drillScreen();
    drill->choose(RelationDrill::optLess);
    drill->choose(RelationDrill::optVerify);
}

ElidedLabel *pupilLabel()
{
    return program->drillScreen()->findChild<ElidedLabel *>(QStringLiteral("lblAlunno"));
}
} // namespace

class TestWhoAreYou : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void eachPupilStartsFromZero();
    void guestAndNoClassListCarryOn_data();
    void guestAndNoClassListCarryOn();
    void keysAndAnyNames();
    void thirtyNamesScroll();
};

void TestWhoAreYou::cleanup()
{
    program.reset();
}

void TestWhoAreYou::eachPupilStartsFromZero()
{
    pupilstest::freshProgram({QStringLiteral("Anna"), QStringLiteral("Bruno")},
                             QStringLiteral("3B"));
    // Someone answered as a guest before.
    QSignalSpy saved(&program->results(), &ResultsService::saved);
    program->openDrill();
    answerOnce();
    program->drillScreen()->close();
    QTRY_COMPARE(saved.count(), 1);

    go();
    QVERIFY(!program->drillScreen());
    WhoAreYouScreen *who = program->whoAreYouScreen();
    QVERIFY(who && who->isVisible());
    QCOMPARE(who->buttonCount(), 3);
    QCOMPARE(who->button(2)->accessibleName(), QStringLiteral("Ospite"));
    QTest::mouseClick(who->button(0), Qt::LeftButton);
    QTRY_VERIFY(!program->whoAreYouScreen());

    QVERIFY(program->drillScreen());
    QCOMPARE(program->drillScreen()->pupil(), QStringLiteral("Anna"));
    QVERIFY(pupilLabel()->isVisible());
    QCOMPARE(pupilLabel()->text(), QStringLiteral("Anna"));
    QCOMPARE(pupilLabel()->accessibleName(), QStringLiteral("Anna"));
    QCOMPARE(exerciseShown(), QStringLiteral("1"));
    QCOMPARE(answered(), 0);

    // The verdict is kept under the pupil's name, with the class and level.
    answerOnce();
    QTRY_COMPARE(saved.count(), 2);
    const QList<PupilSummary> rows = pupilstest::summaryNow(program->results());
    const auto anna = std::find_if(rows.cbegin(), rows.cend(), [](const PupilSummary &row) {
        return row.pupil == QStringLiteral("Anna");
    });
    QVERIFY(anna != rows.cend());
    QCOMPARE(anna->exercises, 1);

    // The next child starts afresh too.
    program->drillScreen()->close();
    QTRY_VERIFY(!program->drillScreen());
    go();
    QTest::mouseClick(program->whoAreYouScreen()->button(1), Qt::LeftButton);
    QCOMPARE(program->drillScreen()->pupil(), QStringLiteral("Bruno"));
    QCOMPARE(pupilLabel()->text(), QStringLiteral("Bruno"));
    QCOMPARE(exerciseShown(), QStringLiteral("1"));
    QCOMPARE(answered(), 0);
    // A pupil's drill takes the level the teacher sets meanwhile.
    ProgramSettings smaller = program->settings();
    smaller.level = SetLevel::UpTo5;
    program->applySettings(smaller);
    QCOMPARE(program->drillScreen()->drill().level(), SetLevel::UpTo5);
}

void TestWhoAreYou::guestAndNoClassListCarryOn_data()
{
    QTest::addColumn<QStringList>("pupils");
    QTest::newRow("guest") << QStringList{QStringLiteral("Anna")};
    QTest::newRow("no class list") << QStringList();
}

void TestWhoAreYou::guestAndNoClassListCarryOn()
{
    QFETCH(QStringList, pupils);
    pupilstest::freshProgram(pupils);
    const auto open = [&] {
        go();
        if (!pupils.isEmpty()) {
            WhoAreYouScreen *who = program->whoAreYouScreen();
            QTest::mouseClick(who->button(who->buttonCount() - 1), Qt::LeftButton);
        } else {
            QVERIFY(!program->whoAreYouScreen());
        }
        QVERIFY(program->drillScreen());
    };
    QSignalSpy saved(&program->results(), &ResultsService::saved);
    open();
    QVERIFY(!pupilLabel()->isVisible());
    QVERIFY(program->drillScreen()->pupil().isEmpty());
    answerOnce();
    program->drillScreen()->close();
    QTRY_VERIFY(!program->drillScreen());

    // The same drill goes on: the answer counts, the exercise number too.
    open();
    QCOMPARE(answered(), 1);
    QCOMPARE(exerciseShown(), QStringLiteral("2"));
    QTRY_COMPARE(saved.count(), 1);
    const QList<PupilSummary> rows = pupilstest::summaryNow(program->results());
    QCOMPARE(rows.size(), 1);
    QVERIFY(rows.first().pupil.isEmpty());
}

void TestWhoAreYou::keysAndAnyNames()
{
    const QString longName = QStringLiteral(
        "Maria Antonietta Giuseppina \"Mimì\" dell'Acqua Fresca e dei Colli Euganei 🌻");
    const QStringList pupils{QStringLiteral("Anna"), longName, QStringLiteral("Lu & Li"),
                             QStringLiteral("Zoë; DROP TABLE")};
    pupilstest::freshProgram(pupils);
    go();
    WhoAreYouScreen *who = program->whoAreYouScreen();
    QVERIFY(QTest::qWaitForWindowActive(who));
    QSignalSpy chosen(who, &WhoAreYouScreen::pupilChosen);

    // Every name whole for a screen reader; a long one cut on screen and
    // whole in its tooltip.
    for (int i = 0; i < pupils.size(); ++i)
        QCOMPARE(who->button(i)->accessibleName(), pupils[i]);
    QVERIFY(who->button(1)->text().endsWith(QChar(0x2026)));
    QCOMPARE(who->button(1)->toolTip(), longName);
    QCOMPARE(who->button(2)->text(), QStringLiteral("Lu & Li"));
    QVERIFY(who->button(2)->toolTip().isEmpty());

    // The arrows walk the grid, Enter chooses.
    QTRY_VERIFY(who->button(0)->hasFocus());
    QTest::keyClick(who->button(0), Qt::Key_Right);
    QVERIFY(who->button(1)->hasFocus());
    QTest::keyClick(who->button(1), Qt::Key_End);
    QVERIFY(who->button(4)->hasFocus());
    QTest::keyClick(who->button(4), Qt::Key_Home);
    QTest::keyClick(who->button(0), Qt::Key_Down);
    const int below = std::min(who->columns(), 4);
    QVERIFY(who->button(below)->hasFocus());
    // Tab follows the names too; the keys act on whichever has the focus.
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    press(Qt::Key_Home);
    press(Qt::Key_Tab);
    QVERIFY(who->button(1)->hasFocus());
    press(Qt::Key_Right);
    press(Qt::Key_Left);
    QVERIFY(chosen.isEmpty());
    press(Qt::Key_Return);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.constFirst().constFirst().toString(), longName);
    QCOMPARE(pupilLabel()->accessibleName(), longName);
    QCOMPARE(pupilLabel()->toolTip().isEmpty(), !pupilLabel()->isElided());
}

void TestWhoAreYou::thirtyNamesScroll()
{
    QStringList pupils;
    for (int i = 1; i <= 30; ++i)
        pupils << QStringLiteral("Alunno numero %1").arg(i);
    pupilstest::freshProgram(pupils);
    go();
    WhoAreYouScreen *who = program->whoAreYouScreen();
    QVERIFY(QTest::qWaitForWindowExposed(who));
    QVERIFY(who->columns() > 1);
    // Every button as tall as a finger needs, whatever their number.
    for (int i = 0; i < who->buttonCount(); ++i)
        QVERIFY(who->button(i)->height() >= who->button(0)->minimumHeight());
    // The guest, last, comes into view when the keys reach it.
    OptionButton *guest = who->button(who->buttonCount() - 1);
    QTest::keyClick(who->button(0), Qt::Key_End);
    QVERIFY(guest->hasFocus());
    QWidget *viewport = guest->parentWidget()->parentWidget();
    const QRect shown(guest->mapTo(viewport, QPoint()), guest->size());
    QVERIFY2(viewport->rect().contains(shown), "the focused button is scrolled into view");
    QTest::keyClick(guest, Qt::Key_Escape);
    QTRY_VERIFY(!program->whoAreYouScreen());
    QVERIFY(!program->drillScreen());
}

QTEST_MAIN(TestWhoAreYou)
#include "tst_whoareyou.moc"
