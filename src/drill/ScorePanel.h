// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

class DesignLayout;
class QLabel;
class ScoreTiming;

// The score and timing panel: a pink frame with five headings and five value
// labels. It only shows what ScoreTiming holds; the screen that contains it
// decides when each value changes.
class ScorePanel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int columnCount = 5;

    explicit ScorePanel(QWidget *parent);

    // Registers the frame at its design box in its container, then every
    // label at its design box inside the frame.
    void addTo(DesignLayout &layout, const QRect &frameTwips);

    void showExercise(const ScoreTiming &score);
    void showRight(const ScoreTiming &score);
    void showWrong(const ScoreTiming &score);
    void showTimes(const ScoreTiming &score);
    void clearAnswerTime();

private:
    QLabel *m_headings[columnCount] = {};
    QLabel *m_exercise = nullptr;
    QLabel *m_right = nullptr;
    QLabel *m_wrong = nullptr;
    QLabel *m_answerTime = nullptr;
    QLabel *m_totalTime = nullptr;
};
