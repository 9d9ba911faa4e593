// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// A count that cannot overflow: it stops at its largest value instead.
class Tally
{
public:
    explicit Tally(qint64 start = 0) : m_value(start) {}

    void add();
    qint64 value() const { return m_value; }

private:
    qint64 m_value;
};

// The numbers behind the score and timing panel: the exercise number, the
// right and wrong answers, and the seconds of each answer and of all answers.
// Times come from a monotonic clock, so an exercise that spans midnight or a
// change of the system clock still gives its true seconds.
class ScoreTiming
{
public:
    // Monotonic nanoseconds; tests give their own.
    using Clock = std::function<qint64()>;
    static Clock steadyClock();

    // Time labels show at most this value.
    static constexpr qint64 displayCap = 999;

    explicit ScoreTiming(Clock clock = steadyClock());

    void setClock(Clock clock);
    qint64 now() const;

    // Adds 1 to the exercise number.
    void nextExercise();
    // The sets of an exercise are on screen: the answer time runs from here.
    void start();
    void countRight();
    void countWrong();
    // Takes the answer time: answer seconds = whole seconds since start(),
    // added to the total. Returns the answer seconds.
    qint64 recordAnswer();

    qint64 exercise() const { return m_exercise.value(); }
    qint64 right() const { return m_right.value(); }
    qint64 wrong() const { return m_wrong.value(); }
    std::optional<qint64> answerSeconds() const { return m_answerSeconds; }
    // Empty until the first answer; empty counts as 0.
    std::optional<qint64> totalSeconds() const { return m_totalSeconds; }

    // Whole number without separators, with a minus sign when negative.
    static QString decimal(qint64 value);
    // As decimal(), but displayCap or more shows as "999".
    static QString capped(qint64 value);

    QString answerText() const;
    QString totalText() const;

private:
    Clock m_clock;
    Tally m_exercise;
    Tally m_right;
    Tally m_wrong;
    std::optional<qint64> m_start;
    std::optional<qint64> m_answerSeconds;
    std::optional<qint64> m_totalSeconds;
};
