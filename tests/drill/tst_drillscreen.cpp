// SPDX-License-Identifier: GPL-3.0-or-later
// The drill screen driven like a child does, by mouse and keys.
#include "DrillDriver.h"
#include "sets/FigureCatalogue.h"
#include "sets/RandomSource.h"
#include "shell/Elements.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "shell/OptionList.h"
#include "shell/LayoutKeys.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QTest>

using Phase = RelationDrill::Phase;

using namespace drilltest;

namespace {

const RelationDrill &rules()
{
    return program->drillState().drill;
}

bool crossShown()
{
    return screen().findChild<QWidget *>(QStringLiteral("Line1"))->isVisible()
        && screen().findChild<QWidget *>(QStringLiteral("Line2"))->isVisible();
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

// Gives the drill's window the client size asked for; an empty size
// maximizes it.
void sizeWindow(const QSize &client)
{
    QMainWindow *w = &screen();
    if (client.isEmpty()) {
        // No window manager here to give the maximized window its size.
        const QRect available = w->screen()->availableGeometry();
        w->setGeometry(available);
        w->showMaximized();
        QTRY_VERIFY(w->isMaximized() && w->geometry() == available);
    } else {
        w->showNormal();
        w->resize(client); // the drill has no menu bar
        QTRY_COMPARE(screen().client()->size(), client);
    }
}

QImage rendered(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}

// The runs of red pixels down each column of the middle of the sign box, in
// the drill as it is drawn.
QList<int> redRunsAcrossSignBox()
{
    const QImage image = rendered(screen().client());
    const qreal ratio = image.devicePixelRatio();
    const QRect box = label("LblRelazione")->geometry();
    const QRectF middle = QRectF(box).adjusted(box.width() / 4.0, box.height() / 4.0,
                                               -box.width() / 4.0, -box.height() / 4.0);
    const QRect device(QPointF(middle.topLeft() * ratio).toPoint(),
                       QPointF(middle.bottomRight() * ratio).toPoint());
    QList<int> runs;
    for (int x = device.left(); x <= device.right(); ++x) {
        int count = 0;
        bool inRun = false;
        for (int y = device.top(); y <= device.bottom(); ++y) {
            const bool red = isRed(image.pixel(x, y));
            count += red && !inRun;
            inRun = red;
        }
        runs.append(count);
    }
    return runs;
}

// Where the sign in the sign box is drawn, in device pixels of the box.
QRect signInk()
{
    QLabel *box = label("LblRelazione");
    const QImage image = rendered(box);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 96)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

int redPixelsAcrossSignBox()
{
    const QList<int> runs = redRunsAcrossSignBox();
    return int(std::count_if(runs.cbegin(), runs.cend(), [](int n) { return n > 0; }));
}

void reopen()
{
    QTest::qWait(0);
    program->openDrill();
    QVERIFY(QTest::qWaitForWindowActive(&screen()));
}
} // namespace

class TestDrillScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void firstOpening();
    void crossOverTheSignBox_data();
    void crossOverTheSignBox();
    void wholePictures_data();
    void wholePictures();
    void digitKeysByTheirPlace_data();
    void digitKeysByTheirPlace();
    void deadChoices();
    void avantiClearsButKeepsTheScore();
    void closingAndReopening();
    void whatTheVoiceHears();
};

void TestDrillScreen::initTestCase()
{
    qApp->setQuitOnLastWindowClosed(false);
}

void TestDrillScreen::init()
{
    program = std::make_unique<Program>();
    program->random().seed(31337);
    program->drillState().drill.setClock([] { return qint64(0); });
    reopen();
    QTest::keyRelease(option(0), Qt::Key_2);
}

void TestDrillScreen::cleanup()
{
    closeProgram();
}

void TestDrillScreen::firstOpening()
{
    QVERIFY(screen().isMaximized());
    QVERIFY(!screen().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(text("LblOperazione"), QStringLiteral("1"));
    for (const char *empty : {"lblRisEsatte", "lblRisErrate", "LblTempoParziale", "LblTempoTotale",
                              "LblEsito", "LblRelazione", "lblCorrezione"})
        QVERIFY2(text(empty).isEmpty(), empty);
    QCOMPARE(text("Label5(1)"), QStringLiteral(" Risposte esatte"));
    QCOMPARE(label("LblTempoTotale")->toolTip(),
             QStringLiteral("Secondi impiegati per ogni esercizio"));
    QCOMPARE(enabledOptions(), (QList<int>{0, 1, 2}));
    QCOMPARE(focused(), 0);
    QCOMPARE(option(0)->background(), OptionList::focusColour());
    QVERIFY(!crossShown());

    // Two sets of one figure, each picture named for screen readers.
    QCOMPARE(shownPictures("Image2"), rules().leftSize());
    QCOMPARE(shownPictures("Image1"), rules().rightSize());
    const qint64 figureKey = screen()
                                 .findChild<PictureBox *>(
                                     QStringLiteral("Image2(%1)").arg(rules().leftSlots()[0]))
                                 ->picture()
                                 .cacheKey();
    auto check = [&](const QString &array, const QList<int> &slots) {
        for (int s : slots) {
            auto *p = screen().findChild<PictureBox *>(QStringLiteral("%1(%2)").arg(array).arg(s));
            QCOMPARE(p->picture().cacheKey(), figureKey);
            QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(p);
            QCOMPARE(spoken->text(QAccessible::Name),
                     FigureCatalogue::pictureName(rules().figure()));
            QCOMPARE(spoken->role(), QAccessible::Graphic);
        }
    };
    check(QStringLiteral("Image2"), rules().leftSlots());
    check(QStringLiteral("Image1"), rules().rightSlots());
    auto *set = screen().findChild<QWidget *>(QStringLiteral("FraSfondoD"));
    QCOMPARE(QAccessible::queryAccessibleInterface(set)->text(QAccessible::Name),
             QStringLiteral("insieme di destra"));
}

void TestDrillScreen::crossOverTheSignBox_data()
{
    QTest::addColumn<QSize>("client");
    QTest::newRow("maximized") << QSize();
    QTest::newRow("larger than the screen") << QSize(1280, 900);
}

void TestDrillScreen::crossOverTheSignBox()
{
    QFETCH(QSize, client);
    sizeWindow(client);
    nextExercise();
    const int l = rules().leftSize(), r = rules().rightSize();
    click(l < r ? 2 : 0); // a wrong sign, not judged yet
    QCOMPARE(redPixelsAcrossSignBox(), 0);
    // The sign lies where the strokes will cross: the middle of its box.
    QLabel *box = label("LblRelazione");
    QVERIFY(signInk().contains(QRectF(box->rect()).center().toPoint() * box->devicePixelRatioF()));

    // Judged wrong: the two strokes run across the whole middle of the sign
    // box and apart at both its sides.
    click(3);
    QCOMPARE(text("LblEsito"), QStringLiteral("E r r a t o"));
    const QList<int> runs = redRunsAcrossSignBox();
    QVERIFY(!runs.isEmpty());
    QVERIFY2(!runs.contains(0), "a column of the sign box's middle without red");
    QCOMPARE(runs.first(), 2);
    QCOMPARE(runs.last(), 2);

    click(4); // "AVANTI"
    QCOMPARE(redPixelsAcrossSignBox(), 0);
    answer(true);
    QCOMPARE(text("LblEsito"), QStringLiteral("E s a t t o"));
    QCOMPARE(redPixelsAcrossSignBox(), 0);
    sizeWindow(QSize());
}

void TestDrillScreen::wholePictures_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<QSize>("client");
    // The figures that stand out most from a slot box at the design size.
    int tallest = FigureCatalogue::firstFigure, widest = tallest;
    for (int f = FigureCatalogue::firstFigure; f <= FigureCatalogue::lastFigure; ++f) {
        if (FigureCatalogue::pictureSize(f).height()
            > FigureCatalogue::pictureSize(tallest).height())
            tallest = f;
        if (FigureCatalogue::pictureSize(f).width() > FigureCatalogue::pictureSize(widest).width())
            widest = f;
    }
    const QSize design = Screen::scale().size(11880, 8550);
    for (int f : {tallest, widest}) {
        const QByteArray name = FigureCatalogue::pictureName(f).toUtf8();
        QTest::addRow("%s, design size", name.constData()) << f << design;
        QTest::addRow("%s, small", name.constData()) << f << QSize(520, 380);
        QTest::addRow("%s, maximized", name.constData()) << f << QSize();
    }
}

void TestDrillScreen::wholePictures()
{
    QFETCH(int, figure);
    QFETCH(QSize, client);
    sizeWindow(client);
    int tries = 0;
    do
        nextExercise();
    while (rules().figure() != figure && ++tries < 500);
    QCOMPARE(rules().figure(), figure);

    // Own size, shrunk only where the window is smaller than the design.
    const QSize design = Screen::scale().size(11880, 8550);
    const QSize now = screen().client()->size();
    const qreal shrink = std::min(
        {1.0, qreal(now.width()) / design.width(), qreal(now.height()) / design.height()});
    const QSizeF whole = QSizeF(FigureCatalogue::pictureSize(figure)) * shrink;
    auto check = [&](const char *frameName, const char *array, const QList<int> &slots) {
        auto *frame = screen().findChild<QWidget *>(QString::fromLatin1(frameName));
        const QImage image = rendered(frame);
        const qreal ratio = image.devicePixelRatio();
        for (int s : slots) {
            const QRect box = screen()
                                  .findChild<PictureBox *>(
                                      QStringLiteral("%1(%2)").arg(array).arg(s))
                                  ->geometry();
            const QByteArray where = QByteArray(array) + '(' + QByteArray::number(s) + ')';
            QVERIFY2(frame->rect().contains(box), where.constData());
            QVERIFY2(box.width() >= whole.width() && box.height() >= whole.height(),
                     where.constData());
            // The picture's white ground reaches its far corner: nothing cut off.
            const QPointF corner = QPointF(box.topLeft()) + QPointF(whole.width(), whole.height())
                - QPointF(2, 2);
            const QRgb c = image.pixel((corner * ratio).toPoint());
            QVERIFY2(qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240, where.constData());
        }
    };
    check("FraSfondoS", "Image2", rules().leftSlots());
    check("FraSfondoD", "Image1", rules().rightSlots());
    sizeWindow(QSize());
}

void TestDrillScreen::digitKeysByTheirPlace_data()
{
    addLayoutKeyRows();
}

void TestDrillScreen::digitKeysByTheirPlace()
{
    QFETCH(int, row);
    const LayoutKey &k = layoutKeys().at(row);
    nextExercise();
    const int from = k.digit == 1 ? 1 : 0;
    option(from)->setFocus();
    sendLayoutKey(QApplication::focusWidget(), k);
    QCOMPARE(focused(), k.digit > 0 ? k.digit - 1 : from);
    QVERIFY(text("LblRelazione").isEmpty()); // a digit only moves the focus
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
    QCOMPARE(text("LblEsito"),
             l < r ? QStringLiteral("E s a t t o") : QStringLiteral("E r r a t o"));
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
    QCOMPARE(shownPictures("Image2"), rules().leftSize());
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
    QVERIFY(!program->drillScreen());
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
    StartScreen &start = *program->openStart();
    program->openDrill();
    click(4);
    click(2);
    const qint64 answered = rules().score().right() + rules().score().wrong();
    QVERIFY(screen().close());
    QVERIFY(!program->drillScreen());
    QVERIFY(program->startScreen());
    QTest::qWait(0);
    start.choose(0); // "VAI"
    QCOMPARE(text("LblOperazione"), QString::number(number + 3));
    QCOMPARE(rules().score().right() + rules().score().wrong(), answered);
}

// What the drill tells whoever speaks for it, in the order it shows.
void TestDrillScreen::whatTheVoiceHears()
{
    QSignalSpy shown(&screen(), &DrillScreen::exerciseShown);
    QSignalSpy chosen(&screen(), &DrillScreen::signChosen);
    QSignalSpy judged(&screen(), &DrillScreen::answerJudged);
    QSignalSpy replay(&screen(), &DrillScreen::replayRequested);
    QSignalSpy closing(&screen(), &DrillScreen::closing);

    nextExercise();
    chosen.clear();
    judged.clear();
    QCOMPARE(shown.count(), 1);
    QCOMPARE(shown[0], (QVariantList{rules().leftSize(), rules().rightSize()}));
    const int l = rules().leftSize(), r = rules().rightSize();
    answer(false);
    QCOMPARE(chosen.count(), 1);
    const auto sign = chosen[0][0].value<RelationDrill::Sign>();
    QVERIFY(sign != RelationDrill::correctSign(l, r));
    QCOMPARE(judged.count(), 1);
    QCOMPARE(judged[0].mid(0, 4), (QVariantList{l, r, QVariant::fromValue(sign), false}));
    QCOMPARE(judged[0][4].toDouble(), 0.0); // the clock stands still
    click(4);
    answer(true);
    QCOMPARE(judged.count(), 2);
    QCOMPARE(judged[1][3].toBool(), true);

    // The loudspeaker asks again and never joins the option list's keys.
    auto *listen = screen().findChild<QToolButton *>(QStringLiteral("cmdAscolta"));
    QVERIFY(listen && listen->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(listen)->text(QAccessible::Name),
             QStringLiteral("Ascolta"));
    QCOMPARE(listen->focusPolicy(), Qt::NoFocus);
    QVERIFY(!listen->geometry().intersects(label("LblRelazione")->geometry()));
    QTest::mouseClick(listen, Qt::LeftButton);
    QCOMPARE(replay.count(), 1);
    for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Backtab, Qt::Key_Left}) {
        key(k);
        QVERIFY(focused() >= 0);
    }
    QCOMPARE(shown.count(), 2);
    QCOMPARE(closing.count(), 0);
    QVERIFY(screen().close());
    QCOMPARE(closing.count(), 1);
}

QTEST_MAIN(TestDrillScreen)
#include "tst_drillscreen.moc"
