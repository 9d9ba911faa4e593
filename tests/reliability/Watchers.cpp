// SPDX-License-Identifier: GPL-3.0-or-later
#include "Watchers.h"

#include "drill/DrillScreen.h"
#include "printing/PrinterChooser.h"
#include "sets/FigureCatalogue.h"
#include "shell/Elements.h"
#include "start/Program.h"
#include "start/StartScreen.h"
#include "worksheets/WorksheetScreen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QSet>

namespace {

QString number(qint64 value)
{
    return QString::number(value);
}

QString labelText(const Screen &screen, const QString &name, bool *missing)
{
    auto *label = screen.findChild<QLabel *>(name);
    if (!label) {
        *missing = true;
        return {};
    }
    return label->text();
}

bool shown(const QWidget *widget)
{
    return widget && !widget->isHidden();
}

// The state table of the drill, written out on its own.
bool enabledInPhase(RelationDrill::Phase phase, int option)
{
    switch (phase) {
    case RelationDrill::Phase::WaitingForSign:
        return option <= 2;
    case RelationDrill::Phase::SignChosen:
        return option <= 3;
    case RelationDrill::Phase::VerdictShown:
        return option == 4 || option == 5;
    case RelationDrill::Phase::NotStarted:
        break;
    }
    return false;
}

QString signText(RelationDrill::Sign sign)
{
    switch (sign) {
    case RelationDrill::Sign::Less:
        return QStringLiteral("<");
    case RelationDrill::Sign::Equal:
        return QStringLiteral("=");
    case RelationDrill::Sign::Greater:
        return QStringLiteral(">");
    case RelationDrill::Sign::None:
        break;
    }
    return {};
}

bool rightAnswer(RelationDrill::Sign sign, int left, int right)
{
    return (sign == RelationDrill::Sign::Less && left < right)
        || (sign == RelationDrill::Sign::Equal && left == right)
        || (sign == RelationDrill::Sign::Greater && left > right);
}

QString checkSet(const Screen &screen, const QString &array, int size, const QList<int> &slots)
{
    if (size < RelationDrill::smallestSet || size > RelationDrill::largestSet)
        return QStringLiteral("%1: set of %2").arg(array).arg(size);
    const QSet<int> distinct(slots.cbegin(), slots.cend());
    if (slots.size() != size || distinct.size() != size)
        return QStringLiteral("%1: %2 elements on %3 slots").arg(array).arg(size).arg(slots.size());
    for (int slot = 1; slot <= DrillScreen::slotCount; ++slot) {
        auto *image = screen.findChild<PictureBox *>(QStringLiteral("%1(%2)").arg(array).arg(slot));
        if (!image)
            return QStringLiteral("%1(%2) is missing").arg(array).arg(slot);
        const bool drawn = distinct.contains(slot);
        if (shown(image) != drawn)
            return QStringLiteral("%1(%2) %3 though %4 drawn")
                .arg(array)
                .arg(slot)
                .arg(shown(image) ? QStringLiteral("shown") : QStringLiteral("hidden"),
                     drawn ? QStringLiteral("it was") : QStringLiteral("not"));
        if (drawn && image->picture().isNull())
            return QStringLiteral("%1(%2) is drawn without a picture").arg(array).arg(slot);
    }
    return {};
}

} // namespace

void DrillWatch::take()
{
    const ScoreTiming &score = m_program.drillState().drill.score();
    m_exercise = score.exercise();
    m_right = score.right();
    m_wrong = score.wrong();
}

QString DrillWatch::checkStep() const
{
    const RelationDrill &drill = m_program.drillState().drill;
    const ScoreTiming &score = drill.score();
    const qint64 exercises = score.exercise() - m_exercise;
    const qint64 rights = score.right() - m_right;
    const qint64 wrongs = score.wrong() - m_wrong;
    if (exercises < 0 || exercises > 1)
        return QStringLiteral("exercise number went from %1 to %2")
            .arg(m_exercise)
            .arg(score.exercise());
    if (rights < 0 || wrongs < 0 || rights + wrongs > 1)
        return QStringLiteral("counts went from %1/%2 to %3/%4")
            .arg(m_right)
            .arg(m_wrong)
            .arg(score.right())
            .arg(score.wrong());
    if (score.right() + score.wrong() > score.exercise())
        return QStringLiteral("%1 verdicts in %2 exercises")
            .arg(score.right() + score.wrong())
            .arg(score.exercise());
    if (rights + wrongs == 1) {
        if (drill.phase() != RelationDrill::Phase::VerdictShown)
            return QStringLiteral("an answer was counted without a verdict");
        if ((rights == 1) != rightAnswer(drill.sign(), drill.leftSize(), drill.rightSize()))
            return QStringLiteral("\"%1\" for %2 against %3 was counted as %4")
                .arg(signText(drill.sign()))
                .arg(drill.leftSize())
                .arg(drill.rightSize())
                .arg(rights == 1 ? QStringLiteral("right") : QStringLiteral("wrong"));
    }
    return {};
}

QString DrillWatch::checkView() const
{
    DrillScreen *open = m_program.drillScreen();
    if (!open)
        return {};
    DrillScreen &screen = *open;
    const RelationDrill &drill = screen.drill();
    const RelationDrill::Phase phase = drill.phase();
    if (phase == RelationDrill::Phase::NotStarted)
        return QStringLiteral("the drill is loaded without an exercise");

    for (int option = 0; option < RelationDrill::optionCount; ++option) {
        auto *button = screen.findChild<QWidget *>(QStringLiteral("Option1(%1)").arg(option));
        if (!button)
            return QStringLiteral("Option1(%1) is missing").arg(option);
        if (button->isEnabled() != enabledInPhase(phase, option))
            return QStringLiteral("Option1(%1) is %2 in phase %3")
                .arg(option)
                .arg(button->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled"))
                .arg(static_cast<int>(phase));
        if (button->isEnabled() != drill.isEnabled(option))
            return QStringLiteral("Option1(%1) disagrees with the drill").arg(option);
    }

    bool missing = false;
    const QString signBox = labelText(screen, QStringLiteral("LblRelazione"), &missing);
    const QString verdict = labelText(screen, QStringLiteral("LblEsito"), &missing);
    const QString correction = labelText(screen, QStringLiteral("lblCorrezione"), &missing);
    const QString exercise = labelText(screen, QStringLiteral("LblOperazione"), &missing);
    const QString rights = labelText(screen, QStringLiteral("lblRisEsatte"), &missing);
    const QString wrongs = labelText(screen, QStringLiteral("lblRisErrate"), &missing);
    auto *line1 = screen.findChild<QWidget *>(QStringLiteral("Line1"));
    auto *line2 = screen.findChild<QWidget *>(QStringLiteral("Line2"));
    if (missing || !line1 || !line2)
        return QStringLiteral("a label or line of the drill is missing");

    const bool judged = phase == RelationDrill::Phase::VerdictShown;
    const QString expectedSign = phase == RelationDrill::Phase::WaitingForSign
        ? QString()
        : signText(drill.sign());
    if (phase != RelationDrill::Phase::WaitingForSign && expectedSign.isEmpty())
        return QStringLiteral("a sign phase without a sign");
    if (signBox != expectedSign)
        return QStringLiteral("sign box \"%1\", expected \"%2\"").arg(signBox, expectedSign);

    const bool right = rightAnswer(drill.sign(), drill.leftSize(), drill.rightSize());
    if (judged && drill.isRight() != right)
        return QStringLiteral("the verdict on \"%1\" for %2 against %3 is wrong")
            .arg(expectedSign)
            .arg(drill.leftSize())
            .arg(drill.rightSize());
    const QString expectedVerdict = !judged ? QString()
        : right                             ? QStringLiteral("E s a t t o")
                                            : QStringLiteral("E r r a t o");
    if (verdict != expectedVerdict)
        return QStringLiteral("verdict \"%1\", expected \"%2\"").arg(verdict, expectedVerdict);
    const bool crossed = judged && !right;
    if (shown(line1) != crossed || shown(line2) != crossed)
        return QStringLiteral("the red cross is %1")
            .arg(crossed ? QStringLiteral("missing") : QStringLiteral("shown"));
    const RelationDrill::Sign correct = drill.leftSize() < drill.rightSize()
        ? RelationDrill::Sign::Less
        : drill.leftSize() > drill.rightSize() ? RelationDrill::Sign::Greater
                                               : RelationDrill::Sign::Equal;
    const QString expectedCorrection = crossed ? signText(correct) : QString();
    if (correction != expectedCorrection)
        return QStringLiteral("correction \"%1\", expected \"%2\"")
            .arg(correction, expectedCorrection);

    const ScoreTiming &score = drill.score();
    if (exercise != number(score.exercise()))
        return QStringLiteral("exercise label \"%1\" for exercise %2")
            .arg(exercise)
            .arg(score.exercise());
    if (!rights.isEmpty() && rights != number(score.right()))
        return QStringLiteral("right answers shown as \"%1\", counted %2")
            .arg(rights)
            .arg(score.right());
    if (!wrongs.isEmpty() && wrongs != number(score.wrong()))
        return QStringLiteral("wrong answers shown as \"%1\", counted %2")
            .arg(wrongs)
            .arg(score.wrong());

    if (drill.figure() < FigureCatalogue::firstFigure
        || drill.figure() > FigureCatalogue::lastFigure)
        return QStringLiteral("figure %1").arg(drill.figure());
    const QString left = checkSet(screen, QStringLiteral("Image2"), drill.leftSize(),
                                  drill.leftSlots());
    if (!left.isEmpty())
        return left;
    return checkSet(screen, QStringLiteral("Image1"), drill.rightSize(), drill.rightSlots());
}

void WorksheetWatch::follow(QWidget *window)
{
    m_followed = window;
    m_clicks.fill(0);
    const char *names[4] = {"CmdInsieme1", "cmdInsieme2", "cmdInsieme3", "cmdInsieme4"};
    for (int e = 0; e < 4; ++e) {
        auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(names[e]));
        if (button)
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [this, e] { ++m_clicks[e]; });
    }
}

void WorksheetWatch::take()
{
    m_window = m_program.worksheetScreen();
    if (m_window && m_followed != m_window)
        follow(m_window);
    m_clicksBefore = m_clicks;
    const Worksheet &sheet = m_program.worksheet();
    for (int e = 1; e <= 4; ++e) {
        for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
            const int index = Worksheet::placeIndex(e, slot);
            m_before[e - 1][slot - 1] = sheet.place(Worksheet::Side::Left, index).picture;
            m_before[e - 1][slot + 14] = sheet.place(Worksheet::Side::Right, index).picture;
        }
    }
}

QString WorksheetWatch::checkStep() const
{
    QWidget *screen = m_program.worksheetScreen();
    if (!screen)
        return {};
    const Worksheet &sheet = m_program.worksheet();
    if (screen != m_window) {
        // Opened afresh: exercise 1 alone.
        for (int e = 1; e <= 4; ++e) {
            if (sheet.isComposed(e) != (e == 1))
                return QStringLiteral("a new opening has exercise %1 %2")
                    .arg(e)
                    .arg(e == 1 ? QStringLiteral("empty") : QStringLiteral("composed"));
        }
        return {};
    }
    bool allComposed = true;
    for (int e = 1; e <= 4; ++e)
        allComposed = allComposed && sheet.isComposed(e);
    for (int e = 1; e <= 4; ++e) {
        const bool wasEmpty = m_before[e - 1][0] == Worksheet::noPicture;
        bool changed = false;
        for (int slot = 1; slot <= Worksheet::slotCount && !changed; ++slot) {
            const int index = Worksheet::placeIndex(e, slot);
            changed = sheet.place(Worksheet::Side::Left, index).picture != m_before[e - 1][slot - 1]
                || sheet.place(Worksheet::Side::Right, index).picture != m_before[e - 1][slot + 14];
        }
        if (changed && m_clicks[e - 1] == m_clicksBefore[e - 1] && !(wasEmpty && allComposed))
            return QStringLiteral("exercise %1 changed though its button was not pressed").arg(e);
    }
    return {};
}

QString WorksheetWatch::checkView() const
{
    WorksheetScreen *open = m_program.worksheetScreen();
    if (!open)
        return {};
    WorksheetScreen &screen = *open;
    const Worksheet &sheet = screen.worksheet();
    const qreal ratio = screen.devicePixelRatioF();
    for (int e = 1; e <= 4; ++e) {
        int left = 0;
        int right = 0;
        int figure = 0;
        bool rightRun = true; // the right set fills the first slots in order
        for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
            const int index = Worksheet::placeIndex(e, slot);
            for (auto side : {Worksheet::Side::Left, Worksheet::Side::Right}) {
                const int picture = sheet.place(side, index).picture;
                const bool isLeft = side == Worksheet::Side::Left;
                const QString name = QStringLiteral("%1(%2)")
                                         .arg(isLeft ? QStringLiteral("Image1")
                                                     : QStringLiteral("Image2"))
                                         .arg(index);
                auto *box = screen.findChild<PictureBox *>(name);
                if (!box)
                    return QStringLiteral("%1 is missing").arg(name);
                if (box->picture().isNull() != (picture == Worksheet::noPicture))
                    return QStringLiteral("%1 shows %2 picture")
                        .arg(name,
                             box->picture().isNull() ? QStringLiteral("no") : QStringLiteral("a"));
                if (!sheet.isComposed(e)) {
                    if (picture != Worksheet::noPicture)
                        return QStringLiteral("%1 holds a picture of an empty exercise").arg(name);
                    continue;
                }
                if (picture == Worksheet::noPicture)
                    return QStringLiteral("%1 of a composed exercise holds no picture").arg(name);
                if (box->picture().size() != m_program.figures().picture(picture, ratio).size())
                    return QStringLiteral("%1 shows a picture of the wrong size").arg(name);
                if (picture == Worksheet::blankPicture) {
                    if (!isLeft)
                        rightRun = false;
                    continue;
                }
                if (figure != 0 && picture != figure)
                    return QStringLiteral("exercise %1 mixes figures %2 and %3")
                        .arg(e)
                        .arg(figure)
                        .arg(picture);
                figure = picture;
                if (isLeft) {
                    ++left;
                } else {
                    if (!rightRun)
                        return QStringLiteral("the right set of exercise %1 has a gap").arg(e);
                    ++right;
                }
            }
        }
        if (!sheet.isComposed(e))
            continue;
        if (figure < FigureCatalogue::firstFigure || figure > FigureCatalogue::lastFigure)
            return QStringLiteral("exercise %1 has figure %2").arg(e).arg(figure);
        if (left < 1 || left > Worksheet::maxSetSize || right < 1 || right > Worksheet::maxSetSize
            || left == right)
            return QStringLiteral("exercise %1 has sets of %2 and %3").arg(e).arg(left).arg(right);
    }
    if (!sheet.isComposed(1))
        return QStringLiteral("the worksheet is open without exercise 1");

    auto *frame3 = screen.findChild<QWidget *>(QStringLiteral("Frame3"));
    auto *frame4 = screen.findChild<QWidget *>(QStringLiteral("Frame4"));
    auto *toggle = screen.findChild<QAbstractButton *>(QStringLiteral("Command2"));
    if (!frame3 || !frame4 || !toggle)
        return QStringLiteral("a part frame or the part toggle is missing");
    const bool first = toggle->text() == QStringLiteral("Visualizza la seconda parte");
    if (!first && toggle->text() != QStringLiteral("Visualiza la prima parte"))
        return QStringLiteral("part toggle reads \"%1\"").arg(toggle->text());
    if (shown(frame3) != first || shown(frame4) == first)
        return QStringLiteral("the part in view disagrees with \"%1\"").arg(toggle->text());
    return {};
}

QString smallScreens::checkStart(const Program &program)
{
    const StartScreen *start = program.startScreen();
    if (!start || start->isMinimized())
        return {};
    if (!start->isCurtainTimerEnabled() && !start->curtains().isOpen())
        return QStringLiteral("the curtains stopped with the start screen covered");
    return {};
}

QString smallScreens::checkChooser(const Program &program, const QStringList &printers)
{
    const PrinterChooser *open = program.printerChooser();
    if (!open)
        return {};
    const PrinterChooser &chooser = *open;
    for (const char *name : {"Label1", "Label2"}) {
        auto *label = chooser.findChild<QLabel *>(QString::fromLatin1(name));
        if (!label)
            return QStringLiteral("%1 of the chooser is missing").arg(QString::fromLatin1(name));
        if (label->textFormat() != Qt::PlainText)
            return QStringLiteral("%1 of the chooser reads markup").arg(QString::fromLatin1(name));
    }
    auto *combo = chooser.findChild<QComboBox *>(QStringLiteral("Combo1"));
    if (!combo)
        return QStringLiteral("Combo1 is missing");
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i)
        listed << combo->itemText(i);
    if (listed != printers)
        return QStringLiteral("the chooser lists %1").arg(listed.join(QStringLiteral(", ")));
    return {};
}
