// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sets/SetLevel.h"

#include <QList>
#include <QString>
#include <array>

class RandomSource;

// The worksheet: two arrays of 60 picture places, `Image1` for the left sets
// and `Image2` for the right sets; exercise e owns places 15(e-1) to
// 15(e-1)+14 of each, one per slot. A place holds no picture until its
// exercise is composed, then the blank picture or the exercise's figure.
class Worksheet
{
public:
    static constexpr int exerciseCount = 4;
    static constexpr int slotCount = 15;
    static constexpr int placeCount = exerciseCount * slotCount;
    static constexpr int noPicture = -1;
    static constexpr int blankPicture = 0;
    // The largest set at the default level.
    static constexpr int maxSetSize = 9;

    enum class Side { Left, Right }; // Image1, Image2

    struct Place
    {
        int picture = noPicture; // catalogue index, or noPicture
    };

    // What the last composition drew; overwritten by the next one.
    struct Composition
    {
        int exercise = 0;
        int figure = 0;
        int leftSize = 0;
        int rightSize = 0;
        QList<int> leftSlots;
    };

    explicit Worksheet(RandomSource &random);

    // The sizes of the sets composed from now on; composed ones stay.
    void setLevel(SetLevel level) { m_level = level; }
    SetLevel level() const { return m_level; }

    // Index of slot s (1 to 15) of exercise e (1 to 4) in either array.
    static int placeIndex(int exercise, int slot) { return slotCount * (exercise - 1) + slot - 1; }

    // Composes exercise e afresh, touching only its own 15 places of each
    // array; an exercise outside 1 to 4 is ignored.
    void compose(int exercise);
    // Composes every exercise that was never composed; the exercises it
    // composed, in order.
    QList<int> composeMissing();
    // Every place back to no picture, as when the screen first opens.
    void reset();

    const Place &place(Side side, int index) const;
    bool isComposed(int exercise) const;
    // How many places of the set hold a figure: the set's size.
    int setSize(Side side, int exercise) const;
    // The sign the pupil writes between the left and the right set of
    // exercise e: "<" or ">" ("=" never comes of a composition); empty for
    // an exercise never composed.
    QString answer(int exercise) const;
    const Composition &lastComposition() const { return m_last; }

private:
    RandomSource &m_random;
    SetLevel m_level = sets::defaultLevel;
    std::array<Place, placeCount> m_left{};
    std::array<Place, placeCount> m_right{};
    Composition m_last;
};
