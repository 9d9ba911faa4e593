// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drill screen as its tests reach it: the one screen object, its options
// and labels found by their design names.
#include "drill/DrillScreen.h"
#include "shell/Elements.h"

#include <QLabel>
#include <QMainWindow>

namespace drilltest {

inline DrillScreen &screen()
{
    return Screen::the<DrillScreen>();
}

inline OptionButton *option(int i)
{
    return screen().window()->findChild<OptionButton *>(QStringLiteral("Option1(%1)").arg(i));
}

inline QLabel *label(const char *name)
{
    return screen().window()->findChild<QLabel *>(QString::fromLatin1(name));
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
        count += screen().window()->findChild<QWidget *>(name)->isVisible();
    }
    return count;
}

} // namespace drilltest
