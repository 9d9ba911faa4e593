// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Language.h"

QStringList language::spoken()
{
    return {italian, german, english};
}

QString language::choose(const QStringList &uiLanguages)
{
    const QStringList ours = spoken();
    for (const QString &entry : uiLanguages) {
        // "de-Latn-DE", "en_GB.UTF-8": the language is what comes first.
        const QString code = entry.section(QLatin1Char('-'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .toLower();
        if (ours.contains(code))
            return code;
    }
    return italian;
}
