// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The languages the program speaks, named by their ISO 639-1 codes. Italian
// is the language of the source texts; the others come from catalogues.
namespace language {

inline const QString italian = QStringLiteral("it");
inline const QString german = QStringLiteral("de");
inline const QString english = QStringLiteral("en");

// Every language the program speaks, the source language first.
QStringList spoken();

// The language for a list of the user's UI languages, most wanted first, as
// QLocale::uiLanguages() gives them ("de-DE", "en_GB", "de", "C"): the first
// entry whose language the program speaks; Italian when none is (C, POSIX,
// French, an empty list).
QString choose(const QStringList &uiLanguages);

} // namespace language
