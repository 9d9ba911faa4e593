// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QtGlobal>
#include <array>

// Numbers uniform in [0, 1). Reseeding "from the clock" mixes a
// high-resolution clock reading into the current state, so two reseeds in the
// same second (or the same microsecond) never restart the same sequence.
class RandomSource
{
public:
    explicit RandomSource(quint64 seed = 0x9e3779b97f4a7c15ULL);

    void seed(quint64 seed);
    void reseedFromClock();
    void mix(quint64 entropy);

    double next();
    // floor(next() * n) + offset, the program's usual draw.
    int draw(int n, int offset = 0) { return static_cast<int>(next() * n) + offset; }

private:
    quint64 nextBits();
    std::array<quint64, 4> m_state{};
};

// The distinct-slot drawing: n different slots, each 1 to 15, in the order
// drawn; a slot already taken is drawn again.
QList<int> drawDistinctSlots(int n, RandomSource &random);
