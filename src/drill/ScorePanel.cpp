// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/ScorePanel.h"

#include "drill/ScoreTiming.h"
#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/Palette.h"

#include <QApplication>
#include <QLabel>

namespace {
struct Column
{
    const char *heading;
    const char *headingText;
    QRect headingTwips;
    const char *value;
    QRect valueTwips;
    const char *tip;
};

// clang-format off
const Column columns[ScorePanel::columnCount] = {
    {"Label5(0)", QT_TRANSLATE_NOOP("ScorePanel", "Oper"),             {45, 300, 930, 555},
     "LblOperazione",    {105, 960, 810, 480},  nullptr},
    {"Label5(1)", QT_TRANSLATE_NOOP("ScorePanel", " Risposte esatte"), {990, 300, 930, 555},
     "lblRisEsatte",     {1035, 960, 810, 480}, nullptr},
    {"Label5(2)", QT_TRANSLATE_NOOP("ScorePanel", " Risposte errate"), {1935, 300, 930, 555},
     "lblRisErrate",     {1965, 960, 810, 480}, nullptr},
    {"Label5(3)", QT_TRANSLATE_NOOP("ScorePanel", "Tempo parziale"),   {2880, 300, 930, 555},
     "LblTempoParziale", {2910, 960, 810, 480},
     QT_TRANSLATE_NOOP("ScorePanel", "Secondi impiegati per ogni risposta")},
    {"Label5(4)", QT_TRANSLATE_NOOP("ScorePanel", "Tempo totale"),     {3825, 300, 930, 555},
     "LblTempoTotale",   {3870, 960, 810, 480},
     QT_TRANSLATE_NOOP("ScorePanel", "Secondi impiegati per ogni esercizio")},
};
// clang-format on
} // namespace

ScorePanel::ScorePanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmElaborazione"));
    QPalette p = palette();
    p.setColor(QPalette::Window, colours::windowPink);
    setPalette(p);
    setAutoFillBackground(true);

    // The labels stand on the system's own window colour, not on the pink.
    const QColor labelBackground = QApplication::palette().color(QPalette::Window);
    const QFont headingFont = fonts::arial(8.25);
    const QFont valueFont = fonts::arial(14.25);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    QLabel *values[columnCount] = {};
    for (int i = 0; i < columnCount; ++i) {
        const Column &c = columns[i];
        m_headings[i] = ui::label(this, QString::fromLatin1(c.heading), tr(c.headingText),
                                  headingFont, colours::darkRed, labelBackground, centred);
        values[i] = ui::label(this, QString::fromLatin1(c.value), QString(), valueFont,
                              colours::blue, labelBackground, centred);
        values[i]->setWordWrap(false);
        if (c.tip)
            values[i]->setToolTip(tr(c.tip));
    }
    m_exercise = values[0];
    m_right = values[1];
    m_wrong = values[2];
    m_answerTime = values[3];
    m_totalTime = values[4];
}

void ScorePanel::addTo(DesignLayout &layout, const QRect &frameTwips)
{
    layout.addBox(this, frameTwips);
    QLabel *const values[columnCount] = {m_exercise, m_right, m_wrong, m_answerTime, m_totalTime};
    for (int i = 0; i < columnCount; ++i) {
        layout.addBox(values[i], columns[i].valueTwips);
        layout.addBox(m_headings[i], columns[i].headingTwips);
    }
}

void ScorePanel::showExercise(const ScoreTiming &score)
{
    m_exercise->setText(ScoreTiming::decimal(score.exercise()));
}

void ScorePanel::showRight(const ScoreTiming &score)
{
    m_right->setText(ScoreTiming::decimal(score.right()));
}

void ScorePanel::showWrong(const ScoreTiming &score)
{
    m_wrong->setText(ScoreTiming::decimal(score.wrong()));
}

void ScorePanel::showTimes(const ScoreTiming &score)
{
    m_answerTime->setText(score.answerText());
    m_totalTime->setText(score.totalText());
}

void ScorePanel::clearAnswerTime()
{
    m_answerTime->clear();
}
