// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/ScoreTiming.h"

#include <chrono>
#include <limits>

namespace {
constexpr qint64 nanosPerSecond = 1'000'000'000;
constexpr qint64 largest = std::numeric_limits<qint64>::max();

// Whole seconds from start to now; a clock that went back gives 0.
qint64 wholeSecondsBetween(qint64 start, qint64 now)
{
    if (now <= start)
        return 0;
    const quint64 nanos = quint64(now) - quint64(start);
    return qint64(nanos / quint64(nanosPerSecond));
}
} // namespace

void Tally::add()
{
    if (m_value < largest)
        ++m_value;
}

ScoreTiming::Clock ScoreTiming::steadyClock()
{
    return [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    };
}

ScoreTiming::ScoreTiming(Clock clock) : m_clock(std::move(clock)) {}

void ScoreTiming::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

qint64 ScoreTiming::now() const
{
    return m_clock ? m_clock() : 0;
}

void ScoreTiming::nextExercise()
{
    m_exercise.add();
}

void ScoreTiming::start()
{
    m_start = now();
}

void ScoreTiming::countRight()
{
    m_right.add();
}

void ScoreTiming::countWrong()
{
    m_wrong.add();
}

qint64 ScoreTiming::recordAnswer()
{
    const qint64 answerTime = now();
    const qint64 seconds = m_start ? wholeSecondsBetween(*m_start, answerTime) : 0;
    m_answerSeconds = seconds;
    const qint64 total = m_totalSeconds.value_or(0);
    m_totalSeconds = seconds > largest - total ? largest : total + seconds;
    return seconds;
}

QString ScoreTiming::decimal(qint64 value)
{
    return QString::number(value);
}

QString ScoreTiming::capped(qint64 value)
{
    return decimal(value >= displayCap ? displayCap : value);
}

QString ScoreTiming::answerText() const
{
    return m_answerSeconds ? capped(*m_answerSeconds) : QString();
}

QString ScoreTiming::totalText() const
{
    return m_totalSeconds ? capped(*m_totalSeconds) : QString();
}
