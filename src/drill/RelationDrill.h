// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drill/ScoreTiming.h"
#include "sets/SetLevel.h"

#include <QList>
#include <QString>

class RandomSource;

// The rules of the relation drill, without any window: the exercise's draws,
// the sign the child chose, the verdict and its correction, which of the six
// choices can be used and where the focus goes. DrillScreen shows it.
class RelationDrill
{
public:
    enum class Sign { None, Less, Equal, Greater };
    enum class Phase { NotStarted, WaitingForSign, SignChosen, VerdictShown };

    // The six choices of the screen's option list.
    static constexpr int optionCount = 6;
    static constexpr int optLess = 0;
    static constexpr int optEqual = 1;
    static constexpr int optGreater = 2;
    static constexpr int optVerify = 3;
    static constexpr int optNext = 4;
    static constexpr int optExit = 5;

    // The sizes at the default level.
    static constexpr int smallestSet = 2;
    static constexpr int largestSet = 10;

    explicit RelationDrill(RandomSource &random,
                           ScoreTiming::Clock clock = ScoreTiming::steadyClock());

    void setRandomSource(RandomSource &random);
    // The sizes of the sets from the next exercise on.
    void setLevel(SetLevel level) { m_level = level; }
    SetLevel level() const { return m_level; }
    // The clock times the answers and is mixed into the random source at
    // each reseed.
    void setClock(ScoreTiming::Clock clock);

    // Starts an exercise: next number, sign and verdict cleared, new sets.
    void newExercise();
    // The child picks a sign; refused (false) outside the sign phases.
    bool chooseSign(Sign sign);
    // Judges the sign; refused (false) until a sign has been chosen.
    bool verify();

    Phase phase() const { return m_phase; }
    Sign sign() const { return m_sign; }
    bool isRight() const { return m_right; }
    // The correct sign; shown after a wrong answer.
    Sign correction() const { return correctSign(m_leftSize, m_rightSize); }

    bool isEnabled(int option) const;
    // The option that holds the focus in the current phase.
    int focusOption() const;

    int figure() const { return m_figure; }
    int leftSize() const { return m_leftSize; }
    int rightSize() const { return m_rightSize; }
    const QList<int> &leftSlots() const { return m_leftSlots; }
    const QList<int> &rightSlots() const { return m_rightSlots; }

    const ScoreTiming &score() const { return m_score; }

    static bool judge(Sign sign, int left, int right);
    static Sign correctSign(int left, int right);
    static QString text(Sign sign);
    // The sign that option 0, 1 or 2 writes; None for other options.
    static Sign signOf(int option);

private:
    void drawExercise();
    void reseed();

    RandomSource *m_random;
    ScoreTiming m_score;
    SetLevel m_level = sets::defaultLevel;
    Phase m_phase = Phase::NotStarted;
    Sign m_sign = Sign::None;
    bool m_right = false;
    int m_figure = 0;
    int m_leftSize = 0;
    int m_rightSize = 0;
    QList<int> m_leftSlots;
    QList<int> m_rightSlots;
};
