// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/DrillScreen.h"

#include "sets/FigureCatalogue.h"
#include "drill/ScorePanel.h"
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
constexpr std::array<QPoint, 15> drillLeftSetSlots{{
    {315, 270}, {1110, 270}, {1950, 270}, {2760, 270}, {3570, 270},
    {315, 1155}, {1110, 1155}, {1950, 1155}, {2760, 1155}, {3570, 1155},
    {315, 2040}, {1110, 2040}, {1950, 2040}, {2760, 2040}, {3570, 2040},
}};
constexpr std::array<QPoint, 15> drillRightSetSlots{{
    {315, 300}, {1125, 300}, {1950, 300}, {2805, 300}, {3630, 300},
    {315, 1185}, {1125, 1185}, {1950, 1185}, {2805, 1185}, {3630, 1185},
    {315, 2130}, {1125, 2130}, {1950, 2130}, {2805, 2130}, {3645, 2130},
}};

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
    {"<", {315, 150}, true},         {"=", {1965, 150}, true},
    {">", {3630, 150}, true},        {"VERIFICA", {315, 930}, false},
    {"AVANTI", {1965, 930}, false},  {"ESCI", {3630, 930}, false},
};
} // namespace

DrillScreen::DrillScreen()
    : Screen(QStringLiteral("frmOperativo3"),
             QStringLiteral("STABILIRE UNA RELAZIONE TRA DUE INSIEMI"), QSize(11880, 8550),
             Opening::Maximized),
      m_figures(FigureCatalogue::shared())
{
    setMinMaxButtons(false);
    QAccessible::installFactory(pictureAccessible);
}

void DrillScreen::createElements(QWidget *client)
{
    const TwipsScale s = scale();
    ui::fill(client, colours::windowPink);

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    const QFont headingFont = fonts::arial(20.25);
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    ElementTable &e = elements();

    // Labels first: the frames and the options lie above them.
    auto *heading = ui::label(client, QStringLiteral("Label1(0)"),
                              QStringLiteral(" OBIETTIVO:   CONFRONTA I  DUE INSIEMI"),
                              headingFont, colours::brick, colours::windowPink, topLeft);
    auto *band = ui::label(client, QStringLiteral("Label1(1)"), QString(), headingFont,
                           colours::brick, colours::windowPink, topLeft);
    // The sign keeps its font size while the box grows with the window: it
    // stays in the box's middle, where the red cross crosses it out.
    m_signBox = ui::label(client, QStringLiteral("LblRelazione"), QString(),
                          fonts::signBox(), windowText, colours::windowPink, Qt::AlignCenter);
    m_signBox->setAccessibleDescription(QStringLiteral("segno di relazione"));
    m_correction = ui::label(client, QStringLiteral("lblCorrezione"), QString(),
                             fonts::arial(27.75), colours::red, colours::windowPink);
    m_verdict = ui::label(client, QStringLiteral("LblEsito"), QString(),
                          fonts::arial(48), colours::darkBlue);

    // The two sets: a red rounded outline and fifteen hidden slots each.
    auto makeSet = [&](const QString &name, const QString &spoken, const QRect &box,
                       const QString &outline, const QRect &outlineBox, const QString &slotName,
                       const std::array<QPoint, slotCount> &slotPlaces,
                       QPointer<PictureBox> (&slots)[slotCount + 1]) {
        QWidget *frame = ui::panel(client, name, colours::windowPink);
        frame->setAccessibleName(spoken);
        e.add(frame, box);
        auto *shape = new RoundedBox(frame, outline, QColor(), colours::red, 5);
        e.add(shape, outlineBox);
        for (int k = 1; k <= slotCount; ++k) {
            auto *picture = new PictureBox(frame, QStringLiteral("%1(%2)").arg(slotName).arg(k));
            picture->hide();
            // A tall or wide picture reaches a little into the white margin
            // of the next one: each lies above those after it, so none loses
            // an edge of its drawing.
            if (k > 1)
                picture->stackUnder(slots[k - 1]);
            const QPoint at = slotPlaces[k - 1];
            e.addPicture(picture, {at.x(), at.y(), slotSide, slotSide});
            slots[k] = picture;
        }
        return frame;
    };
    m_leftSet = makeSet(QStringLiteral("FraSfondoS"), QStringLiteral("insieme di sinistra"),
                        {375, 1020, 4620, 3240}, QStringLiteral("Shape1(0)"),
                        {30, 30, 4545, 3030}, QStringLiteral("Image2"), drillLeftSetSlots, m_left);
    m_rightSet = makeSet(QStringLiteral("FraSfondoD"), QStringLiteral("insieme di destra"),
                         {6780, 1035, 4620, 3240}, QStringLiteral("Shape1(1)"),
                         {30, 105, 4545, 3030}, QStringLiteral("Image1"), drillRightSetSlots,
                         m_right);

    QWidget *optionFrame = ui::panel(client, QStringLiteral("Frame1"), colours::windowPink);
    e.add(optionFrame, {2970, 4230, 5550, 1650});
    m_options = new OptionList(m_optionRules, [this](int i) { choose(i); }, window());
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        const Choice &c = choices[i];
        auto *button = new OptionButton(optionFrame, QStringLiteral("Option1(%1)").arg(i), i,
                                        QString::fromLatin1(c.caption),
                                        fonts::arial(c.sign ? 48 : 15.75),
                                        i == 0 ? colours::focusPink : colours::windowPink);
        e.add(button, {c.at.x(), c.at.y(), 1575, 600});
        m_options->add(button);
    }

    // The red cross lies above the sets and the sign box it crosses out.
    const QLine stroke1(4980, 2085, 6825, 2970);
    const QLine stroke2(6795, 2235, 4995, 2910);
    auto makeStroke = [&](const QString &name, const QLine &twips) {
        auto *line = new LineElement(client, name, s.point(twips.x1(), twips.y1()),
                                     s.point(twips.x2(), twips.y2()), colours::red, crossWidth);
        line->hide();
        return line;
    };
    m_line1 = makeStroke(QStringLiteral("Line1"), stroke1);
    m_line2 = makeStroke(QStringLiteral("Line2"), stroke2);

    m_panel = new ScorePanel(client);
    m_panel->addTo(e, {300, 6720, 4890, 1695});

    e.add(heading, {0, 0, 12000, 492});
    e.add(band, {0, 495, 12000, 495});
    e.add(m_signBox, {4980, 1665, 1815, 1815});
    e.add(m_correction, {5040, 3510, 1770, 615});
    e.add(m_verdict, {315, 5835, 4860, 960});
    e.addScaledLine(m_line1, stroke1);
    e.addScaledLine(m_line2, stroke2);

    placeAtDesign();
}

void DrillScreen::loaded()
{
    captureLayout();
    m_panel->showExercise(m_drill.score());
    nextExercise();
}

void DrillScreen::resized()
{
    applyLayout();
}

void DrillScreen::nextExercise()
{
    if (!isLoaded())
        return;
    m_panel->clearAnswerTime();
    m_correction->clear();
    m_line1->hide();
    m_line2->hide();
    m_drill.newExercise();
    m_panel->showExercise(m_drill.score());
    m_verdict->clear();
    setSignBox(QString());
    m_panel->clearAnswerTime();
    showOptions();
    showSets();
}

void DrillScreen::showOptions()
{
    // Enable first and disable last, so the focus never has to wander.
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        if (m_drill.isEnabled(i))
            m_options->setEnabled(i, true);
    }
    m_options->giveFocus(m_drill.focusOption());
    for (int i = 0; i < RelationDrill::optionCount; ++i) {
        if (!m_drill.isEnabled(i))
            m_options->setEnabled(i, false);
    }
}

void DrillScreen::showSets()
{
    for (int k = 1; k <= slotCount; ++k) {
        m_right[k]->hide();
        m_left[k]->hide();
    }
    showSet(m_leftSet, m_left, m_drill.leftSlots());
    showSet(m_rightSet, m_right, m_drill.rightSlots());
}

void DrillScreen::showSet(QWidget *frame, const QPointer<PictureBox> (&slots)[slotCount + 1],
                          const QList<int> &drawn)
{
    const int figure = m_drill.figure();
    const QPixmap picture = m_figures.picture(figure, window()->devicePixelRatioF());
    const QString name = FigureCatalogue::pictureName(figure);
    frame->show();
    for (int s : drawn) {
        if (s < 1 || s > slotCount)
            continue;
        PictureBox *slot = slots[s];
        slot->setPicture(picture);
        slot->setAccessibleName(name);
        slot->show();
    }
}

void DrillScreen::choose(int index)
{
    // A choice that the state does not allow is ignored, however it came.
    if (!isLoaded() || !m_drill.isEnabled(index))
        return;
    switch (index) {
    case RelationDrill::optLess:
    case RelationDrill::optEqual:
    case RelationDrill::optGreater: {
        const RelationDrill::Sign sign = RelationDrill::signOf(index);
        if (m_drill.chooseSign(sign))
            setSignBox(RelationDrill::text(sign));
        break;
    }
    case RelationDrill::optVerify:
        judgeAnswer();
        break;
    case RelationDrill::optNext:
        nextExercise();
        break;
    case RelationDrill::optExit:
        unload();
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
    if (m_drill.sign() == RelationDrill::Sign::None)
        return;
    m_options->setEnabled(RelationDrill::optVerify, true);
    m_options->giveFocus(RelationDrill::optVerify);
}

void DrillScreen::judgeAnswer()
{
    if (!m_drill.verify())
        return;
    if (m_drill.isRight()) {
        m_verdict->setText(QStringLiteral("E s a t t o"));
        m_panel->showRight(m_drill.score());
    } else {
        m_verdict->setText(QStringLiteral("E r r a t o"));
        m_line1->show();
        m_line2->show();
        m_correction->setText(RelationDrill::text(m_drill.correction()));
        m_panel->showWrong(m_drill.score());
    }
    showOptions();
    m_panel->showTimes(m_drill.score());
}
