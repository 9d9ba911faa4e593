// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/RandomSource.h"

#include "sets/Draws.h"

#include <algorithm>
#include <chrono>

namespace {
quint64 splitMix(quint64 &x)
{
    quint64 z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

quint64 rotl(quint64 x, int k)
{
    return (x << k) | (x >> (64 - k));
}
} // namespace

RandomSource::RandomSource(quint64 seedValue)
{
    seed(seedValue);
}

void RandomSource::seed(quint64 seedValue)
{
    quint64 x = seedValue;
    for (quint64 &word : m_state)
        word = splitMix(x);
}

void RandomSource::mix(quint64 entropy)
{
    // Fold the entropy into every word of the state, then stir.
    quint64 x = entropy ^ nextBits();
    for (quint64 &word : m_state)
        word ^= splitMix(x);
    if (m_state[0] == 0 && m_state[1] == 0 && m_state[2] == 0 && m_state[3] == 0)
        seed(entropy);
    nextBits();
}

void RandomSource::reseedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    mix(static_cast<quint64>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

quint64 RandomSource::nextBits()
{
    // xoshiro256**
    const quint64 result = rotl(m_state[1] * 5, 7) * 9;
    const quint64 t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

double RandomSource::next()
{
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

QList<int> drawDistinctSlots(int n, RandomSource &random)
{
    n = std::clamp(n, 0, sets::slotCount); // there are no more distinct slots
    QList<int> slots;
    slots.reserve(n);
    while (slots.size() < n) {
        const int candidate = random.draw(sets::slotCount, 1);
        if (!slots.contains(candidate))
            slots.append(candidate);
    }
    return slots;
}
