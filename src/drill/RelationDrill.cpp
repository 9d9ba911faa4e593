// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/RelationDrill.h"

#include "sets/Draws.h"
#include "sets/RandomSource.h"

RelationDrill::RelationDrill(RandomSource &random, ScoreTiming::Clock clock)
    : m_random(&random), m_score(std::move(clock))
{}

void RelationDrill::setRandomSource(RandomSource &random)
{
    m_random = &random;
}

void RelationDrill::setClock(ScoreTiming::Clock clock)
{
    m_score.setClock(std::move(clock));
}

void RelationDrill::newExercise()
{
    m_score.nextExercise();
    m_sign = Sign::None;
    m_right = false;
    m_phase = Phase::WaitingForSign;
    drawExercise();
}

void RelationDrill::reseed()
{
    // Mixed into the current state, so reseeds close together never repeat
    // a draw.
    m_random->mix(quint64(m_score.now()));
}

void RelationDrill::drawExercise()
{
    reseed();
    m_figure = m_random->draw(sets::figureCount, sets::firstFigure);
    reseed();
    const sets::SizeRange sizes = sets::drillSizes(m_level);
    m_leftSize = m_random->draw(sizes.count(), sizes.smallest);
    m_leftSlots = drawDistinctSlots(m_leftSize, *m_random);
    reseed();
    m_rightSize = m_random->draw(sizes.count(), sizes.smallest);
    m_rightSlots = drawDistinctSlots(m_rightSize, *m_random);
    m_score.start();
}

bool RelationDrill::chooseSign(Sign sign)
{
    if (sign == Sign::None || (m_phase != Phase::WaitingForSign && m_phase != Phase::SignChosen))
        return false;
    m_sign = sign;
    m_phase = Phase::SignChosen;
    return true;
}

bool RelationDrill::verify()
{
    if (m_phase != Phase::SignChosen)
        return false;
    m_right = judge(m_sign, m_leftSize, m_rightSize);
    if (m_right)
        m_score.countRight();
    else
        m_score.countWrong();
    m_phase = Phase::VerdictShown;
    m_score.recordAnswer();
    return true;
}

bool RelationDrill::isEnabled(int option) const
{
    switch (m_phase) {
    case Phase::NotStarted:
        return false;
    case Phase::WaitingForSign:
        return option >= optLess && option <= optGreater;
    case Phase::SignChosen:
        return option >= optLess && option <= optVerify;
    case Phase::VerdictShown:
        return option == optNext || option == optExit;
    }
    return false;
}

int RelationDrill::focusOption() const
{
    switch (m_phase) {
    case Phase::SignChosen:
        return optVerify;
    case Phase::VerdictShown:
        return optNext;
    default:
        return optLess;
    }
}

bool RelationDrill::judge(Sign sign, int left, int right)
{
    switch (sign) {
    case Sign::Less:
        return left < right;
    case Sign::Equal:
        return left == right;
    case Sign::Greater:
        return left > right;
    case Sign::None:
        break;
    }
    return false;
}

RelationDrill::Sign RelationDrill::correctSign(int left, int right)
{
    if (left > right)
        return Sign::Greater;
    if (left < right)
        return Sign::Less;
    return Sign::Equal;
}

QString RelationDrill::text(Sign sign)
{
    switch (sign) {
    case Sign::Less:
        return QStringLiteral("<");
    case Sign::Equal:
        return QStringLiteral("=");
    case Sign::Greater:
        return QStringLiteral(">");
    case Sign::None:
        break;
    }
    return {};
}

RelationDrill::Sign RelationDrill::signOf(int option)
{
    switch (option) {
    case optLess:
        return Sign::Less;
    case optEqual:
        return Sign::Equal;
    case optGreater:
        return Sign::Greater;
    default:
        return Sign::None;
    }
}
