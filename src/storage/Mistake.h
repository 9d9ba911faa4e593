// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// What kind of slip a wrong answer is. The values are kept in the results
// store: never renumber them.
enum class Mistake {
    None = 0, // a right answer
    SwapsLessGreater = 1, // '<' for '>' or '>' for '<'
    MissesEqual = 2, // the sets were equal, the sign was not '='
    OffByOne = 3, // the counts differed by one
    SeesFalseEqual = 4, // '=' where the counts differ by two or more
};

// The slip of one answer, first rule that matches; None when the sign is right.
Mistake classifyMistake(int left, int right, QChar chosen);

// The slip in the teacher's words, in the program's language; empty for None.
QString mistakeText(Mistake mistake);

// The mistake for a stored value; None for a value no version knows.
Mistake mistakeFromValue(int value);
