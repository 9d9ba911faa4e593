// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Phrases.h"

#include "shell/Language.h"

#include <array>

namespace {

// clang-format off
constexpr std::array<phrases::Phrase, 24> table{{
    {"question", "Quale segno va tra i due insiemi?",
                 "Welches Zeichen gehört zwischen die beiden Mengen?",
                 "Which sign goes between the two sets?"},
    {"sign-less", "minore di", "kleiner als", "less than"},
    {"sign-equal", "uguale a", "gleich", "equal to"},
    {"sign-greater", "maggiore di", "größer als", "greater than"},
    {"right", "Esatto!", "Richtig!", "Right!"},
    {"wrong", "Sbagliato.", "Falsch.", "Wrong."},
    {"is-less", "è minore di", "ist kleiner als", "is less than"},
    {"is-equal", "è uguale a", "ist gleich", "is equal to"},
    {"is-greater", "è maggiore di", "ist größer als", "is greater than"},
    {"number-1", "uno", "eins", "one"},
    {"number-2", "due", "zwei", "two"},
    {"number-3", "tre", "drei", "three"},
    {"number-4", "quattro", "vier", "four"},
    {"number-5", "cinque", "fünf", "five"},
    {"number-6", "sei", "sechs", "six"},
    {"number-7", "sette", "sieben", "seven"},
    {"number-8", "otto", "acht", "eight"},
    {"number-9", "nove", "neun", "nine"},
    {"number-10", "dieci", "zehn", "ten"},
    {"number-11", "undici", "elf", "eleven"},
    {"number-12", "dodici", "zwölf", "twelve"},
    {"number-13", "tredici", "dreizehn", "thirteen"},
    {"number-14", "quattordici", "vierzehn", "fourteen"},
    {"number-15", "quindici", "fünfzehn", "fifteen"},
}};

// Two quick rising notes for a right answer; a low, quiet falling one for a
// wrong answer, so that it does not sound like a telling-off.
const std::array<phrases::Tone, 2> toneTable{{
    {"sound-right", {{880.0, 1318.5}}, 0.11, 0.5},
    {"sound-wrong", {{220.0, 174.6}}, 0.2, 0.3},
}};
// clang-format on

QString numberClip(int n)
{
    return QStringLiteral("number-%1").arg(n);
}

bool hasWords(int n)
{
    return n >= phrases::smallestNumber && n <= phrases::largestNumber;
}

} // namespace

std::span<const phrases::Phrase> phrases::spoken()
{
    return table;
}

std::span<const phrases::Tone> phrases::tones()
{
    return toneTable;
}

QStringList phrases::clipNames()
{
    QStringList names;
    for (const Phrase &p : table)
        names << QString::fromLatin1(p.clip);
    for (const Tone &t : toneTable)
        names << QString::fromLatin1(t.clip);
    return names;
}

QString phrases::text(const Phrase &phrase, const QString &language)
{
    const char *words = language == language::italian ? phrase.italian
        : language == language::german                ? phrase.german
        : language == language::english               ? phrase.english
                                                      : "";
    return QString::fromUtf8(words);
}

QString phrases::text(const QString &clip, const QString &language)
{
    for (const Phrase &p : table) {
        if (clip == QLatin1String(p.clip))
            return text(p, language);
    }
    return QString();
}

QStringList phrases::question()
{
    return {QStringLiteral("question")};
}

QStringList phrases::sign(Relation relation)
{
    switch (relation) {
    case Relation::Less:
        return {QStringLiteral("sign-less")};
    case Relation::Equal:
        return {QStringLiteral("sign-equal")};
    case Relation::Greater:
        return {QStringLiteral("sign-greater")};
    }
    return {};
}

QStringList phrases::verdict(bool correct, int left, int right)
{
    if (correct)
        return {QStringLiteral("sound-right"), QStringLiteral("right")};
    QStringList clips{QStringLiteral("sound-wrong"), QStringLiteral("wrong")};
    if (hasWords(left) && hasWords(right)) {
        const QString relation = left < right ? QStringLiteral("is-less")
            : left == right                   ? QStringLiteral("is-equal")
                                              : QStringLiteral("is-greater");
        clips << numberClip(left) << relation << numberClip(right);
    }
    return clips;
}

QString phrases::sentence(const QStringList &clips, const QString &language)
{
    const auto ends = [](const QString &words) {
        return words.endsWith(u'.') || words.endsWith(u'!') || words.endsWith(u'?');
    };
    QString joined;
    for (const QString &clip : clips) {
        QString words = text(clip, language);
        if (words.isEmpty())
            continue;
        if (joined.isEmpty() || ends(joined))
            words[0] = words[0].toUpper();
        if (!joined.isEmpty())
            joined += u' ';
        joined += words;
    }
    if (!joined.isEmpty() && !ends(joined))
        joined += u'.';
    return joined;
}
