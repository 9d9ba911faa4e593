#pragma once

#include "shell/Screen.h"

// The relation drill screen.
class frmOperativo3 : public Screen
{
    Q_OBJECT
public:
    frmOperativo3();

protected:
    void createElements(QWidget *client) override;
};
