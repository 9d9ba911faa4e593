// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Palette.h"

#include "shell/Elements.h"

QFont fonts::arial(double points, bool bold)
{
    return ui::font(QStringLiteral("Arial"), points, bold);
}

QFont fonts::signBox()
{
    return ui::font(QStringLiteral("Times New Roman"), 72, true);
}

// The chooser was designed with an old bitmap sans face; the common sans
// faces stand in for it where it is not installed.
QFont fonts::dialog(double points)
{
    QFont f = ui::font(QStringLiteral("MS Sans Serif"), points, true);
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                   QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    return f;
}
