// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCoreApplication;

namespace program {

// The program's name as people read it: the title of its message boxes.
// It is not made the application's display name, which Qt would append to
// every window title.
inline QString displayName()
{
    return QStringLiteral("Gli insiemi");
}

// The program speaks Italian whatever the system's language: Qt's own
// dialogs and buttons (file dialog, "Sì"/"No") are given Italian too, where
// Qt's translations are installed. Returns whether they were found.
bool installItalianQtTexts(QCoreApplication &app);

} // namespace program
