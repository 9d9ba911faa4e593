// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/ClassSet.h"

#include <algorithm>

ClassSet::ClassSet(const Worksheet &first, int count, RandomSource &random) : m_first(first)
{
    count = std::clamp(count, minSheets, maxSheets);
    m_others.reserve(count - 1);
    for (int n = 2; n <= count; ++n) {
        m_others.emplace_back(random);
        m_others.back().setLevel(first.level());
        m_others.back().composeMissing();
    }
}

const Worksheet &ClassSet::sheet(int number) const
{
    if (number <= 1 || number > count())
        return m_first;
    return m_others[number - 2];
}
