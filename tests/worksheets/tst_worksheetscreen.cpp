// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet preview screen driven by clicks: opening with exercise 1, the
// exercises composed on their own places, the two parts and the toggle,
// closing, scaling, the printer chooser from the menu, the sheet saved as a
// PDF file and a class set saved from its dialog, once for a double click,
// for the number of sheets the teacher sees, its progress on the screen and
// its "Annulla".
#include "PdfTools.h"
#include "OutputWait.h"
#include "QueuedClick.h"

#include "printing/PageArea.h"
#include "printing/PrintService.h"
#include "printing/PrinterChooser.h"
#include "sets/FigureCatalogue.h"
#include "shell/Elements.h"
#include "worksheets/ClassSetDialog.h"
#include "worksheets/PdfFile.h"
#include "worksheets/SheetPrint.h"
#include "start/Program.h"
#include "worksheets/SheetOutput.h"
#include "worksheets/WorksheetScreen.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <memory>

#include <algorithm>
#include <memory>

namespace {
using Side = Worksheet::Side;

// Made by each test function, so that none depends on another.
std::unique_ptr<Program> program;

WorksheetScreen &screen()
{
    return *program->worksheetScreen();
}

QWidget *find(const QString &name)
{
    return screen().findChild<QWidget *>(name);
}

void click(const QString &name)
{
    QTest::mouseClick(find(name), Qt::LeftButton);
}

PictureBox *place(Side side, int index)
{
    return screen().findChild<PictureBox *>(
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

QList<int> allPictures()
{
    QList<int> result;
    for (int e = 1; e <= 4; ++e)
        result << pictures(e);
    return result;
}

// Every place as the screen shows it, listed as the paper is read: exercise
// by exercise, the set frame standing on the left then the one on the
// right, each row by row; whether its box shows a figure.
QList<bool> figuresOnScreen()
{
    QList<bool> cells;
    for (int e = 1; e <= 4; ++e) {
        const int first = Worksheet::placeIndex(e, 1);
        QList<QWidget *> frames{place(Side::Left, first)->parentWidget(),
                                place(Side::Right, first)->parentWidget()};
        std::sort(frames.begin(), frames.end(),
                  [](QWidget *a, QWidget *b) { return a->x() < b->x(); });
        for (QWidget *frame : frames) {
            QList<PictureBox *> boxes = frame->findChildren<PictureBox *>();
            std::sort(boxes.begin(), boxes.end(), [](PictureBox *a, PictureBox *b) {
                return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
            });
            for (PictureBox *box : boxes) {
                const QString shown = box->accessibleName();
                cells << (!box->picture().isNull() && !shown.isEmpty()
                          && shown != FigureCatalogue::pictureName(FigureCatalogue::blank));
            }
        }
    }
    return cells;
}

ClassSetDialog *openClassSetDialog()
{
    screen().findChild<QAction *>("mnuClasse")->trigger();
    return screen().output().classSetDialog();
}

QList<QAction *> menuItems()
{
    return screen().menuBar()->actions();
}

// Which part is in view, with the toggle's caption: 1, 2, or 0 when the
// frames and the caption disagree.
int partInView()
{
    const bool first = find("Frame3")->isVisible() && !find("Frame4")->isVisible();
    const bool second = !find("Frame3")->isVisible() && find("Frame4")->isVisible();
    const QString caption = screen().findChild<QPushButton *>("Command2")->text();
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
    void placesShowEachSetWhereThePaperPrintsIt();
    void partsAndToggle();
    void closingDiscardsTheExercises_data();
    void closingDiscardsTheExercises();
    void elementsFollowTheWindow();
    void menuOpensThePrinterChooserModally();
    void menuItemsForTheTeacher();
    void menuItemsAct_data();
    void menuItemsAct();
    void savesTheSheetAsOnePage();
    void failedSaveLeavesEverythingAsItWas_data();
    void failedSaveLeavesEverythingAsItWas();
    void saveIsConfirmedOnScreenForAWhile_data();
    void saveIsConfirmedOnScreenForAWhile();
    void saveDialogOfItsOwn_data();
    void saveDialogOfItsOwn();
    void saveDialogsOpenWhereTheLastSaveWent_data();
    void saveDialogsOpenWhereTheLastSaveWent();
    void aDoubleClickSavesOnce_data();
    void aDoubleClickSavesOnce();
    void classSetActsOnTheNumberShown_data();
    void classSetActsOnTheNumberShown();
    void classSetDialogAndItsAnnulla();
    void classSetSavedFromItsDialog_data();
    void classSetSavedFromItsDialog();
    void classSetProgressShowsAndAnnullaStopsIt();

private:
    // Saves the sheet through the provider into folder, and waits for the
    // screen's controls to be on again.
    bool saveInto(const QString &folder)
    {
        m_answer = QDir(folder).filePath(QStringLiteral("prima.pdf"));
        screen().findChild<QAction *>("mnuSalvaPdf")->trigger();
        return outputIdle(&screen()) && QFileInfo::exists(m_answer)
            && screen().findChild<QAction *>("mnuSalvaPdf")->isEnabled();
    }

    // The file-name provider's questions, and its answer.
    struct Asked
    {
        QWidget *parent;
        QString proposed;
    };
    QList<Asked> m_asked;
    QString m_answer;
    qint64 m_pressMs = 0;
    QStringList m_messages;
    QTemporaryDir m_dir;
};

void TestWorksheetScreen::init()
{
    m_asked.clear();
    m_messages.clear();
    m_answer.clear();
    program = std::make_unique<Program>();
    program->openWorksheets();
    screen().output().setFileNameProvider([this](QWidget *parent, const QString &proposed) {
        m_asked.append({parent, proposed});
        return m_answer;
    });
    screen().output().setMessageHandler(
        [this](const QString &text, const QString &) { m_messages.append(text); });
    // Each press of a test is a press of its own, a second after the last.
    screen().output().setPressClock([this] { return m_pressMs += 1000; });
}

void TestWorksheetScreen::cleanup()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
    program->closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    program.reset();
}

void TestWorksheetScreen::opensWithExerciseOneAndItsTexts()
{
    QCOMPARE(screen().windowTitle(), QStringLiteral("VISUALIZZAZIONE SCHEDA         "));
    QCOMPARE(partInView(), 1);
    for (int i = 0; i < 60; ++i) {
        QCOMPARE(place(Side::Left, i)->picture().isNull(), i >= 15);
        QCOMPARE(place(Side::Right, i)->picture().isNull(), i >= 15);
    }
    const QList<QPair<const char *, QString>> texts{{"CmdInsieme1", "VISUALIZZA 1° ESERCIZIO"},
                                                    {"cmdInsieme2", "VISUALIZZA 2° ESERCIZIO"},
                                                    {"cmdInsieme3", "VISUALIZZA 3° ESERCIZIO"},
                                                    {"cmdInsieme4", "VISUALIZZA 4° ESERCIZIO"},
                                                    {"Command1", "STAMPA"},
                                                    {"CmdFine", "ESCI"}};
    for (const auto &[name, text] : texts)
        QCOMPARE(screen().findChild<QPushButton *>(name)->text(), text);
    QCOMPARE(screen().findChild<QLabel *>("Label1")->text(),
             QStringLiteral(" SCHEDA: mettere il segno di relazione"));
    QCOMPARE(screen().findChild<QAction *>("mnuStampante")->text(),
             QStringLiteral("Seleziona stampante"));
}

void TestWorksheetScreen::placesShowEachSetWhereThePaperPrintsIt()
{
    for (const char *name : {"cmdInsieme2", "cmdInsieme3", "cmdInsieme4"})
        click(name);
    // Image1, the left sets, stands in the "S" frames on the left.
    const QList<QPair<const char *, const char *>> frames{{"FraSfondo1S", "fraSfondo1D"},
                                                          {"FraSfondo2S", "fraSfondo2D"},
                                                          {"fraSfondo3S(2)", "fraSondo3D"},
                                                          {"fraSfondo3S(0)", "fraSfondo4D"}};
    for (int e = 1; e <= 4; ++e) {
        QWidget *leftSet = find(frames[e - 1].first);
        QWidget *rightSet = find(frames[e - 1].second);
        QVERIFY(leftSet->geometry().right() < rightSet->x());
        for (int slot = 1; slot <= 15; ++slot) {
            const int i = 15 * (e - 1) + slot - 1;
            for (auto side : {Side::Left, Side::Right}) {
                PictureBox *box = place(side, i);
                const int picture = screen().worksheet().place(side, i).picture;
                QCOMPARE(box->parentWidget(), side == Side::Left ? leftSet : rightSet);
                QCOMPARE(box->picture().deviceIndependentSize().toSize(),
                         FigureCatalogue::pictureSize(picture));
                QCOMPARE(box->accessibleName(), FigureCatalogue::pictureName(picture));
            }
        }
        // Slots run along the rows, five to a row.
        const auto at = [&](int slot) { return place(Side::Left, 15 * (e - 1) + slot - 1)->pos(); };
        QVERIFY(at(1).x() < at(2).x() && at(4).x() < at(5).x() && at(6).x() == at(1).x());
        QVERIFY(at(6).y() > at(5).y() && at(11).y() > at(10).y() && at(15).y() == at(11).y());
    }

    // The set on the left of the screen is the one on the left of the paper.
    if (!pdftools::available())
        QSKIP("poppler-utils not installed: the page is not read back");
    QVERIFY(saveInto(m_dir.path()));
    const QPointF origin = PageArea::fallback().topLeft();
    QCOMPARE(pdftools::inkInCells(pdftools::page(m_answer, 72), origin, 1.0), figuresOnScreen());
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
        screen().close();
    QVERIFY(!program->worksheetScreen());

    program->openWorksheets();
    QVERIFY(screen().worksheet().isComposed(1) && !screen().worksheet().isComposed(2));
    QCOMPARE(partInView(), 1);
    QVERIFY(place(Side::Left, 15)->picture().isNull());
}

void TestWorksheetScreen::elementsFollowTheWindow()
{
    QMainWindow *w = &screen();
    w->showNormal();
    w->resize(1000, 700);
    QTRY_COMPARE(w->size(), QSize(1000, 700));
    const QSize client = w->centralWidget()->size();
    const double kx = client.width() / 11910.0, ky = client.height() / 8280.0;
    const QList<QPair<const char *, QRect>> designs{
        {"Frame3", {90, 975, 9360, 6675}},         {"Command1", {9675, 5925, 2145, 645}},
        {"Command2", {165, 7710, 3390, 495}},      {"FraSfondo1S", {72, 195, 4605, 3075}},
        {"fraSfondo3S(2)", {75, 195, 4560, 3075}}, {"fraSondo3D", {4725, 195, 4605, 3075}},
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
    program->setPrinterSource([] { return QStringList{QStringLiteral("aula")}; });
    screen().findChild<QAction *>("mnuStampante")->trigger();
    PrinterChooser *chooser = program->printerChooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->windowModality(), Qt::ApplicationModal);
    // Modal over the worksheet screen, centred on it.
    QCOMPARE(chooser->windowHandle()->transientParent(), screen().windowHandle());
}

// "Salva PDF..." and "Schede per la classe..." follow "Seleziona stampante";
// the menu and the accessibility bus show them without the mnemonic's mark.
void TestWorksheetScreen::menuItemsForTheTeacher()
{
    const QList<QAction *> items = menuItems();
    QStringList names, shown, spoken;
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(screen().menuBar());
    QVERIFY(bar);
    for (int i = 0; i < items.size(); ++i) {
        names << items[i]->objectName();
        shown << QString(items[i]->text()).remove(QLatin1Char('&'));
        spoken << bar->child(i)->text(QAccessible::Name);
    }
    const QStringList texts{"Seleziona stampante", "Salva PDF...", "Schede per la classe..."};
    QCOMPARE(names, (QStringList{"mnuStampante", "mnuSalvaPdf", "mnuClasse"}));
    QCOMPARE(shown, texts);
    QCOMPARE(spoken, texts);
}

void TestWorksheetScreen::menuItemsAct_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("way");
    for (const char *item : {"mnuSalvaPdf", "mnuClasse"})
        for (const char *way : {"mouse", "keyboard", "accessibility"})
            QTest::addRow("%s by %s", item, way) << item << way;
}

// Each acts at once, however it is reached: the save asks for a file, the
// class set opens its dialog.
void TestWorksheetScreen::menuItemsAct()
{
    QFETCH(QString, item);
    QFETCH(QString, way);
    QMainWindow *w = &screen();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QAction *action = screen().findChild<QAction *>(item);
    const int index = int(menuItems().indexOf(action));
    if (way == "mouse") {
        QMenuBar *bar = w->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
    } else if (way == "keyboard") {
        QTest::keyClick(w, item == "mnuSalvaPdf" ? Qt::Key_S : Qt::Key_C, Qt::AltModifier);
    } else {
        QAccessibleInterface *entry =
            QAccessible::queryAccessibleInterface(w->menuBar())->child(index);
        QVERIFY(entry && entry->actionInterface());
        entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    if (item == "mnuSalvaPdf") {
        QTRY_COMPARE(m_asked.size(), 1);
        QCOMPARE(m_asked.first().proposed, QStringLiteral("scheda.pdf"));
        QCOMPARE(m_asked.first().parent, w);
    } else {
        QTRY_VERIFY(screen().output().classSetDialog()
                    && screen().output().classSetDialog()->isVisible());
        QVERIFY(m_asked.isEmpty());
    }
    QVERIFY(m_messages.isEmpty());
}

// The file holds the page "STAMPA" prints; the screen and the current
// printer stay as they were.
void TestWorksheetScreen::savesTheSheetAsOnePage()
{
    click("cmdInsieme3");
    program->printService().setCurrentPrinter(QStringLiteral("aula"));
    const QList<int> before = allPictures();
    m_answer = m_dir.filePath(QStringLiteral("scheda")); // ".pdf" is added
    screen().findChild<QAction *>("mnuSalvaPdf")->trigger();
    QVERIFY(outputIdle(&screen()));
    const QString file = m_answer + QStringLiteral(".pdf");
    QVERIFY(QFileInfo(file).isFile());
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(allPictures(), before);
    QCOMPARE(partInView(), 1);
    QCOMPARE(program->printService().currentPrinter(), QStringLiteral("aula"));
    program->printService().setCurrentPrinter(QString());

    if (!pdftools::available())
        QSKIP("poppler-utils not installed: the file's pages are not read back");
    QCOMPARE(pdftools::pageCount(file), 1);
    QCOMPARE(pdftools::infoField(file, QStringLiteral("Title")),
             QStringLiteral("Scheda - Gli insiemi"));
    QVERIFY(
        pdftools::infoField(file, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")));
    const QRectF area = PageArea::fallback();
    QCOMPARE(pdftools::inkInCells(pdftools::page(file, 72), area.topLeft(), 1.0),
             figuresOnScreen());
}

void TestWorksheetScreen::failedSaveLeavesEverythingAsItWas_data()
{
    QTest::addColumn<bool>("classSet");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("sheet over a folder") << false << "cartella.pdf"
                                         << "con questo nome c'è già una cartella";
    QTest::newRow("class set, folder missing") << true << "manca/classe.pdf"
                                               << "la cartella non esiste";
}

// The teacher hears once why, with the file's name; nothing is written and
// nothing that was there changes (the kinds of failure: tst_pdffile).
void TestWorksheetScreen::failedSaveLeavesEverythingAsItWas()
{
    QFETCH(bool, classSet);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir(m_dir.filePath(QStringLiteral("XXXXXX")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("cartella.pdf/dentro")));
    const QList<int> pictures = allPictures();

    m_answer = dir.filePath(name);
    if (classSet) {
        ClassSetDialog *dialog = openClassSetDialog();
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdSalvaPdf")),
                          Qt::LeftButton);
    } else {
        screen().findChild<QAction *>("mnuSalvaPdf")->trigger();
    }
    QVERIFY(outputIdle(&screen()));
    QCOMPARE(m_messages, QStringList{pdffile::failureMessage(m_answer, reason)});
    QVERIFY(m_messages.first().contains(m_answer));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("cartella.pdf")});
    QCOMPARE(QDir(dir.filePath(QStringLiteral("cartella.pdf")))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("dentro")});
    if (!classSet) // a class set completes the sheet on screen first
        QCOMPARE(allPictures(), pictures);
}

void TestWorksheetScreen::saveIsConfirmedOnScreenForAWhile_data()
{
    QTest::addColumn<bool>("classSet");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said"); // before the file's path
    QTest::newRow("sheet") << false << "scheda.pdf"
                           << "Salvata in ";
    QTest::newRow("class set") << true << "classe.pdf"
                               << "Salvate in ";
    QTest::newRow("sheet, a path longer than the line")
        << false << QString(150, QLatin1Char('s')) + QStringLiteral(".pdf") << "Salvata in ";
}

// The line says where the file went, whole in its tooltip and accessible
// name, shortened in the middle when it does not fit; it goes by itself,
// and a save that fails takes it away at once.
void TestWorksheetScreen::saveIsConfirmedOnScreenForAWhile()
{
    QFETCH(bool, classSet);
    QFETCH(QString, name);
    QFETCH(QString, said);
    auto *line = screen().findChild<QLabel *>(QStringLiteral("lblConferma"));
    QVERIFY(line && line->isHidden());
    const auto save = [&] {
        QTRY_VERIFY(screen().findChild<QAction *>("mnuSalvaPdf")->isEnabled());
        if (classSet)
            QTest::mouseClick(openClassSetDialog()->findChild<QPushButton *>("cmdSalvaPdf"),
                              Qt::LeftButton);
        else
            screen().findChild<QAction *>("mnuSalvaPdf")->trigger();
        QVERIFY(outputIdle(&screen()));
    };

    // The timer runs only once the save is over and the test waits.
    screen().output().setConfirmationTimeout(std::chrono::milliseconds(50));
    m_answer = m_dir.filePath(name);
    save();
    QCOMPARE(m_messages, QStringList());
    const QString expected = said + QDir::toNativeSeparators(m_answer);
    QVERIFY(line->isVisible());
    QCOMPARE(line->accessibleName(), expected);
    QCOMPARE(line->toolTip(), expected);
    QVERIFY(line->fontMetrics().horizontalAdvance(line->text()) <= line->contentsRect().width());
    QVERIFY(line->text().startsWith(said));
    QVERIFY(line->text().endsWith(QStringLiteral(".pdf")));
    QCOMPARE(line->text() == expected, name.size() < 100);
    QVERIFY(QTest::qWaitFor([line] { return line->isHidden(); }, 5000));
    QCOMPARE(line->accessibleName(), QString());

    screen().output().setConfirmationTimeout(SheetOutput::confirmationTimeout);
    save();
    QVERIFY(line->isVisible());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("cartella.pdf")));
    m_answer = m_dir.filePath(QStringLiteral("cartella.pdf"));
    save();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(line->isHidden());
}

void TestWorksheetScreen::saveDialogOfItsOwn_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("existing"); // a file there before, or none
    QTest::addColumn<bool>("replace"); // the answer to a question
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("written"); // the file saved, or none
    QTest::newRow("a new name") << "nuova"
                                << "" << false << 0 << "nuova.pdf";
    QTest::newRow("another suffix") << "nuova.txt"
                                    << "" << false << 0 << "nuova.txt.pdf";
    QTest::newRow("existing, kept") << "vecchia.pdf"
                                    << "vecchia.pdf" << false << 1 << "";
    QTest::newRow("existing, replaced") << "vecchia.pdf"
                                        << "vecchia.pdf" << true << 1 << "vecchia.pdf";
    QTest::newRow("existing once .pdf is added, kept") << "vecchia.txt"
                                                       << "vecchia.txt.pdf" << false << 1 << "";
}

// Without a provider the name comes from Qt's own save dialog: its title,
// "scheda.pdf" proposed; ".pdf" added to a name that
// lacks it; an existing file replaced only when the teacher says so.
void TestWorksheetScreen::saveDialogOfItsOwn()
{
    QFETCH(QString, typed);
    QFETCH(QString, existing);
    QFETCH(bool, replace);
    QFETCH(int, questions);
    QFETCH(QString, written);
    QTemporaryDir dir(m_dir.filePath(QStringLiteral("XXXXXX")));
    const QByteArray old = "%PDF-1.4 old";
    if (!existing.isEmpty()) {
        QFile file(dir.filePath(existing));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }
    // The dialog opens where the last save went: a folder without a
    // "scheda.pdf" that the dialog could select once it has read it.
    QTemporaryDir last(m_dir.filePath(QStringLiteral("XXXXXX")));
    QVERIFY(saveInto(last.path()));
    screen().output().setFileNameProvider({});

    QString title, folder, proposed;
    bool ownDialog = false, saves = false, typedIn = false;
    QStringList asked;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            asked << box->text();
            box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            return;
        }
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog || !dialog->isVisible())
            return;
        if (typedIn) { // still open after "No"
            dialog->reject();
            return;
        }
        typedIn = true;
        title = dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        proposed = dialog->selectedFiles().value(0);
        ownDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
        saves = dialog->acceptMode() == QFileDialog::AcceptSave
            && !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        // The whole path typed over the proposed name, then Enter, pressed
        // from the event loop: the question it may raise waits there.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(dir.filePath(typed));
        QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
    });
    poll.start();
    screen().findChild<QAction *>("mnuSalvaPdf")->trigger();
    QVERIFY(outputIdle(&screen()));
    poll.stop();

    QCOMPARE(title, QStringLiteral("Salva la scheda in PDF"));
    QCOMPARE(proposed, QDir(folder).absoluteFilePath(QStringLiteral("scheda.pdf")));
    QVERIFY(ownDialog && saves);
    QCOMPARE(asked.size(), questions);
    QStringList expected{existing, written};
    expected.removeAll(QString());
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), expected);
    if (!existing.isEmpty() && existing != written) {
        QFile kept(dir.filePath(existing));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
    }
    if (!written.isEmpty()) {
        QFile file(dir.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-1.4\n"));
    }
    QCOMPARE(m_messages, QStringList());
}

// A modal dialog over the screen with its fields as they start; "Annulla",
// and a file dialog left without a name, change nothing.
void TestWorksheetScreen::classSetDialogAndItsAnnulla()
{
    const QList<int> before = allPictures();
    const QStringList files = QDir(m_dir.path()).entryList(QDir::Files);
    QPointer<ClassSetDialog> dialog = openClassSetDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Schede per la classe"));
    QCOMPARE(dialog->parentWidget(), &screen());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), dialog.data());
    auto *count = dialog->findChild<QSpinBox *>(QStringLiteral("spnNumeroSchede"));
    auto *solutions = dialog->findChild<QCheckBox *>(QStringLiteral("chkSoluzioni"));
    QVERIFY(count && solutions);
    QCOMPARE(count->minimum(), 1);
    QCOMPARE(count->maximum(), 40);
    QCOMPARE(count->value(), 25);
    QCOMPARE(count->accessibleName(), QStringLiteral("Numero di schede"));
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblNumeroSchede"))->text(),
             QStringLiteral("Numero di schede"));
    QCOMPARE(solutions->text(), QStringLiteral("Con le soluzioni"));
    QVERIFY(solutions->isChecked());
    QStringList buttons;
    for (const char *name : {"cmdStampa", "cmdSalvaPdf", "cmdAnnulla"})
        buttons << dialog->findChild<QPushButton *>(QString::fromLatin1(name))->text();
    QCOMPARE(buttons, (QStringList{"Stampa", "Salva PDF...", "Annulla"}));

    // A file dialog closed without a name leaves the dialog open.
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdSalvaPdf")),
                      Qt::LeftButton);
    QCOMPARE(m_asked.size(), 1);
    QCOMPARE(m_asked.first().proposed, QStringLiteral("schede-classe.pdf"));
    QCOMPARE(m_asked.first().parent, dialog.data());
    QVERIFY(dialog->isVisible());

    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdAnnulla")),
                      Qt::LeftButton);
    QTRY_VERIFY(dialog.isNull());
    QVERIFY(!screen().output().classSetDialog());
    QCOMPARE(allPictures(), before);
    QVERIFY(!screen().worksheet().isComposed(2));
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), files);
}

void TestWorksheetScreen::classSetSavedFromItsDialog_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("withSolutions");
    QTest::newRow("three with solutions") << 3 << true;
    QTest::newRow("two without") << 2 << false;
}

// Sheet 1 is the screen's sheet, completed on screen first; the set is one
// file of its sheets and, when asked, the solutions.
void TestWorksheetScreen::classSetSavedFromItsDialog()
{
    QFETCH(int, count);
    QFETCH(bool, withSolutions);
    click("cmdInsieme3");
    const QList<int> first = pictures(1), third = pictures(3);
    m_answer = m_dir.filePath(QStringLiteral("classe-%1").arg(count));

    ClassSetDialog *dialog = openClassSetDialog();
    dialog->findChild<QSpinBox *>(QStringLiteral("spnNumeroSchede"))->setValue(count);
    dialog->findChild<QCheckBox *>(QStringLiteral("chkSoluzioni"))->setChecked(withSolutions);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdSalvaPdf")),
                      Qt::LeftButton);
    QVERIFY(outputIdle(&screen()));
    QTRY_VERIFY(!screen().output().classSetDialog());
    QCOMPARE(m_messages, QStringList());
    QVERIFY(screen().findChildren<QProgressDialog *>().isEmpty());

    // Exercises 2 and 4 were composed and are shown; 1 and 3 kept.
    for (int e = 1; e <= 4; ++e)
        QVERIFY(screen().worksheet().isComposed(e));
    QCOMPARE(pictures(1), first);
    QCOMPARE(pictures(3), third);
    QVERIFY(!place(Side::Right, Worksheet::placeIndex(2, 1))->picture().isNull());
    QVERIFY(!place(Side::Right, Worksheet::placeIndex(4, 1))->picture().isNull());

    const QString file = m_answer + QStringLiteral(".pdf");
    QVERIFY(QFileInfo(file).isFile());
    if (!pdftools::available())
        QSKIP("poppler-utils not installed: the file's pages are not read back");
    QCOMPARE(pdftools::pageCount(file), count + withSolutions);
    const QRectF area = PageArea::fallback();
    const double scale = std::min(
        {1.0, area.width() * 20 / sheet::width, area.height() * 20 / sheet::classSetHeight});
    QCOMPARE(pdftools::inkInCells(pdftools::page(file, 72, 1), area.topLeft(), scale),
             figuresOnScreen());
    for (int n = 1; n <= count; ++n)
        QVERIFY(
            pdftools::text(file, n).contains(QStringLiteral("Scheda %1 di %2").arg(n).arg(count)));
    QCOMPARE(pdftools::text(file).contains(QStringLiteral("Soluzioni")), withSolutions);
}

// While a class set is made the screen shows how far it is, beside the part
// button, and goes on answering; "Annulla" there stops the set before it is
// handed on: nothing is written and nothing is said.
void TestWorksheetScreen::classSetProgressShowsAndAnnullaStopsIt()
{
    auto *panel = find(QStringLiteral("fraAvanzamento"));
    QVERIFY(panel && panel->isHidden());
    const QString file = m_dir.filePath(QStringLiteral("fermata.pdf"));
    OutputHold hold(program->outputThread()); // the set waits its turn
    QVERIFY(screen().output().makeClassSet(3, true, file));
    QVERIFY(!screen().findChild<QAction *>("mnuClasse")->isEnabled());
    QTRY_VERIFY(panel->isVisible());
    auto *bar = screen().findChild<QProgressBar *>(QStringLiteral("prgSchedeClasse"));
    QVERIFY(bar && bar->isVisible());
    QCOMPARE(bar->accessibleName(), QStringLiteral("Schede per la classe"));
    auto *stop = screen().findChild<QPushButton *>(QStringLiteral("cmdAnnullaSchede"));
    QCOMPARE(stop->text(), QStringLiteral("Annulla"));
    QTest::mouseClick(stop, Qt::LeftButton);
    hold.release();
    QVERIFY(outputIdle(&screen()));
    QVERIFY(panel->isHidden());
    QVERIFY(!QFileInfo::exists(file));
    QCOMPARE(m_messages, QStringList());
    QVERIFY(screen().findChild<QLabel *>(QStringLiteral("lblConferma"))->isHidden());
    QVERIFY(screen().findChild<QAction *>("mnuClasse")->isEnabled());
}

void TestWorksheetScreen::saveDialogsOpenWhereTheLastSaveWent_data()
{
    QTest::addColumn<bool>("classSet");
    QTest::addColumn<bool>("folderRemoved"); // the folder of the last save is gone
    QTest::newRow("the sheet") << false << false;
    QTest::newRow("a class set") << true << false;
    QTest::newRow("the sheet, that folder gone") << false << true;
}

// Each dialog has its title and its proposed name, and opens where the last
// save of the run went; in the documents folder when that folder is gone.
void TestWorksheetScreen::saveDialogsOpenWhereTheLastSaveWent()
{
    QFETCH(bool, classSet);
    QFETCH(bool, folderRemoved);
    auto last = std::make_unique<QTemporaryDir>(m_dir.filePath(QStringLiteral("XXXXXX")));
    QVERIFY(saveInto(last->path()));
    const QString expected = folderRemoved ? pdffile::defaultFolder() : last->path();
    if (folderRemoved)
        last.reset();
    screen().output().setFileNameProvider({});

    QString title, folder, proposed;
    // Runs inside the file dialog's own event loop.
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
        dialog->reject();
    });
    if (classSet)
        QTest::mouseClick(openClassSetDialog()->findChild<QPushButton *>("cmdSalvaPdf"),
                          Qt::LeftButton);
    else
        screen().findChild<QAction *>("mnuSalvaPdf")->trigger();
    QCOMPARE(title,
             classSet ? QStringLiteral("Salva le schede in PDF")
                      : QStringLiteral("Salva la scheda in PDF"));
    QCOMPARE(proposed,
             classSet ? QStringLiteral("schede-classe.pdf") : QStringLiteral("scheda.pdf"));
    QCOMPARE(folder, QDir(expected).absolutePath());
}

void TestWorksheetScreen::aDoubleClickSavesOnce_data()
{
    QTest::addColumn<bool>("classSet");
    QTest::newRow("Salva PDF...") << false;
    QTest::newRow("Salva PDF... of a class set") << true;
}

// The second click of a double click arrives while the first one saves and
// is dropped; a click once the save is over saves again.
void TestWorksheetScreen::aDoubleClickSavesOnce()
{
    QFETCH(bool, classSet);
    m_answer = m_dir.filePath(QStringLiteral("doppio.pdf"));
    const auto press = [&](bool twice) {
        QMenuBar *bar = screen().menuBar();
        QWidget *target = bar;
        QPoint pos = bar->actionGeometry(screen().findChild<QAction *>("mnuSalvaPdf")).center();
        if (classSet) {
            ClassSetDialog *dialog = openClassSetDialog();
            dialog->findChild<QSpinBox *>(QStringLiteral("spnNumeroSchede"))->setValue(1);
            target = dialog->findChild<QPushButton *>(QStringLiteral("cmdSalvaPdf"));
            pos = target->rect().center();
        }
        if (twice)
            doubleClickQueued(target, pos);
        else
            QTest::mouseClick(target, Qt::LeftButton, {}, pos);
    };
    press(true);
    QVERIFY(outputIdle(&screen()));
    QCOMPARE(m_asked.size(), 1);
    QVERIFY(QFileInfo::exists(m_answer));
    QCOMPARE(m_messages, QStringList());
    QVERIFY(!screen().output().classSetDialog());

    for (const char *item : {"mnuSalvaPdf", "mnuClasse"})
        QTRY_VERIFY(screen().findChild<QAction *>(item)->isEnabled());
    press(false);
    QVERIFY(outputIdle(&screen()));
    QCOMPARE(m_asked.size(), 2);
    QCOMPARE(m_messages, QStringList());
}

void TestWorksheetScreen::classSetActsOnTheNumberShown_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("sheets"); // 0: nothing may happen
    QTest::newRow("0") << "0"
                       << "0" << 0;
    QTest::newRow("erased") << ""
                            << "" << 0;
    QTest::newRow("41: the 1 is refused") << "41"
                                          << "4" << 4;
}

// The range stands beside the field; a number out of it leaves the
// dialog's actions off, by mouse or Enter, rather than run on another.
void TestWorksheetScreen::classSetActsOnTheNumberShown()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, sheets);
    m_answer = m_dir.filePath(QStringLiteral("classe-vista.pdf"));
    ClassSetDialog *dialog = openClassSetDialog();
    const auto *range = dialog->findChild<QLabel *>(QStringLiteral("lblIntervallo"));
    QVERIFY(range);
    QCOMPARE(range->text(), QStringLiteral("da 1 a 40"));
    auto *count = dialog->findChild<QSpinBox *>(QStringLiteral("spnNumeroSchede"));
    count->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(count, Qt::Key_Backspace);
    else
        QTest::keyClicks(count, typed);
    QCOMPARE(count->text(), shown);

    if (sheets == 0)
        QTest::keyClick(count, Qt::Key_Return);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdSalvaPdf")),
                      Qt::LeftButton);
    QVERIFY(outputIdle(&screen()));
    if (sheets == 0) {
        QVERIFY(m_asked.isEmpty());
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(screen().output().classSetDialog(), dialog);
        return;
    }
    QTRY_VERIFY(!screen().output().classSetDialog());
    QCOMPARE(m_messages, QStringList());
    if (!pdftools::available())
        QSKIP("poppler-utils not installed: the file's pages are not counted");
    QCOMPARE(pdftools::pageCount(m_answer), sheets + 1); // and the solutions
}

QTEST_MAIN(TestWorksheetScreen)
#include "tst_worksheetscreen.moc"
