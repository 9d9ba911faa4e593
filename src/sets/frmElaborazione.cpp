#include "sets/frmElaborazione.h"

#include "sets/ScoreTiming.h"
#include "shell/ElementTable.h"
#include "shell/Elements.h"

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

const Column columns[5] = {
    {"Label5(0)", "Oper", {45, 300, 930, 555}, "LblOperazione", {105, 960, 810, 480}, nullptr},
    {"Label5(1)", " Risposte esatte", {990, 300, 930, 555}, "lblRisEsatte",
     {1035, 960, 810, 480}, nullptr},
    {"Label5(2)", " Risposte errate", {1935, 300, 930, 555}, "lblRisErrate",
     {1965, 960, 810, 480}, nullptr},
    {"Label5(3)", "Tempo parziale", {2880, 300, 930, 555}, "LblTempoParziale",
     {2910, 960, 810, 480}, "Secondi impiegati per ogni risposta"},
    {"Label5(4)", "Tempo totale", {3825, 300, 930, 555}, "LblTempoTotale",
     {3870, 960, 810, 480}, "Secondi impiegati per ogni esercizio"},
};
} // namespace

frmElaborazione::frmElaborazione(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmElaborazione"));
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 192, 255));
    setPalette(p);
    setAutoFillBackground(true);

    // The labels stand on the system's own window colour, not on the pink.
    const QColor labelBackground = QApplication::palette().color(QPalette::Window);
    const QFont headingFont = ui::font(QStringLiteral("Arial"), 8.25, true);
    const QFont valueFont = ui::font(QStringLiteral("Arial"), 14.25, true);
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

    QLabel *values[5] = {};
    for (int i = 0; i < 5; ++i) {
        const Column &c = columns[i];
        m_headings[i] = ui::label(this, QString::fromLatin1(c.heading),
                                  QString::fromLatin1(c.headingText), headingFont,
                                  QColor(192, 0, 0), labelBackground, centred);
        values[i] = ui::label(this, QString::fromLatin1(c.value), QString(), valueFont,
                              QColor(0, 0, 255), labelBackground, centred);
        values[i]->setWordWrap(false);
        if (c.tip)
            values[i]->setToolTip(QString::fromLatin1(c.tip));
    }
    m_exercise = values[0];
    m_right = values[1];
    m_wrong = values[2];
    m_answerTime = values[3];
    m_totalTime = values[4];
}

void frmElaborazione::addTo(ElementTable &elements, const QRect &frameTwips)
{
    elements.add(this, frameTwips);
    QLabel *values[5] = {m_exercise, m_right, m_wrong, m_answerTime, m_totalTime};
    for (int i = 0; i < 5; ++i) {
        elements.add(values[i], columns[i].valueTwips);
        elements.add(m_headings[i], columns[i].headingTwips);
    }
}

void frmElaborazione::showExercise(const ScoreTiming &score)
{
    m_exercise->setText(ScoreTiming::decimal(score.exercise()));
}

void frmElaborazione::showRight(const ScoreTiming &score)
{
    m_right->setText(ScoreTiming::decimal(score.right()));
}

void frmElaborazione::showWrong(const ScoreTiming &score)
{
    m_wrong->setText(ScoreTiming::decimal(score.wrong()));
}

void frmElaborazione::showTimes(const ScoreTiming &score)
{
    m_answerTime->setText(score.answerText());
    m_totalTime->setText(score.totalText());
}

void frmElaborazione::clearAnswerTime()
{
    m_answerTime->clear();
}
