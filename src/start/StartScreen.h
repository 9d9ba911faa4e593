// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Curtains.h"
#include "shell/OptionListRules.h"
#include "shell/Screen.h"

class OptionList;
class ShrinkingPanel;
class QLabel;
class QTimer;

// The start screen: title, the option list "VAI" / "ESCI", the menu and the
// two curtains. The window is a thin view: the curtain steps come from
// Curtains, the option list's key and mouse rules from OptionListRules, the
// scaling from its DesignLayout. What it opens, the program opens.
class StartScreen : public Screen
{
    Q_OBJECT
public:
    // The options, by their place in the list.
    enum Option { GoOption = 0, ExitOption = 1 };

    StartScreen();

    // Closes the curtains over the whole window and starts opening them.
    void startCurtains();
    // Carries out option `index`: "VAI" asks for the drill, "ESCI" closes
    // the screen (and with it the program).
    void choose(int index);

    const Curtains &curtains() const { return m_curtains; }
    const OptionListRules &optionRules() const { return m_optionRules; }
    bool isCurtainTimerEnabled() const;

Q_SIGNALS:
    void drillRequested();
    void worksheetsRequested();
    void aboutRequested();
    void resultsRequested();
    void settingsRequested();

private:
    void openCurtainsStep();
    void curtainsPlaced();
    void showCurtains();

    // "1" and "2" reach the two options.
    static constexpr int digitTargets = 2;

    OptionListRules m_optionRules{0, digitTargets};
    Curtains m_curtains;
    QTimer *m_curtainTimer;
    ShrinkingPanel *m_leftCurtain;
    ShrinkingPanel *m_rightCurtain;
    OptionList *m_options;
};
