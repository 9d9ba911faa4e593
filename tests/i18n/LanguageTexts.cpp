// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageTexts.h"

#include "shell/ProgramTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <QXmlStreamReader>

namespace {
// Line breaks as one character, mnemonic ampersands gone ("&&" is one "&").
QString normalized(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

const QRegularExpression placeholder(QStringLiteral("%L?[1-9][0-9]?"));

// "Scheda %1 di %2" as a pattern matching "Scheda 3 di 10"; nothing for a
// text that is all placeholders and blanks, which would match anything.
QRegularExpression patternOf(const QString &source)
{
    const QStringList parts = source.split(placeholder);
    if (parts.size() < 2
        || !parts.join(QString()).contains(QRegularExpression(QStringLiteral("\\w"))))
        return {};
    QStringList escaped;
    for (const QString &part : parts)
        escaped << QRegularExpression::escape(part);
    return QRegularExpression(QStringLiteral("\\A") + escaped.join(QStringLiteral(".*"))
                                  + QStringLiteral("\\z"),
                              QRegularExpression::DotMatchesEverythingOption);
}

// The widget's place in the tree, by objectNames where there are any.
QString pathOf(const QWidget *w, const QWidget *root)
{
    QStringList names;
    for (const QObject *o = w; o; o = o->parent()) {
        names.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                                : o->objectName());
        if (o == root)
            break;
    }
    return names.join(QLatin1Char('/'));
}

struct Text
{
    QString what;
    QString text;
};

QList<Text> textsOf(const QWidget *w)
{
    QList<Text> texts;
    if (w->isWindow())
        texts.append({QStringLiteral("window title"), w->windowTitle()});
    if (auto *label = qobject_cast<const QLabel *>(w))
        texts.append({QStringLiteral("text"), label->text()});
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        texts.append({QStringLiteral("text"), button->text()});
    if (auto *combo = qobject_cast<const QComboBox *>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            texts.append({QStringLiteral("item %1").arg(i), combo->itemText(i)});
    }
    texts.append({QStringLiteral("tooltip"), w->toolTip()});
    texts.append({QStringLiteral("accessible name"), w->accessibleName()});
    texts.append({QStringLiteral("accessible description"), w->accessibleDescription()});
    for (const QAction *action : w->actions()) {
        const QString name = action->objectName().isEmpty() ? QStringLiteral("action")
                                                            : action->objectName();
        texts.append({name + QStringLiteral(" text"), action->text()});
        // Without a tooltip of its own, an action shows its text.
        if (normalized(action->toolTip()) != normalized(action->text()))
            texts.append({name + QStringLiteral(" tooltip"), action->toolTip()});
    }
    return texts;
}

QList<const QWidget *> treeOf(const QWidget *root)
{
    QList<const QWidget *> tree{root};
    for (const QWidget *w : root->findChildren<QWidget *>())
        tree.append(w);
    return tree;
}
} // namespace

i18n::LanguageScope::LanguageScope(const QString &language)
    : m_loaded(program::installTexts(language, &m_owner))
{}

i18n::Catalogue::Catalogue(const QStringList &translatedSources)
{
    for (const QString &source : translatedSources) {
        const QString text = normalized(source);
        m_sources.insert(text);
        const QRegularExpression pattern = patternOf(text);
        if (!pattern.pattern().isEmpty())
            m_patterns.append(pattern);
    }
}

i18n::Catalogue i18n::Catalogue::forLanguage(const QString &language)
{
    return fromTsFile(QStringLiteral(GLI_TRANSLATIONS_DIR "/gli-insiemi_%1.ts").arg(language));
}

i18n::Catalogue i18n::Catalogue::fromTsFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Catalogue none;
        none.m_valid = false;
        return none;
    }
    QStringList sources;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            // Unfinished, vanished and obsolete messages are not translations.
            const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (finished && !translation.isEmpty() && translation != source)
                sources.append(source);
        }
    }
    Catalogue catalogue(sources);
    catalogue.m_valid = !xml.hasError();
    return catalogue;
}

bool i18n::Catalogue::translates(const QString &text) const
{
    const QString shown = normalized(text);
    if (shown.isEmpty())
        return false;
    if (m_sources.contains(shown))
        return true;
    for (const QRegularExpression &pattern : m_patterns) {
        if (pattern.match(shown).hasMatch())
            return true;
    }
    return false;
}

QStringList i18n::textsLeftInItalian(const QWidget *root, const Catalogue &catalogue)
{
    QStringList found;
    for (const QWidget *w : treeOf(root)) {
        for (const Text &t : textsOf(w)) {
            if (catalogue.translates(t.text)) {
                const QString line =
                    QStringLiteral("%1: %2 \"%3\"").arg(pathOf(w, root), t.what, t.text);
                if (!found.contains(line))
                    found.append(line);
            }
        }
    }
    return found;
}

QStringList i18n::textsNotFitting(const QWidget *root)
{
    QStringList found;
    for (const QWidget *w : treeOf(root)) {
        if (w != root && !w->isVisibleTo(root))
            continue;
        QString text;
        QRect box;
        bool wrap = false;
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            if (label->textFormat() == Qt::RichText
                || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
                continue;
            text = label->text();
            const int margin = label->margin();
            box = label->contentsRect().adjusted(margin, margin, -margin, -margin);
            wrap = label->wordWrap();
            if (label->buddy())
                text = normalized(text);
        } else if (auto *button = qobject_cast<const QPushButton *>(w)) {
            // Our buttons draw their text wrapped, inside the raised frame.
            text = normalized(button->text());
            box = button->contentsRect().adjusted(4, 2, -4, -2);
            wrap = true;
        }
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics(w->font());
        const QRect needed = wrap
            ? metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20), Qt::TextWordWrap, text)
            : metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, text);
        const int height = qMax(box.height(), metrics.height());
        if (needed.width() > box.width() || needed.height() > height)
            found.append(QStringLiteral("%1: \"%2\" needs %3x%4, has %5x%6")
                             .arg(pathOf(w, root), text)
                             .arg(needed.width())
                             .arg(needed.height())
                             .arg(box.width())
                             .arg(box.height()));
    }
    return found;
}
