// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheets/Worksheet.h"

#include <vector>

class RandomSource;

// A class set: the teacher's sheet first, as it stands, then sheets whose
// four exercises are composed afresh by the same rules, one sheet a pupil.
class ClassSet
{
public:
    static constexpr int minSheets = 1;
    static constexpr int maxSheets = 40;
    static constexpr int defaultSheets = 25;

    // Sheets 2 to count are composed here from random, at the level of
    // first; count is kept within minSheets and maxSheets. first must
    // outlive the set.
    ClassSet(const Worksheet &first, int count, RandomSource &random);

    int count() const { return int(m_others.size()) + 1; }
    // Sheet 1 to count(); a number outside them gives sheet 1.
    const Worksheet &sheet(int number) const;

private:
    const Worksheet &m_first;
    std::vector<Worksheet> m_others;
};
