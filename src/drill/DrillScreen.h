// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/RelationDrill.h"
#include "shell/OptionListRules.h"
#include "shell/Screen.h"

#include <QString>

#include <array>

class ElidedLabel;
class FigureCatalogue;
class LineElement;
class OptionList;
class PictureBox;
class QLabel;
class QToolButton;
class RandomSource;
class ScorePanel;

// What the drill keeps from one opening to the next: the counts and times,
// the option list's latches and whose drill it is. The program owns it.
struct DrillState
{
    // "1", "2" and "3" reach the three signs.
    static constexpr int digitTargets = 3;

    explicit DrillState(RandomSource &random, const QString &pupilName = QString())
        : drill(random), pupil(pupilName)
    {}

    RelationDrill drill;
    OptionListRules optionRules{0, digitTargets};
    // The pupil answering; empty for a guest, whose drill shows no name.
    QString pupil;
};

// The relation drill screen. It is the view of RelationDrill, which decides
// the draws, the verdict, which choices are enabled and where the focus goes;
// the screen shows the sets and the labels and forwards the option list's
// events. Both the drill and the option list's latches are the DrillState's,
// so a new opening goes on with the same numbers.
class DrillScreen : public Screen
{
    Q_OBJECT
public:
    static constexpr int slotCount = 15;

    DrillScreen(FigureCatalogue &figures, DrillState &state);

    // Clears the verdict and draws the next exercise.
    void nextExercise();
    // Carries out option `index` of the option list, when the drill allows it.
    void choose(int index);

    RelationDrill &drill() { return m_state.drill; }
    const OptionListRules &optionRules() const { return m_state.optionRules; }
    const QString &pupil() const { return m_state.pupil; }

Q_SIGNALS:
    // The sets of a new exercise are on screen.
    void exerciseShown(int left, int right);
    void signChosen(RelationDrill::Sign sign);
    // The verdict is on screen; seconds is the answer time.
    void answerJudged(int left, int right, RelationDrill::Sign chosen, bool correct,
                      double seconds);
    // The loudspeaker button: say the question again.
    void replayRequested();
    // The screen accepted its closing.
    void closing();

private:
    // Slot pictures by slot number, 1 to slotCount; index 0 is not used.
    using Slots = std::array<PictureBox *, slotCount + 1>;

    void showSets();
    void judgeAnswer();
    void setSignBox(const QString &text);
    void showOptions();
    void showSet(QWidget *frame, const Slots &pictures, const QList<int> &drawn);

    FigureCatalogue &m_figures;
    DrillState &m_state;

    OptionList *m_options;
    QWidget *m_leftSet;
    QWidget *m_rightSet;
    Slots m_leftSlots{};
    Slots m_rightSlots{};
    QLabel *m_signBox;
    QLabel *m_correctionLabel;
    QLabel *m_verdictLabel;
    ElidedLabel *m_pupilLabel;
    QToolButton *m_listenButton;
    std::array<LineElement *, 2> m_crossStrokes{};
    ScorePanel *m_scorePanel;
};
