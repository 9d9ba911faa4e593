// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/DrillScreen.h"

#include "sets/FigureCatalogue.h"
#include "drill/ScorePanel.h"
#include "drill/SpeakerButton.h"
#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/OptionList.h"
#include "shell/Palette.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>

#include <array>

namespace {

// Top-left corners of slots 1 to 15 in the two set frames: the grids differ
// a little.
// clang-format off
constexpr std::array<QPoint, 15> drillLeftSetSlots{{
    {315, 270},   {1110, 270},  {1950, 270},  {2760, 270},  {3570, 270},
    {315, 1155},  {1110, 1155}, {1950, 1155}, {2760, 1155}, {3570, 1155},
    {315, 2040},  {1110, 2040}, {1950, 2040}, {2760, 2040}, {3570, 2040},
}};
constexpr std::array<QPoint, 15> drillRightSetSlots{{
    {315, 300},   {1125, 300},  {1950, 300},  {2805, 300},  {3630, 300},
    {315, 1185},  {1125, 1185}, {1950, 1185}, {2805, 1185}, {3630, 1185},
    {315, 2130},  {1125, 2130}, {1950, 2130}, {2805, 2130}, {3645, 2130},
}};
// clang-format on

constexpr int slotSide = 750;
// The cross's pen, in device-independent pixels like a font: not scaled.
constexpr int crossWidth = 4;

// Screen readers present a slot's picture as an image with its figure's name.
QAccessibleInterface *pictureAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureBox") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

struct Choice
{
    const char *caption;
    QPoint at;
    bool sign;
};

const Choice choices[RelationDrill::optionCount] = {
    // The signs are the same in every language.
    {"<", {315, 150}, true},
    {"=", {1965, 150}, true},
    {">", {3630, 150}, true},
    {QT_TRANSLATE_NOOP("DrillScreen", "VERIFICA"), {315, 930}, false},
    {QT_TRANSLATE_NOOP("DrillScreen", "AVANTI"), {1965, 930}, false},
    {QT_TRANSLATE_NOOP("DrillScreen", "ESCI"), {3630, 930}, false},
};
constexpr QSize optionTwips(1575, 600);
constexpr double signPoints = 48;
constexpr double commandPoints = 15.75;

constexpr QSize designTwips(11880, 8550);
// Right of the heading's text, above the right set.
constexpr QRect listenButtonTwips(10920, 45, 855, 855);
// The pupil's name: in the band above the sets, from the left set's edge to
// the loudspeaker button.
constexpr QRect pupilTwips(375, 510, 10425, 465);
// The red outline of a set, in pixels like a pen.
constexpr int setOutlineWidth = 5;
} // namespace

DrillScreen::DrillScreen(FigureCatalogue &figures, DrillState &state)
    : Screen(QStringLiteral("frmOperativo3"), tr("STABILIRE UNA RELAZIONE TRA DUE INSIEMI"),
             designTwips, Opening::Maximized, Frame::NoMinMax),
      m_figures(figures),
      m_state(state)
{
    QAccessible::installFactory(pictureAccessible);
    const TwipsScale s = scale();
    QWidget *area = client();
    DesignLayout *layout = designLayout();
    ui::fill(area, colours::windowPink);

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    const QFont headingFont = fonts::arial(20.25);
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

    // Labels first: the frames and the options lie above them.
    QLabel *heading = ui::label(area, QStringLiteral("Label1(0)"),
                                tr(" OBIETTIVO:   CONFRONTA I  DUE INSIEMI"), headingFont,
                                colours::brick, colours::windowPink, topLeft);
    QLabel *band = ui::label(area, QStringLiteral("Label1(1)"), QString(), headingFont,
                             colours::brick, colours::windowPink, topLeft);
    // The sign keeps its font size while the box grows with the window: it
    // stays in the box's middle, where the red cross crosses it out.
    m_signBox = ui::label(area, QStringLiteral("LblRelazione"), QString(), fonts::signBox(),
                          windowText, colours::windowPink, Qt::AlignCenter);
    m_signBox->setAccessibleDescription(tr("segno di relazione"));
    m_correctionLabel = ui::label(area, QStringLiteral("lblCorrezione"), QString(),
                                  fonts::arial(27.75), colours::red, colours::windowPink);
    m_verdictLabel = ui::label(area, QStringLiteral("LblEsito"), QString(), fonts::arial(48),
                               colours::darkBlue);
    // Whose drill it is, in the band above the sets; a guest's shows none.
    m_pupilLabel = new ElidedLabel(area, QStringLiteral("lblAlunno"), headingFont,
                                   colours::darkBlue);
    m_pupilLabel->setFullText(m_state.pupil);
    m_pupilLabel->setAccessibleDescription(tr("alunno che risponde"));
    m_pupilLabel->setVisible(!m_state.pupil.isEmpty());

    // The two sets: a red rounded outline and fifteen hidden slots each.
    auto makeSet = [&](const QString &name, const QString &spoken, const QRect &box,
                       const QString &outline, const QRect &outlineBox, const QString &slotName,
                       const std::array<QPoint, slotCount> &slotPlaces, Slots &pictures) {
        QWidget *frame = ui::panel(area, name, colours::windowPink);
        frame->setAccessibleName(spoken);
        layout->addBox(frame, box);
        auto *shape = new RoundedBox(frame, outline, QColor(), colours::red, setOutlineWidth);
        layout->addBox(shape, outlineBox);
        for (int k = 1; k <= slotCount; ++k) {
            auto *picture = new PictureBox(frame, QStringLiteral("%1(%2)").arg(slotName).arg(k));
            picture->hide();
            // A tall or wide picture reaches a little into the white margin
            // of the next one: each lies above those after it, so none loses
            // an edge of its drawing.
            if (k > 1)
                picture->stackUnder(pictures[k - 1]);
            const QPoint at = slotPlaces[k - 1];
            layout->addPicture(picture, {at.x(), at.y(), slotSide, slotSide});
            pictures[k] = picture;
        }
        return frame;
    };
    m_leftSet = makeSet(QStringLiteral("FraSfondoS"), tr("insieme di sinistra"),
                        {375, 1020, 4620, 3240}, QStringLiteral("Shape1(0)"), {30, 30, 4545, 3030},
                        QStringLiteral("Image2"), drillLeftSetSlots, m_leftSlots);
    m_rightSet = makeSet(QStringLiteral("FraSfondoD"), tr("insieme di destra"),
                         {6780, 1035, 4620, 3240}, QStringLiteral("Shape1(1)"),
                         {30, 105, 4545, 3030}, QStringLiteral("Image1"), drillRightSetSlots,
                         m_rightSlots);

    QWidget *optionFrame = ui::panel(area, QStringLiteral("Frame1"), colours::windowPink);
    layout->addBox(optionFrame, {2970, 4230, 5550, 1650});
    m_options = new OptionList(m_state.optionRules, this);
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        const Choice &c = choices[i];
        auto *button = new OptionButton(optionFrame, QStringLiteral("Option1(%1)").arg(i), i,
                                        c.sign ? QString::fromLatin1(c.caption) : tr(c.caption),
                                        fonts::arial(c.sign ? signPoints : commandPoints),
                                        i == RelationDrill::optLess ? colours::focusPink
                                                                    : colours::windowPink);
        layout->addBox(button, QRect(c.at, optionTwips));
        m_options->add(button);
    }
    connect(m_options, &OptionList::chosen, this, &DrillScreen::choose);

    // The red cross lies above the sets and the sign box it crosses out.
    const QLine strokes[] = {{4980, 2085, 6825, 2970}, {6795, 2235, 4995, 2910}};
    const QString strokeNames[] = {QStringLiteral("Line1"), QStringLiteral("Line2")};
    for (std::size_t i = 0; i < m_crossStrokes.size(); ++i) {
        const QLine &twips = strokes[i];
        m_crossStrokes[i] = new LineElement(area, strokeNames[i], s.point(twips.x1(), twips.y1()),
                                            s.point(twips.x2(), twips.y2()), colours::red,
                                            crossWidth);
        m_crossStrokes[i]->hide();
    }

    // Beside the question, outside the option list: it never takes the
    // focus, so the list's keys go on as before.
    m_listenButton = new SpeakerButton(area, QStringLiteral("cmdAscolta"), tr("Ascolta"));
    connect(m_listenButton, &QToolButton::clicked, this, &DrillScreen::replayRequested);
    connect(this, &Screen::closed, this, &DrillScreen::closing);

    m_scorePanel = new ScorePanel(area);
    m_scorePanel->addTo(*layout, {300, 6720, 4890, 1695});

    layout->addBox(heading, {0, 0, 12000, 492});
    layout->addBox(band, {0, 495, 12000, 495});
    layout->addBox(m_pupilLabel, pupilTwips);
    layout->addBox(m_signBox, {4980, 1665, 1815, 1815});
    layout->addBox(m_correctionLabel, {5040, 3510, 1770, 615});
    layout->addBox(m_verdictLabel, {315, 5835, 4860, 960});
    layout->addBox(m_listenButton, listenButtonTwips);
    for (std::size_t i = 0; i < m_crossStrokes.size(); ++i)
        layout->addScaledLine(m_crossStrokes[i], strokes[i]);
    takeDesignSize();

    m_scorePanel->showExercise(drill().score());
    nextExercise();
}

void DrillScreen::nextExercise()
{
    m_scorePanel->clearAnswerTime();
    m_correctionLabel->clear();
    for (LineElement *stroke : m_crossStrokes)
        stroke->hide();
    drill().newExercise();
    m_scorePanel->showExercise(drill().score());
    m_verdictLabel->clear();
    m_verdictLabel->setAccessibleName(QString());
    setSignBox(QString());
    m_scorePanel->clearAnswerTime();
    showOptions();
    showSets();
    Q_EMIT exerciseShown(drill().leftSize(), drill().rightSize());
}

void DrillScreen::showOptions()
{
    // Enable first and disable last, so the focus never has to wander.
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        if (drill().isEnabled(i))
            m_options->setEnabled(i, true);
    }
    m_options->giveFocus(drill().focusOption());
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        if (!drill().isEnabled(i))
            m_options->setEnabled(i, false);
    }
}

void DrillScreen::showSets()
{
    for (int k = 1; k <= slotCount; ++k) {
        m_rightSlots[k]->hide();
        m_leftSlots[k]->hide();
    }
    showSet(m_leftSet, m_leftSlots, drill().leftSlots());
    showSet(m_rightSet, m_rightSlots, drill().rightSlots());
}

void DrillScreen::showSet(QWidget *frame, const Slots &pictures, const QList<int> &drawn)
{
    const int figure = drill().figure();
    const QPixmap picture = m_figures.picture(figure, devicePixelRatioF());
    const QString name = FigureCatalogue::pictureName(figure);
    frame->show();
    for (int s : drawn) {
        if (s < 1 || s > slotCount)
            continue;
        PictureBox *slot = pictures[s];
        slot->setPicture(picture);
        slot->setAccessibleName(name);
        slot->show();
    }
}

void DrillScreen::choose(int index)
{
    // A choice that the state does not allow is ignored, however it came.
    if (!drill().isEnabled(index))
        return;
    switch (index) {
    case RelationDrill::optLess:
    case RelationDrill::optEqual:
    case RelationDrill::optGreater: {
        const RelationDrill::Sign sign = RelationDrill::signOf(index);
        if (drill().chooseSign(sign)) {
            setSignBox(RelationDrill::text(sign));
            Q_EMIT signChosen(sign);
        }
        break;
    }
    case RelationDrill::optVerify:
        judgeAnswer();
        break;
    case RelationDrill::optNext:
        nextExercise();
        break;
    case RelationDrill::optExit:
        close();
        break;
    default:
        break;
    }
}

// The sign box's change: once a sign shows, "VERIFICA" is enabled and takes
// the focus.
void DrillScreen::setSignBox(const QString &text)
{
    m_signBox->setText(text);
    if (drill().sign() == RelationDrill::Sign::None)
        return;
    m_options->setEnabled(RelationDrill::optVerify, true);
    m_options->giveFocus(RelationDrill::optVerify);
}

void DrillScreen::judgeAnswer()
{
    if (!drill().verify())
        return;
    if (drill().isRight()) {
        m_verdictLabel->setText(tr("E s a t t o"));
        m_verdictLabel->setAccessibleName(tr("Esatto")); // a word, not letters
        m_scorePanel->showRight(drill().score());
    } else {
        m_verdictLabel->setText(tr("E r r a t o"));
        m_verdictLabel->setAccessibleName(tr("Errato"));
        for (LineElement *stroke : m_crossStrokes)
            stroke->show();
        m_correctionLabel->setText(RelationDrill::text(drill().correction()));
        m_scorePanel->showWrong(drill().score());
    }
    showOptions();
    m_scorePanel->showTimes(drill().score());
    const ScoreTiming &score = drill().score();
    Q_EMIT answerJudged(drill().leftSize(), drill().rightSize(), drill().sign(), drill().isRight(),
                        static_cast<double>(score.answerSeconds().value_or(0)));
}
