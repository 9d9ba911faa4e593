// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/RelationDrill.h"
#include "shell/OptionListRules.h"
#include "shell/Screen.h"

#include <QPointer>

class FigureCatalogue;
class LineElement;
class OptionList;
class PictureBox;
class QLabel;
class ScorePanel;

// The relation drill screen. It is the view of RelationDrill, which decides
// the draws, the verdict, which choices are enabled and where the focus goes;
// the screen shows the sets and the labels and forwards the option list's
// events. Both the drill and the option list's latches belong to the screen
// object, so a new opening goes on with the same numbers.
class DrillScreen : public Screen
{
    Q_OBJECT
public:
    static constexpr int slotCount = 15;

    DrillScreen();

    // The procedures work on the loaded window; unloaded they do nothing.
    // Clears the verdict and draws the next exercise.
    void nextExercise();
    // Carries out option `index` of the option list, when the drill allows it.
    void choose(int index);

    RelationDrill &drill() { return m_drill; }
    const OptionListRules &optionRules() const { return m_optionRules; }

protected:
    void createElements(QWidget *client) override;
    void loaded() override;
    void resized() override;

private:
    void showSets();
    void judgeAnswer();
    void setSignBox(const QString &text);
    void showOptions();
    void showSet(QWidget *frame, const QPointer<PictureBox> (&slots)[slotCount + 1],
                 const QList<int> &drawn);

    FigureCatalogue &m_figures;
    RelationDrill m_drill;
    OptionListRules m_optionRules{0, 3};

    QPointer<OptionList> m_options;
    QPointer<QWidget> m_leftSet;
    QPointer<QWidget> m_rightSet;
    QPointer<PictureBox> m_left[slotCount + 1];
    QPointer<PictureBox> m_right[slotCount + 1];
    QPointer<QLabel> m_signBox;
    QPointer<QLabel> m_correction;
    QPointer<QLabel> m_verdict;
    QPointer<LineElement> m_line1;
    QPointer<LineElement> m_line2;
    QPointer<ScorePanel> m_panel;
};
