// The worksheet preview screen driven by clicks: opening with exercise 1, the
// exercises composed on their own places, the two parts and the toggle,
// closing, scaling, and the printer chooser from the menu.
#include "printing/PrinterChooser.h"
#include "sets/FigureCatalogue.h"
#include "shell/Elements.h"
#include "worksheets/WorksheetScreen.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

namespace {
using Side = Worksheet::Side;

WorksheetScreen &screen()
{
    return Screen::the<WorksheetScreen>();
}

QWidget *find(const QString &name)
{
    return screen().element<QWidget>(name);
}

void click(const QString &name)
{
    QTest::mouseClick(find(name), Qt::LeftButton);
}

PictureBox *place(Side side, int index)
{
    return screen().element<PictureBox>(
        QStringLiteral("%1(%2)").arg(side == Side::Left ? "Image1" : "Image2").arg(index));
}

QList<int> pictures(int exercise)
{
    QList<int> result;
    for (int i = 15 * (exercise - 1); i < 15 * exercise; ++i)
        result << screen().worksheet().place(Side::Left, i).picture
               << screen().worksheet().place(Side::Right, i).picture;
    return result;
}

// Which part is in view, with the toggle's caption: 1, 2, or 0 when the
// frames and the caption disagree.
int partInView()
{
    const bool first = find("Frame3")->isVisible() && !find("Frame4")->isVisible();
    const bool second = !find("Frame3")->isVisible() && find("Frame4")->isVisible();
    const QString caption = screen().element<QPushButton>("Command2")->text();
    if (first && caption == QStringLiteral("Visualizza la seconda parte"))
        return 1;
    if (second && caption == QStringLiteral("Visualiza la prima parte"))
        return 2;
    return 0;
}
} // namespace

class TestWorksheetScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithExerciseOneAndItsTexts();
    void placesShowTheWorksheetMirroredAsOnPaper();
    void partsAndToggle();
    void closingDiscardsTheExercises_data();
    void closingDiscardsTheExercises();
    void elementsFollowTheWindow();
    void menuOpensThePrinterChooserModally();
};

void TestWorksheetScreen::init()
{
    screen().show();
}

void TestWorksheetScreen::cleanup()
{
    Screen::the<PrinterChooser>().unload();
    screen().unload();
}

void TestWorksheetScreen::opensWithExerciseOneAndItsTexts()
{
    QCOMPARE(screen().window()->windowTitle(), QStringLiteral("VISUALIZZAZIONE SCHEDA         "));
    QCOMPARE(partInView(), 1);
    for (int i = 0; i < 60; ++i) {
        QCOMPARE(place(Side::Left, i)->picture().isNull(), i >= 15);
        QCOMPARE(place(Side::Right, i)->picture().isNull(), i >= 15);
    }
    const QList<QPair<const char *, QString>> texts{
        {"CmdInsieme1", "VISUALIZZA 1° ESERCIZIO"}, {"cmdInsieme2", "VISUALIZZA 2° ESERCIZIO"},
        {"cmdInsieme3", "VISUALIZZA 3° ESERCIZIO"}, {"cmdInsieme4", "VISUALIZZA 4° ESERCIZIO"},
        {"Command1", "STAMPA"}, {"CmdFine", "ESCI"}};
    for (const auto &[name, text] : texts)
        QCOMPARE(screen().element<QPushButton>(name)->text(), text);
    QCOMPARE(screen().element<QLabel>("Label1")->text(),
             QStringLiteral(" SCHEDA: mettere il segno di relazione"));
    QCOMPARE(screen().element<QAction>("mnuStampante")->text(), QStringLiteral("Seleziona stampante"));
}

void TestWorksheetScreen::placesShowTheWorksheetMirroredAsOnPaper()
{
    for (const char *name : {"cmdInsieme2", "cmdInsieme3", "cmdInsieme4"})
        click(name);
    // Image1, the left sets, stands in the frames on the right of the screen.
    const QList<QPair<const char *, const char *>> frames{{"fraSfondo1D", "FraSfondo1S"},
                                                          {"fraSfondo2D", "FraSfondo2S"},
                                                          {"fraSondo3D", "fraSfondo3S(2)"},
                                                          {"fraSfondo4D", "fraSfondo3S(0)"}};
    for (int e = 1; e <= 4; ++e) {
        QWidget *rightSet = find(frames[e - 1].first);
        QWidget *leftSet = find(frames[e - 1].second);
        QVERIFY(rightSet->x() < leftSet->x());
        for (int slot = 1; slot <= 15; ++slot) {
            const int i = 15 * (e - 1) + slot - 1;
            for (auto side : {Side::Left, Side::Right}) {
                PictureBox *box = place(side, i);
                const int picture = screen().worksheet().place(side, i).picture;
                QCOMPARE(box->parentWidget(), side == Side::Left ? leftSet : rightSet);
                QCOMPARE(box->picture().deviceIndependentSize().toSize(), FigureCatalogue::pictureSize(picture));
                QCOMPARE(box->accessibleName(), FigureCatalogue::pictureName(picture));
            }
        }
        // Slots run along the rows, five to a row.
        const auto at = [&](int slot) { return place(Side::Left, 15 * (e - 1) + slot - 1)->pos(); };
        QVERIFY(at(1).x() < at(2).x() && at(4).x() < at(5).x() && at(6).x() == at(1).x());
        QVERIFY(at(6).y() > at(5).y() && at(11).y() > at(10).y() && at(15).y() == at(11).y());
    }
}

void TestWorksheetScreen::partsAndToggle()
{
    const QList<int> first = pictures(1);
    // An exercise of the hidden part is composed out of sight.
    click("cmdInsieme3");
    QCOMPARE(partInView(), 1);
    QCOMPARE(pictures(1), first);
    QVERIFY(screen().worksheet().isComposed(3));
    QVERIFY(!screen().worksheet().isComposed(2) && !screen().worksheet().isComposed(4));

    const QList<int> third = pictures(3);
    click("Command2");
    QCOMPARE(partInView(), 2);
    QVERIFY(place(Side::Left, 44)->isVisible());
    click("Command2");
    QCOMPARE(partInView(), 1);
    click("Command2");
    // The first exercise's button brings the first part back and renews it.
    click("CmdInsieme1");
    QCOMPARE(partInView(), 1);
    QCOMPARE(screen().worksheet().lastComposition().exercise, 1);
    QCOMPARE(pictures(3), third);
}

void TestWorksheetScreen::closingDiscardsTheExercises_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("ESCI") << true;
    QTest::newRow("close box") << false;
}

void TestWorksheetScreen::closingDiscardsTheExercises()
{
    QFETCH(bool, byButton);
    click("cmdInsieme2");
    click("Command2");
    if (byButton)
        click("CmdFine");
    else
        screen().window()->close();
    QVERIFY(!screen().isLoaded());

    screen().show();
    QVERIFY(screen().worksheet().isComposed(1) && !screen().worksheet().isComposed(2));
    QCOMPARE(partInView(), 1);
    QVERIFY(place(Side::Left, 15)->picture().isNull());
}

void TestWorksheetScreen::elementsFollowTheWindow()
{
    QMainWindow *w = screen().window();
    w->showNormal();
    w->resize(1000, 700);
    QTRY_COMPARE(w->size(), QSize(1000, 700));
    const QSize client = w->centralWidget()->size();
    const double kx = client.width() / 11910.0, ky = client.height() / 8280.0;
    const QList<QPair<const char *, QRect>> designs{{"Frame3", {90, 975, 9360, 6675}},
                                                    {"Command1", {9675, 5925, 2145, 645}},
                                                    {"Command2", {165, 7710, 3390, 495}},
                                                    {"FraSfondo1S", {4710, 195, 4605, 3075}},
                                                    {"Image1(14)", {3585, 2085, 915, 930}}};
    for (const auto &[name, twips] : designs) {
        const QRect g = find(name)->geometry();
        const QRect expected(qRound(twips.x() * kx), qRound(twips.y() * ky),
                             qRound(twips.width() * kx), qRound(twips.height() * ky));
        QVERIFY2((g.topLeft() - expected.topLeft()).manhattanLength() <= 2
                     && qAbs(g.width() - expected.width()) <= 1
                     && qAbs(g.height() - expected.height()) <= 1,
                 name);
    }
}

void TestWorksheetScreen::menuOpensThePrinterChooserModally()
{
    auto &chooser = Screen::the<PrinterChooser>();
    chooser.setPrinterSource([] { return QStringList{QStringLiteral("aula")}; });
    screen().element<QAction>("mnuStampante")->trigger();
    QVERIFY(chooser.isLoaded() && chooser.window()->isVisible());
    QCOMPARE(chooser.window()->windowModality(), Qt::ApplicationModal);
    chooser.setPrinterSource({});
}

QTEST_MAIN(TestWorksheetScreen)
#include "tst_worksheetscreen.moc"
