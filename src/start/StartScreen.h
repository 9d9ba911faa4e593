// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Curtains.h"
#include "shell/OptionListRules.h"
#include "shell/Screen.h"

#include <QPointer>

class OptionList;
class ShrinkingPanel;
class QLabel;
class QTimer;

// The start screen: title, the option list "VAI" / "ESCI", the menu and the
// two curtains. The window is a thin view: the curtain steps come from
// Curtains, the option list's key and mouse rules from OptionListRules, the
// scaling from the screen's ElementTable.
class StartScreen : public Screen
{
    Q_OBJECT
public:
    StartScreen();

    // Closes the curtains over the whole window and starts opening them.
    void startCurtains();
    // Carries out option `index`: 0 opens the drill, 1 closes the program.
    void choose(int index);
    // Closes every loaded screen, this one last.
    void closeAll();

    const Curtains &curtains() const { return m_curtains; }
    const OptionListRules &optionRules() const { return m_optionRules; }
    bool isCurtainTimerEnabled() const;

protected:
    void createElements(QWidget *client) override;
    void loaded() override;
    void resized() override;
    void unloading() override;

private:
    void openCurtainsStep();
    void openWorksheets();
    void openAbout();
    void showCurtains();

    OptionListRules m_optionRules{0, 2};
    Curtains m_curtains;
    QPointer<QTimer> m_timer;
    QPointer<ShrinkingPanel> m_picture1;
    QPointer<ShrinkingPanel> m_picture2;
    QPointer<OptionList> m_options;
    QPointer<QLabel> m_version;
};
