// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <span>

// What the drill says, in one table: each phrase's clip name and its text in
// every language the program speaks. The build voices each text into
// voices/LANG/CLIP.wav; a sentence is a list of clip names, the same in every
// language, played one after another.
namespace phrases {

struct Phrase
{
    const char *clip;
    const char *italian;
    const char *german;
    const char *english;
};

// A sound without words, the same in every language.
struct Tone
{
    const char *clip;
    // Two notes played one after the other, in hertz, each noteSeconds long.
    std::array<double, 2> notes;
    double noteSeconds;
    double loudness; // 0 to 1
};

enum class Relation { Less, Equal, Greater };

inline constexpr int smallestNumber = 1;
inline constexpr int largestNumber = 15;

// Every spoken phrase, numbers included.
std::span<const Phrase> spoken();
// The right and the wrong verdict's sounds.
std::span<const Tone> tones();
// Every clip name, spoken phrases first.
QStringList clipNames();

// The phrase's text in `language` ("it", "de", "en"); empty for a language
// the program does not speak.
QString text(const Phrase &phrase, const QString &language);
// The text of a spoken clip in `language`; empty for a tone or an unknown name.
QString text(const QString &clip, const QString &language);

// The clips of each thing the drill says.
QStringList question();
QStringList sign(Relation relation);
// "Esatto!" after a bright sound; or a soft low sound, "Sbagliato." and what
// is true of the two counts ("Sette è maggiore di tre."). Counts outside 1 to
// 15 have no words: the sentence is left out.
QStringList verdict(bool correct, int left, int right);

// What a list of clips says, as text: the clips' texts joined by spaces, a
// capital at the start of each sentence, a full stop at the end unless the
// last text ends in one. Tones say nothing.
QString sentence(const QStringList &clips, const QString &language);

} // namespace phrases
