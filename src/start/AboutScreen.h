// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/DesignDialog.h"

// The about screen: where to reach the author. Shown modally from the start
// screen's menu, at its design size; its only action is closing.
class AboutScreen : public DesignDialog
{
    Q_OBJECT
public:
    explicit AboutScreen(QWidget *owner);

    static QString siteAddress();
    static QString mailAddress();
};
