#pragma once

#include "shell/Curtains.h"
#include "shell/OptionListRules.h"
#include "shell/Screen.h"

#include <QPointer>

class OptionList;
class ShrinkingPanel;
class QTimer;

// The start screen: title, the option list "VAI" / "ESCI", the menu and the
// two curtains. The window is a thin view: the curtain steps come from
// Curtains, the option list's key and mouse rules from OptionListRules, the
// scaling from the screen's ElementTable.
class FrmInizio : public Screen
{
    Q_OBJECT
public:
    FrmInizio();

    void AvviaTendine();
    void EseguiScelta(int index);
    void ChiudiTutto();

    const Curtains &curtains() const { return m_curtains; }
    const OptionListRules &optionRules() const { return m_optionRules; }
    bool isCurtainTimerEnabled() const;

protected:
    void createElements(QWidget *client) override;
    void formLoad() override;
    void formResize() override;
    void formUnload() override;

private:
    void timerTendine_Timer();
    void mnuStampaSchede_Click();
    void mnuInfo_Click();
    void showCurtains();

    OptionListRules m_optionRules{0, 2};
    Curtains m_curtains;
    QPointer<QTimer> m_timer;
    QPointer<ShrinkingPanel> m_picture1;
    QPointer<ShrinkingPanel> m_picture2;
    QPointer<OptionList> m_options;
};
