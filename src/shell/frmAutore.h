#pragma once

#include "shell/Screen.h"

// The about screen: where to reach the author. Shown modally from the start
// screen's menu, at its design size; its only action is closing.
class frmAutore : public Screen
{
    Q_OBJECT
public:
    frmAutore();

    static QString siteAddress();
    static QString mailAddress();

protected:
    void createElements(QWidget *client) override;

private:
    void Command1_Click();
};
