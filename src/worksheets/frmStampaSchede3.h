#pragma once

#include "shell/Screen.h"

// The worksheet preview screen.
class frmStampaSchede3 : public Screen
{
    Q_OBJECT
public:
    frmStampaSchede3();

protected:
    void createElements(QWidget *client) override;
};
