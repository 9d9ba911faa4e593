// The drill screen driven like a child does, by mouse and keys.
#include "drill/DrillScreen.h"
#include "sets/FigureCatalogue.h"
#include "sets/RandomSource.h"
#include "shell/Elements.h"
#include "start/StartScreen.h"
#include "shell/OptionList.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

using Phase = RelationDrill::Phase;

namespace {
RandomSource seeded(31337);

DrillScreen &screen()
{
    return Screen::the<DrillScreen>();
}

const RelationDrill &rules()
{
    return screen().drill();
}

OptionButton *option(int i)
{
    return screen().element<OptionButton>(QStringLiteral("Option1(%1)").arg(i));
}

QLabel *label(const char *name)
{
    return screen().element<QLabel>(QString::fromLatin1(name));
}

QString text(const char *name)
{
    return label(name)->text();
}

bool crossShown()
{
    return screen().element<QWidget>(QStringLiteral("Line1"))->isVisible()
           && screen().element<QWidget>(QStringLiteral("Line2"))->isVisible();
}

int focused()
{
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        if (option(i) == QApplication::focusWidget())
            return i;
    }
    return -1;
}

QList<int> enabledOptions()
{
    QList<int> result;
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        if (option(i)->isEnabled())
            result << i;
    }
    return result;
}

// Pressed and released on whatever has the focus, as a keyboard does.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), k, modifiers);
}

void click(int i, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(option(i), button);
}

int shownPictures(const QString &array)
{
    int count = 0;
    for (int k = 1; k <= DrillScreen::slotCount; ++k)
        count += screen().element<QWidget>(QStringLiteral("%1(%2)").arg(array).arg(k))->isVisible();
    return count;
}

// Brings the exercise on screen to its verdict and shows the next one.
void nextExercise()
{
    if (rules().phase() == Phase::WaitingForSign)
        click(1);
    if (rules().phase() == Phase::SignChosen)
        click(3);
    click(4);
}

bool reach(int relation)
{
    for (int tries = 0; tries < 300; ++tries) {
        nextExercise();
        const int l = rules().leftSize(), r = rules().rightSize();
        if ((l > r) - (l < r) == relation)
            return true;
    }
    return false;
}

void reopen()
{
    QTest::qWait(0);
    screen().show();
    QVERIFY(QTest::qWaitForWindowActive(screen().window()));
}
} // namespace

class TestDrillScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void firstOpening();
    void linesNeverMove();
    void deadChoices();
    void avantiClearsButKeepsTheScore();
    void closingAndReopening();
};

void TestDrillScreen::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
    screen().drill().setRandomSource(seeded);
    screen().drill().setClock([] { return qint64(0); });
    reopen();
}

void TestDrillScreen::firstOpening()
{
    QVERIFY(screen().window()->isMaximized());
    QVERIFY(!screen().window()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(text("LblOperazione"), QStringLiteral("1"));
    for (const char *empty : {"lblRisEsatte", "lblRisErrate", "LblTempoParziale",
                              "LblTempoTotale", "LblEsito", "LblRelazione", "lblCorrezione"})
        QVERIFY2(text(empty).isEmpty(), empty);
    QCOMPARE(text("Label5(1)"), QStringLiteral(" Risposte esatte"));
    QCOMPARE(label("LblTempoTotale")->toolTip(),
             QStringLiteral("Secondi impiegati per ogni esercizio"));
    QCOMPARE(enabledOptions(), (QList<int>{0, 1, 2}));
    QCOMPARE(focused(), 0);
    QCOMPARE(option(0)->background(), OptionList::focusColour());
    QVERIFY(!crossShown());

    // Two sets of one figure, each picture named for screen readers.
    QCOMPARE(shownPictures(QStringLiteral("Image2")), rules().leftSize());
    QCOMPARE(shownPictures(QStringLiteral("Image1")), rules().rightSize());
    const qint64 figureKey =
        screen().element<PictureBox>(QStringLiteral("Image2(%1)").arg(rules().leftSlots()[0]))
            ->picture()
            .cacheKey();
    auto check = [&](const QString &array, const QList<int> &slots) {
        for (int s : slots) {
            auto *p = screen().element<PictureBox>(QStringLiteral("%1(%2)").arg(array).arg(s));
            QCOMPARE(p->picture().cacheKey(), figureKey);
            QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(p);
            QCOMPARE(spoken->text(QAccessible::Name), FigureCatalogue::pictureName(rules().figure()));
            QCOMPARE(spoken->role(), QAccessible::Graphic);
        }
    };
    check(QStringLiteral("Image2"), rules().leftSlots());
    check(QStringLiteral("Image1"), rules().rightSlots());
    auto *set = screen().element<QWidget>(QStringLiteral("FraSfondoD"));
    QCOMPARE(QAccessible::queryAccessibleInterface(set)->text(QAccessible::Name),
             QStringLiteral("insieme di destra"));
}

void TestDrillScreen::linesNeverMove()
{
    const TwipsScale s = Screen::scale();
    auto *line = screen().element<LineElement>(QStringLiteral("Line2"));
    QCOMPARE(line->from(), s.point(6795, 2235));
    QCOMPARE(line->to(), s.point(4995, 2910));
    const QRect before = line->geometry();
    auto *sign = label("LblRelazione");
    screen().window()->showNormal();
    screen().window()->resize(500, 400);
    QTRY_COMPARE(screen().client()->width(), 500);
    QCOMPARE(line->geometry(), before);
    // Everything else follows the window.
    QCOMPARE(sign->x(), qRound(500 * 4980 / 11880.0));
    screen().window()->showMaximized();
}

void TestDrillScreen::deadChoices()
{
    nextExercise();
    // Before a sign: "VERIFICA" answers no mouse button and no key reaches it.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        click(3, b);
    QList<int> visited;
    for (int i = 0; i < 4; ++i) {
        key(Qt::Key_Space);
        visited << focused();
    }
    QCOMPARE(visited, (QList<int>{1, 2, 0, 1}));
    for (Qt::Key k : {Qt::Key_Tab, Qt::Key_4, Qt::Key_V, Qt::Key_Down, Qt::Key_F2, Qt::Key_F3})
        key(k);
    QCOMPARE(focused(), 1);
    QVERIFY(text("LblEsito").isEmpty() && text("LblRelazione").isEmpty());
    QCOMPARE(enabledOptions(), (QList<int>{0, 1, 2}));

    // A sign by keys takes the focus to "VERIFICA"; the digits still reach
    // the signs, and the last sign counts.
    key(Qt::Key_Return);
    QCOMPARE(text("LblRelazione"), QStringLiteral("="));
    QCOMPARE(focused(), 3);
    key(Qt::Key_1, Qt::KeypadModifier);
    key(Qt::Key_Return);
    QCOMPARE(text("LblRelazione"), QStringLiteral("<"));
    key(Qt::Key_Enter, Qt::KeypadModifier);
    const int l = rules().leftSize(), r = rules().rightSize();
    QCOMPARE(text("LblEsito"), l < r ? QStringLiteral("E s a t t o") : QStringLiteral("E r r a t o"));
    QCOMPARE(crossShown(), l >= r);

    // After the verdict: signs, "VERIFICA" and the digits are dead.
    const qint64 answered = rules().score().right() + rules().score().wrong();
    for (int i = 0; i < 4; ++i)
        click(i);
    for (Qt::Key k : {Qt::Key_1, Qt::Key_2, Qt::Key_3}) {
        key(k);
        key(k, Qt::KeypadModifier);
        QCOMPARE(focused(), 4);
    }
    QCOMPARE(text("LblRelazione"), QStringLiteral("<"));
    QCOMPARE(rules().score().right() + rules().score().wrong(), answered);
    visited.clear();
    for (int i = 0; i < 3; ++i) {
        key(Qt::Key_Space);
        visited << focused();
    }
    QCOMPARE(visited, (QList<int>{5, 4, 5}));
}

void TestDrillScreen::avantiClearsButKeepsTheScore()
{
    QVERIFY(reach(0));
    click(0); // wrong: cross and correction shown
    click(3);
    const QString right = text("lblRisEsatte");
    const QString wrong = text("lblRisErrate");
    const QString total = text("LblTempoTotale");
    const qint64 number = rules().score().exercise();
    QVERIFY(crossShown());
    key(Qt::Key_Return); // on "AVANTI"
    for (const char *cleared : {"LblEsito", "LblRelazione", "lblCorrezione", "LblTempoParziale"})
        QVERIFY2(text(cleared).isEmpty(), cleared);
    QVERIFY(!crossShown());
    QCOMPARE(text("lblRisEsatte"), right);
    QCOMPARE(text("lblRisErrate"), wrong);
    QCOMPARE(text("LblTempoTotale"), total);
    QCOMPARE(text("LblOperazione"), QString::number(number + 1));
    QCOMPARE(shownPictures(QStringLiteral("Image2")), rules().leftSize());
    QCOMPARE(focused(), 0);
}

void TestDrillScreen::closingAndReopening()
{
    // "ESCI" chosen with Enter: the release reaches another window.
    nextExercise();
    click(1);
    click(3);
    const qint64 number = rules().score().exercise();
    const qint64 right = rules().score().right();
    key(Qt::Key_Space);
    QCOMPARE(focused(), 5);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(option(5), &enter);
    QVERIFY(!screen().isLoaded());
    reopen();

    QCOMPARE(text("LblOperazione"), QString::number(number + 1));
    for (const char *empty : {"lblRisEsatte", "lblRisErrate", "LblTempoTotale"})
        QVERIFY2(text(empty).isEmpty(), empty);
    // The latch left set: the first key does nothing until a release.
    QTest::keyPress(option(0), Qt::Key_2);
    QCOMPARE(focused(), 0);
    QTest::keyRelease(option(0), Qt::Key_2);
    key(Qt::Key_2);
    QCOMPARE(focused(), 1);

    // The counts go on; only the one that changes shows again.
    const int l = rules().leftSize(), r = rules().rightSize();
    click(l > r ? 2 : l < r ? 0 : 1);
    click(3);
    QCOMPARE(text("lblRisEsatte"), QString::number(right + 1));
    QVERIFY(text("lblRisErrate").isEmpty());
    QVERIFY(!text("LblTempoTotale").isEmpty());

    // The close button, with a sign chosen: closes the drill only, and the
    // unjudged exercise counts neither way.
    StartScreen &start = Screen::the<StartScreen>();
    start.show();
    screen().show();
    click(4);
    click(2);
    const qint64 answered = rules().score().right() + rules().score().wrong();
    QVERIFY(screen().window()->close());
    QVERIFY(!screen().isLoaded());
    QVERIFY(start.isLoaded());
    QTest::qWait(0);
    start.choose(0); // "VAI"
    QCOMPARE(text("LblOperazione"), QString::number(number + 3));
    QCOMPARE(rules().score().right() + rules().score().wrong(), answered);
    start.closeAll();
}

QTEST_MAIN(TestDrillScreen)
#include "tst_drillscreen.moc"
