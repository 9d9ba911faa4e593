// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/Worksheet.h"

#include "sets/Draws.h"
#include "sets/RandomSource.h"

Worksheet::Worksheet(RandomSource &random) : m_random(random) {}

void Worksheet::reset()
{
    m_left.fill(Place{});
    m_right.fill(Place{});
    m_last = Composition{};
}

const Worksheet::Place &Worksheet::place(Side side, int index) const
{
    static const Place outside{};
    if (index < 0 || index >= placeCount)
        return outside;
    return side == Side::Left ? m_left[index] : m_right[index];
}

bool Worksheet::isComposed(int exercise) const
{
    if (exercise < 1 || exercise > exerciseCount)
        return false;
    // Composition leaves no place of its exercise without a picture.
    return m_left[placeIndex(exercise, 1)].picture != noPicture;
}

int Worksheet::setSize(Side side, int exercise) const
{
    if (exercise < 1 || exercise > exerciseCount)
        return 0;
    const auto &places = side == Side::Left ? m_left : m_right;
    int size = 0;
    for (int i = placeIndex(exercise, 1); i <= placeIndex(exercise, slotCount); ++i)
        size += places[i].picture > blankPicture;
    return size;
}

QString Worksheet::answer(int exercise) const
{
    if (!isComposed(exercise))
        return {};
    const int left = setSize(Side::Left, exercise);
    const int right = setSize(Side::Right, exercise);
    return left < right ? QStringLiteral("<")
        : left > right  ? QStringLiteral(">")
                        : QStringLiteral("=");
}

QList<int> Worksheet::composeMissing()
{
    QList<int> composed;
    for (int e = 1; e <= exerciseCount; ++e) {
        if (!isComposed(e)) {
            compose(e);
            composed.append(e);
        }
    }
    return composed;
}

void Worksheet::compose(int exercise)
{
    if (exercise < 1 || exercise > exerciseCount)
        return;
    const int base = placeIndex(exercise, 1);

    for (int i = base; i < base + slotCount; ++i) {
        m_left[i].picture = blankPicture;
        m_right[i].picture = blankPicture;
    }

    m_random.reseedFromClock();
    Composition c;
    c.exercise = exercise;
    c.figure = m_random.draw(sets::figureCount, sets::firstFigure);
    const sets::SizeRange sizes = sets::worksheetSizes(m_level);
    c.leftSize = m_random.draw(sizes.count(), sizes.smallest);
    c.leftSlots = drawDistinctSlots(c.leftSize, m_random);
    for (int s : c.leftSlots) {
        m_left[base + s - 1].picture = c.figure;
    }

    do {
        c.rightSize = m_random.draw(sizes.count(), sizes.smallest);
    } while (c.rightSize == c.leftSize);
    for (int i = base; i < base + c.rightSize; ++i) {
        m_right[i].picture = c.figure;
    }
    m_last = c;
}
