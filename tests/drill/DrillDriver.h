// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drill screen as its tests reach it: the program each test makes, the
// open drill, its options and labels found by their design names.
#include "drill/DrillScreen.h"
#include "shell/Elements.h"
#include "start/Program.h"

#include <QLabel>
#include <QMainWindow>

#include <memory>

namespace drilltest {

// Made by each test function, so that none depends on another.
inline std::unique_ptr<Program> program;

inline DrillScreen &screen()
{
    return *program->drillScreen();
}

inline OptionButton *option(int i)
{
    return screen().findChild<OptionButton *>(QStringLiteral("Option1(%1)").arg(i));
}

inline QLabel *label(const char *name)
{
    return screen().findChild<QLabel *>(QString::fromLatin1(name));
}

inline QString text(const char *name)
{
    return label(name)->text();
}

// How many pictures of the slot array ("Image1" or "Image2") are shown.
inline int shownPictures(const char *array)
{
    int count = 0;
    for (int k = 1; k <= DrillScreen::slotCount; ++k) {
        const QString name = QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(k);
        count += screen().findChild<QWidget *>(name)->isVisible();
    }
    return count;
}

} // namespace drilltest
