// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramTexts.h"

#include "shell/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
bool install(const QString &file, const QString &folder, QObject *owner)
{
    auto *translator = new QTranslator(owner);
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    // Installing a catalogue without messages yet reports false; it is in.
    QCoreApplication::installTranslator(translator);
    return true;
}
} // namespace

QString program::systemLanguage()
{
    return language::choose(QLocale::system().uiLanguages());
}

bool program::installTexts(const QString &language, QObject *owner)
{
    bool found = install(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath), owner);
    if (language != language::italian)
        found = install(QStringLiteral("gli-insiemi_") + language, QStringLiteral(":/i18n"), owner)
            && found;
    return found;
}

QString program::installSystemLanguageTexts(QCoreApplication &app)
{
    const QString language = systemLanguage();
    installTexts(language, &app);
    return language;
}
