// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

class QWidget;

// Screen tests in another language: load the language, then look over a
// widget tree for Italian texts the catalogue has a translation for, and for
// labels and buttons whose text does not fit its box.
namespace i18n {

// The program's texts in `language` for as long as the object lives: the
// program's catalogue (none for Italian) and Qt's own, as the program
// installs them at start-up.
class LanguageScope
{
public:
    explicit LanguageScope(const QString &language);
    bool isLoaded() const { return m_loaded; }

private:
    QObject m_owner; // the translators' parent: they go with it
    bool m_loaded = false;
};

// The Italian source texts a catalogue translates into something else.
// Texts with placeholders ("Scheda %1 di %2") also match their filled-in
// forms; mnemonic ampersands do not count.
class Catalogue
{
public:
    explicit Catalogue(const QStringList &translatedSources);
    // The finished messages of translations/gli-insiemi_<language>.ts.
    static Catalogue forLanguage(const QString &language);
    // Those of any .ts file; empty, and not valid, when it cannot be read.
    static Catalogue fromTsFile(const QString &path);

    bool isValid() const { return m_valid; }
    int size() const { return int(m_sources.size()); }
    bool translates(const QString &text) const;

private:
    Catalogue() = default;

    QSet<QString> m_sources;
    QList<QRegularExpression> m_patterns;
    bool m_valid = true;
};

// Every text of root and the widgets below it (window titles, labels,
// buttons, menu items and other actions, combo box items, tooltips,
// accessible names and descriptions), hidden ones too, that is still a
// source text the catalogue translates; one line each, "path: what "text"".
QStringList textsLeftInItalian(const QWidget *root, const Catalogue &catalogue);

// Every visible label and push button at or below root whose text does not
// fit its box: wider than it (a word too long where the text wraps), or, as
// wrapped, taller than the box or than one line where the box is lower.
QStringList textsNotFitting(const QWidget *root);

} // namespace i18n
