// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/WorksheetScreen.h"

#include "sets/FigureCatalogue.h"
#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/Palette.h"
#include "worksheets/SheetOutput.h"

#include <QLabel>
#include <QMenuBar>

namespace {

constexpr QSize designTwips(11910, 8280);

const char *const secondPartCaption = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                        "Visualizza la seconda parte");
const char *const firstPartCaption = QT_TRANSLATE_NOOP("WorksheetScreen",
                                                       "Visualiza la prima parte");

// Top-left corners of slots 1 to 15 inside every set frame. A place is
// large enough for the tallest and the widest picture at design size.
// clang-format off
constexpr std::array<QPoint, 15> previewSetSlots{{
    {120, 165},   {975, 165},   {1830, 165},  {2700, 165},  {3585, 165},
    {120, 1140},  {975, 1140},  {1830, 1140}, {2700, 1140}, {3585, 1140},
    {120, 2085},  {975, 2085},  {1830, 2085}, {2700, 2085}, {3585, 2085},
}};
// clang-format on
constexpr int placeWidth = 915;
constexpr int placeHeight = 930;

struct SetFrame
{
    const char *name;
    int exercise;
    Worksheet::Side side;
    QRect twips; // inside its part frame
};

// Each set stands on the side of the screen where the paper prints it: the
// left set ("S" frames, Image1) on the left, the right set ("D", Image2) on
// the right. Each frame keeps its own size.
const SetFrame firstPart[] = {
    {"FraSfondo1S", 1, Worksheet::Side::Left, {72, 195, 4605, 3075}},
    {"fraSfondo1D", 1, Worksheet::Side::Right, {4710, 195, 4605, 3075}},
    {"FraSfondo2S", 2, Worksheet::Side::Left, {72, 3390, 4605, 3075}},
    {"fraSfondo2D", 2, Worksheet::Side::Right, {4710, 3390, 4605, 3075}},
};
const SetFrame secondPart[] = {
    {"fraSfondo3S(2)", 3, Worksheet::Side::Left, {75, 195, 4560, 3075}},
    {"fraSondo3D", 3, Worksheet::Side::Right, {4725, 195, 4605, 3075}},
    {"fraSfondo3S(0)", 4, Worksheet::Side::Left, {75, 3375, 4560, 3075}},
    {"fraSfondo4D", 4, Worksheet::Side::Right, {4725, 3375, 4605, 3075}},
};

// A set frame: a white panel without an outline, as on the paper.
QWidget *setFrame(QWidget *parent, const QString &name)
{
    return ui::panel(parent, name, colours::white);
}

QString setName(Worksheet::Side side, int exercise)
{
    return WorksheetScreen::tr("insieme di %1, esercizio %2")
        .arg(side == Worksheet::Side::Left ? WorksheetScreen::tr("sinistra")
                                           : WorksheetScreen::tr("destra"))
        .arg(exercise);
}
} // namespace

WorksheetScreen::WorksheetScreen(FigureCatalogue &figures, Worksheet &sheet,
                                 PrintService &printService, RandomSource &random,
                                 OutputThread &outputThread)
    : Screen(QStringLiteral("frmStampaSchede3"), tr("VISUALIZZAZIONE SCHEDA         "), designTwips,
             Opening::Maximized, Frame::NoMinMax),
      m_figures(figures),
      m_sheet(sheet)
{
    QWidget *area = client();
    DesignLayout *layout = designLayout();
    ui::fill(area, colours::windowPink);

    const QFont buttonFont = fonts::arial(9.75);

    // Made from the bottom of the stack up; each is registered with its
    // design box as it is made.
    auto makePart = [&](const char *name, const QRect &twips, const auto &frames) {
        QWidget *part = ui::panel(area, QString::fromLatin1(name), colours::windowPink);
        layout->addBox(part, twips);
        for (const SetFrame &f : frames) {
            QWidget *frame = setFrame(part, QString::fromLatin1(f.name));
            frame->setAccessibleName(setName(f.side, f.exercise));
            layout->addBox(frame, f.twips);
            auto &places = f.side == Worksheet::Side::Left ? m_leftPlaces : m_rightPlaces;
            const QString array = f.side == Worksheet::Side::Left ? QStringLiteral("Image1")
                                                                  : QStringLiteral("Image2");
            for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
                const int index = Worksheet::placeIndex(f.exercise, slot);
                auto *place = new PictureBox(frame, QStringLiteral("%1(%2)").arg(array).arg(index));
                places[index] = place;
                layout->addBox(place, {previewSetSlots[slot - 1], QSize(placeWidth, placeHeight)});
            }
        }
        return part;
    };
    m_firstPart = makePart("Frame3", {90, 975, 9360, 6675}, firstPart);
    m_secondPart = makePart("Frame4", {96, 972, 9360, 6672}, secondPart);

    auto button = [&](const char *name, const QString &text, const QRect &twips) {
        auto *b = new ColouredButton(area, QString::fromLatin1(name), text, buttonFont,
                                     colours::focusPink);
        layout->addBox(b, twips);
        return b;
    };
    auto *exercise1 = button("CmdInsieme1", tr("VISUALIZZA 1° ESERCIZIO"), {9660, 1725, 2145, 645});
    auto *exercise2 = button("cmdInsieme2", tr("VISUALIZZA 2° ESERCIZIO"), {9660, 2415, 2145, 645});
    auto *exercise3 = button("cmdInsieme3", tr("VISUALIZZA 3° ESERCIZIO"), {9660, 3090, 2145, 645});
    auto *exercise4 = button("cmdInsieme4", tr("VISUALIZZA 4° ESERCIZIO"), {9660, 3810, 2145, 645});
    m_printButton = button("Command1", tr("STAMPA"), {9675, 5925, 2145, 645});
    auto *exitButton = button("CmdFine", tr("ESCI"), {9660, 6660, 2145, 645});
    m_partButton = button("Command2", tr("Visualizza la prima parte"), {165, 7710, 3390, 495});

    QLabel *title = ui::label(area, QStringLiteral("Label1"),
                              tr(" SCHEDA: mettere il segno di relazione"), fonts::arial(20.25),
                              colours::darkRed, colours::windowPink, Qt::AlignLeft | Qt::AlignTop);
    title->setWordWrap(false);
    layout->addBox(title, {0, 0, 12000, 585});

    m_output = new SheetOutput(this, area, layout, sheet, printService, random, outputThread);

    QAction *printerMenu = menuBar()->addAction(tr("Seleziona stampante"));
    printerMenu->setObjectName(QStringLiteral("mnuStampante"));
    // The menu shows the plain texts, with a letter for Alt underlined.
    m_savePdfItem = menuBar()->addAction(tr("&Salva PDF..."));
    m_savePdfItem->setObjectName(QStringLiteral("mnuSalvaPdf"));
    m_classSetItem = menuBar()->addAction(tr("Schede per la &classe..."));
    m_classSetItem->setObjectName(QStringLiteral("mnuClasse"));

    connect(exercise1, &QPushButton::clicked, this, &WorksheetScreen::startOver);
    connect(exercise2, &QPushButton::clicked, this, [this] { composeExercise(2); });
    connect(exercise3, &QPushButton::clicked, this, [this] { composeExercise(3); });
    connect(exercise4, &QPushButton::clicked, this, [this] { composeExercise(4); });
    connect(m_printButton, &QPushButton::clicked, m_output, &SheetOutput::pressPrint);
    // Closed at once: a job not yet handed over goes with the screen.
    connect(this, &Screen::closed, m_output, &SheetOutput::abandon);
    connect(exitButton, &QPushButton::clicked, this, &WorksheetScreen::close);
    connect(m_partButton, &QPushButton::clicked, this, &WorksheetScreen::togglePart);
    connect(printerMenu, &QAction::triggered, this, &WorksheetScreen::printerChooserRequested);
    connect(m_savePdfItem, &QAction::triggered, m_output, &SheetOutput::pressSave);
    connect(m_classSetItem, &QAction::triggered, m_output, &SheetOutput::openClassSet);
    connect(m_output, &SheetOutput::runningChanged, this,
            [this](bool running) { setOutputEnabled(!running); });
    connect(m_output, &SheetOutput::exercisesComposed, this, [this](const QList<int> &exercises) {
        for (int e : exercises)
            showExercise(e);
    });
    takeDesignSize();

    // A new opening starts from exercise 1 alone.
    m_sheet.reset();
    startOver();
}

void WorksheetScreen::showPart(Part part)
{
    m_part = part;
    const bool first = part == Part::First;
    m_firstPart->setVisible(first);
    m_secondPart->setVisible(!first);
    m_partButton->setText(tr(first ? secondPartCaption : firstPartCaption));
}

void WorksheetScreen::showExercise(int exercise)
{
    const qreal ratio = devicePixelRatioF();
    for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
        const int index = Worksheet::placeIndex(exercise, slot);
        for (auto side : {Worksheet::Side::Left, Worksheet::Side::Right}) {
            PictureBox *box = (side == Worksheet::Side::Left ? m_leftPlaces : m_rightPlaces)[index];
            const Worksheet::Place &place = m_sheet.place(side, index);
            if (place.picture == Worksheet::noPicture) {
                box->setPicture(QPixmap());
                box->setAccessibleName(QString());
            } else {
                box->setPicture(m_figures.picture(place.picture, ratio));
                box->setAccessibleName(FigureCatalogue::pictureName(place.picture));
            }
        }
    }
}

// The first exercise's button starts the sheet over from its first part.
void WorksheetScreen::startOver()
{
    showPart(Part::First);
    composeExercise(1);
}

void WorksheetScreen::composeExercise(int exercise)
{
    m_sheet.compose(exercise);
    showExercise(exercise);
}

void WorksheetScreen::togglePart()
{
    showPart(m_part == Part::First ? Part::Second : Part::First);
}

void WorksheetScreen::setOutputEnabled(bool enabled)
{
    m_printButton->setEnabled(enabled);
    m_savePdfItem->setEnabled(enabled);
    m_classSetItem->setEnabled(enabled);
}
