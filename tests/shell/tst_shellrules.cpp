// SPDX-License-Identifier: GPL-3.0-or-later
// Rules of the shell that need no window: the proportional layout, the
// option-list keys and latches, the curtain steps, the choice of language.
#include "shell/Curtains.h"
#include "shell/Language.h"
#include "shell/OptionListRules.h"
#include "shell/ProportionalLayout.h"
#include "shell/Twips.h"
#include "shell/LayoutKeys.h"

#include <QLineF>
#include <QRectF>
#include <QTest>

using Outcome = OptionListRules::Outcome;

class TestShellRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutRoundTrip_data();
    void layoutRoundTrip();
    void layoutLeavesFixedElementsAlone();
    void layoutMinimizeAndRestore();
    void scaledLinesCrossTheSignBox_data();
    void scaledLinesCrossTheSignBox();
    void pictureScale_data();
    void pictureScale();

    void keyDown_data();
    void keyDown();
    void heldKeyActsOnce();
    void latchesClearOnRelease();
    void spaceCyclesOverEnabledOptions_data();
    void spaceCyclesOverEnabledOptions();
    void digitsOnDisabledTargetsDoNothing();
    void qtKeysMapToKeyCodes_data();
    void qtKeysMapToKeyCodes();
    void digitKeysByTheirPlace_data();
    void digitKeysByTheirPlace();

    void curtainsOpenAndStop();
    void curtainNeverKeepsTickingOnASliver();

    void twipsToPixels();

    void languageFromUiLanguages_data();
    void languageFromUiLanguages();
};

void TestShellRules::layoutRoundTrip_data()
{
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");
    QTest::newRow("design size") << 1.0 << 1.0;
    QTest::newRow("full hd") << 1920.0 / 794.0 << 1040.0 / 552.0;
    QTest::newRow("narrow") << 0.5 << 1.25;
}

void TestShellRules::layoutRoundTrip()
{
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);
    // The start screen's own boxes, in twips, nested ones included.
    const QList<QList<double>> boxes = {{6270, 3120, 5385, 3090}, {105, 135, 4935, 795},
                                        {0, 7425, 12030, 465},    {450, 6915, 1740, 225},
                                        {11685, 0, 228, 8280},    {0, 0, 0, 0}};
    QList<ElementBox> elements;
    for (const auto &b : boxes)
        elements.append(ElementBox::ordinary(b[0], b[1], b[2], b[3]));
    ProportionalLayout layout;
    layout.capture(elements, 11910, 8280);

    const double w = 11910 * scaleX, h = 8280 * scaleY;
    int moved = 0;
    layout.apply(w, h, [&](int i, const Placement &p) {
        ++moved;
        const auto &b = boxes.at(i);
        QVERIFY(qAbs(p.left - b[0] * scaleX) < 0.05);
        QVERIFY(qAbs(p.top - b[1] * scaleY) < 0.05);
        QVERIFY(qAbs(p.width - b[2] * scaleX) < 0.05);
        QVERIFY(qAbs(p.height - b[3] * scaleY) < 0.05);
    });
    QCOMPARE(moved, boxes.size());
}

void TestShellRules::layoutLeavesFixedElementsAlone()
{
    const QList<ElementBox> elements = {
        ElementBox::of(ElementKind::Timer),        ElementBox::ordinary(10, 20, 30, 40),
        ElementBox::of(ElementKind::MenuItem),     ElementBox{ElementKind::ComboBox, 1, 2, 3, 4},
        ElementBox{ElementKind::Line, 5, 6, 7, 8}, ElementBox::ordinary(0, 0, 100, 100),
    };
    ProportionalLayout layout;
    layout.capture(elements, 100, 100);
    // Unreadable values leave zero ratios.
    QCOMPARE(layout.records().at(0).width, 0.0f);
    QCOMPARE(layout.records().at(2).left, 0.0f);

    QList<int> moved;
    layout.apply(1000, 500, [&](int i, const Placement &) { moved.append(i); });
    QCOMPARE(moved, (QList<int>{1, 5}));
}

void TestShellRules::layoutMinimizeAndRestore()
{
    ProportionalLayout layout;
    layout.capture({ElementBox::ordinary(100, 200, 300, 400)}, 1000, 1000);
    Placement last{};
    layout.apply(0, 0, [&](int, const Placement &p) { last = p; });
    QCOMPARE(last.width, 0.0f);
    QCOMPARE(last.height, 0.0f);
    layout.apply(2000, 1000, [&](int, const Placement &p) { last = p; });
    QCOMPARE(last.left, 200.0f);
    QCOMPARE(last.top, 200.0f);
    QCOMPARE(last.width, 600.0f);
    QCOMPARE(last.height, 400.0f);
}

void TestShellRules::scaledLinesCrossTheSignBox_data()
{
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");
    QTest::newRow("design size") << 1.0 << 1.0;
    QTest::newRow("full hd") << 1920.0 / 792.0 << 1040.0 / 570.0;
    QTest::newRow("small, narrow") << 0.6 << 0.9;
}

void TestShellRules::scaledLinesCrossTheSignBox()
{
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);
    // The drill's sign box and the two strokes of its red cross, in twips.
    const QList<QLineF> strokes = {{4980, 2085, 6825, 2970}, {6795, 2235, 4995, 2910}};
    const QRectF signBox(4980, 1665, 1815, 1815);
    ProportionalLayout layout;
    layout.capture(
        {ElementBox::ordinary(signBox.x(), signBox.y(), signBox.width(), signBox.height()),
         ElementBox::scaledLine(strokes[0].x1(), strokes[0].y1(), strokes[0].x2(), strokes[0].y2()),
         ElementBox{ElementKind::Line, 1, 2, 3, 4},
         ElementBox::scaledLine(strokes[1].x1(), strokes[1].y1(), strokes[1].x2(),
                                strokes[1].y2())},
        11880, 8550);
    QRectF box;
    QList<QLineF> placed;
    layout.apply(11880 * scaleX, 8550 * scaleY, [&](int i, const Placement &p) {
        if (i == 0)
            box = QRectF(p.left, p.top, p.width, p.height);
        else
            placed.append(QLineF(p.x1(), p.y1(), p.x2(), p.y2()));
    });
    QCOMPARE(placed.size(), 2); // the fixed line stays where it is
    for (int i = 0; i < 2; ++i) {
        const QLineF &want = strokes[i];
        QVERIFY(qAbs(placed[i].x1() - want.x1() * scaleX) < 0.05);
        QVERIFY(qAbs(placed[i].y1() - want.y1() * scaleY) < 0.05);
        QVERIFY(qAbs(placed[i].x2() - want.x2() * scaleX) < 0.05);
        QVERIFY(qAbs(placed[i].y2() - want.y2() * scaleY) < 0.05);
        // Both strokes run through the middle of the sign box.
        const QRectF middle = box.adjusted(box.width() / 4, box.height() / 4, -box.width() / 4,
                                           -box.height() / 4);
        QVERIFY(middle.contains(placed[i].center()));
    }
}

void TestShellRules::pictureScale_data()
{
    QTest::addColumn<QSizeF>("client");
    QTest::addColumn<double>("scale");
    QTest::newRow("design size") << QSizeF(792, 570) << 1.0;
    QTest::newRow("larger") << QSizeF(1920, 1040) << 1.0;
    QTest::newRow("wider, design height") << QSizeF(1500, 570) << 1.0;
    QTest::newRow("half as wide") << QSizeF(396, 900) << 0.5;
    QTest::newRow("lower") << QSizeF(1000, 285) << 0.5;
    QTest::newRow("minimized") << QSizeF(0, 0) << 0.0;
}

void TestShellRules::pictureScale()
{
    QFETCH(QSizeF, client);
    QFETCH(double, scale);
    QCOMPARE(ProportionalLayout::pictureScale(client.width(), client.height(), 792, 570), scale);
}

void TestShellRules::keyDown_data()
{
    QTest::addColumn<int>("digitTargets");
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("focus"); // -1: none
    QTest::addColumn<int>("choose"); // -1: none
    QTest::addColumn<bool>("latched");

    const int acc = int(Outcome::Accepted), sw = int(Outcome::Swallowed);
    QTest::newRow("enter chooses focused") << 2 << 1 << 13 << acc << -1 << 1 << true;
    QTest::newRow("1 focuses first") << 2 << 1 << 49 << acc << 0 << -1 << true;
    QTest::newRow("2 only moves the focus") << 2 << 0 << 50 << acc << 1 << -1 << true;
    QTest::newRow("keypad 2 only moves") << 2 << 0 << 98 << acc << 1 << -1 << true;
    QTest::newRow("3 on start screen") << 2 << 0 << 51 << acc << -1 << -1 << true;
    QTest::newRow("3 on drill") << 3 << 0 << 51 << acc << 2 << -1 << true;
    QTest::newRow("keypad 3 on drill") << 3 << 4 << 99 << acc << 2 << -1 << true;
    QTest::newRow("F2 accepted, no effect") << 2 << 0 << 113 << acc << -1 << -1 << true;
    QTest::newRow("F3 accepted, no effect") << 3 << 1 << 114 << acc << -1 << -1 << true;
    QTest::newRow("tab keeps focus here") << 2 << 1 << 9 << sw << 1 << -1 << false;
    QTest::newRow("letter swallowed") << 2 << 0 << 65 << sw << -1 << -1 << false;
    QTest::newRow("arrow swallowed") << 2 << 0 << 40 << sw << -1 << -1 << false;
    QTest::newRow("4 swallowed") << 3 << 0 << 52 << sw << -1 << -1 << false;
    QTest::newRow("space swallowed on key down") << 2 << 0 << 32 << sw << -1 << -1 << false;
}

void TestShellRules::keyDown()
{
    QFETCH(int, digitTargets);
    QFETCH(int, option);
    QFETCH(int, key);
    QFETCH(int, outcome);
    QFETCH(int, focus);
    QFETCH(int, choose);
    QFETCH(bool, latched);

    OptionListRules rules(digitTargets == 3 ? 6 : 2, digitTargets);
    const auto effect = rules.keyDown(option, key);
    QCOMPARE(int(effect.outcome), outcome);
    QCOMPARE(effect.focus.value_or(-1), focus);
    QCOMPARE(effect.choose.value_or(-1), choose);
    QCOMPARE(rules.keyDownLatch(), latched);
}

void TestShellRules::heldKeyActsOnce()
{
    OptionListRules rules(2, 2);
    QCOMPARE(rules.keyDown(0, KeyCode::Enter).choose.value_or(-1), 0);
    // The repeats of the held key and a second accepted key do nothing at all.
    for (int i = 0; i < 5; ++i) {
        const auto repeat = rules.keyDown(0, KeyCode::Enter);
        QCOMPARE(repeat.outcome, Outcome::Untouched);
        QVERIFY(!repeat.choose && !repeat.focus);
    }
    QCOMPARE(rules.keyDown(0, KeyCode::Digit2).outcome, Outcome::Untouched);
    QCOMPARE(rules.keyDown(0, 65).outcome, Outcome::Untouched); // not even swallowed

    QCOMPARE(rules.keyPress(0, KeyCode::Space).focus.value_or(-1), 1);
    QCOMPARE(rules.keyPress(1, KeyCode::Space).outcome, Outcome::Untouched);
}

void TestShellRules::latchesClearOnRelease()
{
    OptionListRules rules(2, 2);
    rules.keyDown(0, KeyCode::Enter);
    rules.keyPress(0, KeyCode::Space);
    // A mouse release clears only the key-down latch.
    rules.mouseUp();
    QVERIFY(!rules.keyDownLatch());
    QVERIFY(rules.keyPressLatch());
    rules.keyDown(0, KeyCode::Enter);
    rules.keyUp();
    QVERIFY(!rules.keyDownLatch());
    QVERIFY(!rules.keyPressLatch());
    // Any mouse press chooses, whatever the latches.
    rules.keyDown(1, KeyCode::Enter);
    QCOMPARE(rules.mouseDown(1).choose.value_or(-1), 1);
}

void TestShellRules::spaceCyclesOverEnabledOptions_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // -1: the focus stays
    QTest::newRow("next") << 2 << QList<int>{} << 0 << 1;
    QTest::newRow("wraps from last") << 2 << QList<int>{} << 1 << 0;
    QTest::newRow("drill waiting: > wraps to <") << 6 << QList<int>{3, 4, 5} << 2 << 0;
    QTest::newRow("drill verdict: AVANTI to ESCI") << 6 << QList<int>{0, 1, 2, 3} << 4 << 5;
    QTest::newRow("drill verdict: ESCI to AVANTI") << 6 << QList<int>{0, 1, 2, 3} << 5 << 4;
    QTest::newRow("sign chosen: VERIFICA wraps past") << 6 << QList<int>{4, 5} << 3 << 0;
    QTest::newRow("nothing enabled") << 3 << QList<int>{0, 1, 2} << 1 << -1;
}

void TestShellRules::spaceCyclesOverEnabledOptions()
{
    QFETCH(int, count);
    QFETCH(QList<int>, disabled);
    QFETCH(int, from);
    QFETCH(int, to);
    OptionListRules rules(count, 3);
    for (int i : disabled)
        rules.setEnabled(i, false);
    const auto effect = rules.keyPress(from, KeyCode::Space);
    QCOMPARE(effect.outcome, Outcome::Accepted);
    QCOMPARE(effect.focus.value_or(-1), to);
    QVERIFY(rules.keyPressLatch());
    // Any other character is swallowed.
    rules.keyUp();
    QCOMPARE(rules.keyPress(from, 'a').outcome, Outcome::Swallowed);
    QVERIFY(!rules.keyPressLatch());
}

void TestShellRules::digitsOnDisabledTargetsDoNothing()
{
    OptionListRules rules(6, 3);
    for (int i : {0, 1, 2, 3})
        rules.setEnabled(i, false);
    for (int key : {KeyCode::Digit1, KeyCode::Numpad2, KeyCode::Digit3}) {
        rules.keyUp();
        const auto effect = rules.keyDown(4, key);
        QVERIFY(!effect.focus);
        QVERIFY(!effect.choose);
    }
}

void TestShellRules::qtKeysMapToKeyCodes_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code");
    QTest::newRow("tab") << int(Qt::Key_Tab) << false << 9;
    QTest::newRow("return") << int(Qt::Key_Return) << false << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true << 13;
    QTest::newRow("1") << int(Qt::Key_1) << false << 49;
    QTest::newRow("3") << int(Qt::Key_3) << false << 51;
    QTest::newRow("keypad 1") << int(Qt::Key_1) << true << 97;
    QTest::newRow("keypad 3") << int(Qt::Key_3) << true << 99;
    QTest::newRow("F2") << int(Qt::Key_F2) << false << 113;
    QTest::newRow("F3") << int(Qt::Key_F3) << false << 114;
    QTest::newRow("space") << int(Qt::Key_Space) << false << 32;
    QTest::newRow("a") << int(Qt::Key_A) << false << 65;
}

void TestShellRules::qtKeysMapToKeyCodes()
{
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(int, code);
    QCOMPARE(KeyCode::fromQtKey(qtKey, keypad), code);
}

void TestShellRules::digitKeysByTheirPlace_data()
{
    addLayoutKeyRows();
}

void TestShellRules::digitKeysByTheirPlace()
{
    QFETCH(int, row);
    const LayoutKey &key = layoutKeys().at(row);
    const int code = KeyCode::fromKeyEvent(key.qtKey, key.keypad(), key.scanCode);
    if (key.digit > 0) {
        QCOMPARE(code, (key.keypad() ? KeyCode::Numpad1 : KeyCode::Digit1) + key.digit - 1);
    } else {
        // Any other key is swallowed by the option list.
        OptionListRules rules(6, 3);
        QCOMPARE(rules.keyDown(0, code).outcome, Outcome::Swallowed);
    }
}

void TestShellRules::curtainsOpenAndStop()
{
    Curtains c;
    c.close(960 * 15.0);
    int ticks = 0;
    while (c.step())
        ++ticks;
    ++ticks;
    QVERIFY(c.isOpen());
    QVERIFY(c.left() <= Curtains::openTwips);
    QCOMPARE(ticks, 192); // 14400 twips at 75 a tick
    QCOMPARE(c.right(), 0.0);
}

void TestShellRules::curtainNeverKeepsTickingOnASliver()
{
    // 11 to 74 twips left: the next step would go negative. It ends at 0 and
    // the timer stops instead of ticking forever.
    for (double w : {11.0, 40.0, 74.0, 85.5}) {
        Curtains c;
        c.setWidths(w, w + 30);
        int ticks = 0;
        while (c.step() && ticks < 10)
            ++ticks;
        QVERIFY2(ticks < 2, qPrintable(QString::number(w)));
        QCOMPARE(c.left(), 0.0);
        QVERIFY(c.right() >= 0.0);
    }
    Curtains atTen;
    atTen.setWidths(10, 10);
    QVERIFY(atTen.isOpen());
}

void TestShellRules::twipsToPixels()
{
    QCOMPARE(TwipsScale(96).pixels(1440), 96);
    QCOMPARE(TwipsScale(96).pixels(75), 5);
    QCOMPARE(TwipsScale(120).pixels(11910), 993);
    QCOMPARE(TwipsScale(96).rect(15, 30, 150, 300), QRect(1, 2, 10, 20));
    QCOMPARE(TwipsScale(144).twips(144), 1440.0);
}

// The lists as QLocale::uiLanguages() gives them for LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG.
void TestShellRules::languageFromUiLanguages_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("LANGUAGE=de") << QStringList{"de", "de-Latn-DE", "de-DE"} << "de";
    QTest::newRow("de-DE") << QStringList{"de-DE"} << "de";
    QTest::newRow("de_AT") << QStringList{"de_AT"} << "de";
    QTest::newRow("en-GB") << QStringList{"en-GB", "en-Latn-GB", "en"} << "en";
    QTest::newRow("EN-us upper case") << QStringList{"EN-us"} << "en";
    QTest::newRow("it-IT") << QStringList{"it-IT"} << "it";
    QTest::newRow("it-CH") << QStringList{"it-CH"} << "it";
    QTest::newRow("fr-FR") << QStringList{"fr-FR", "fr-Latn-FR", "fr"} << "it";
    QTest::newRow("C") << QStringList{"C"} << "it";
    QTest::newRow("POSIX") << QStringList{"POSIX"} << "it";
    QTest::newRow("sl-SI") << QStringList{"sl-SI", "sl-Latn-SI", "sl"} << "it";
    QTest::newRow("empty") << QStringList{} << "it";
    QTest::newRow("French then German") << QStringList{"fr", "fr-FR", "de", "de-DE"} << "de";
    QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "en";
    QTest::newRow("German before Italian") << QStringList{"sl-SI", "de-AT", "it-IT"} << "de";
    QTest::newRow("Italian before English") << QStringList{"it", "en-US"} << "it";
    // "des" (Desano) and "ent" are not German and English.
    QTest::newRow("longer codes") << QStringList{"des", "ent-US"} << "it";
}

void TestShellRules::languageFromUiLanguages()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(language::choose(uiLanguages), expected);
}

QTEST_APPLESS_MAIN(TestShellRules)
#include "tst_shellrules.moc"
