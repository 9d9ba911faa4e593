// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCoreApplication;
class QObject;

namespace program {

// The program's name as people read it: the title of its message boxes.
// It is not made the application's display name, which Qt would append to
// every window title.
inline QString displayName()
{
    return QStringLiteral("Gli insiemi");
}

// The language the system asks for: its UI languages (from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG) as language::choose() reads them.
QString systemLanguage();

// Installs the texts of `language` ("it", "de", "en"): the program's
// catalogue (none for Italian, the language of the source texts) and Qt's
// own, so that Qt's dialogs and buttons (file dialog, "Sì"/"No") speak the
// same language. The translators are children of owner: deleting owner
// takes them out again. Returns whether every catalogue was found (Qt's
// come with Debian's qt6-translations-l10n).
bool installTexts(const QString &language, QObject *owner);

// Installs the texts of the system's language for the whole run and
// returns that language.
QString installSystemLanguageTexts(QCoreApplication &app);

} // namespace program
