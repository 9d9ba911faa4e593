// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/Mistake.h"

#include <QCoreApplication>
#include <cstdlib>

Mistake classifyMistake(int left, int right, QChar chosen)
{
    const QChar correct = left < right ? u'<' : left > right ? u'>' : u'=';
    if (chosen == correct)
        return Mistake::None;
    if (correct == u'=')
        return Mistake::MissesEqual;
    if (std::abs(left - right) == 1)
        return Mistake::OffByOne;
    if (chosen == u'=')
        return Mistake::SeesFalseEqual;
    return Mistake::SwapsLessGreater;
}

QString mistakeText(Mistake mistake)
{
    switch (mistake) {
    case Mistake::None:
        return {};
    case Mistake::SwapsLessGreater:
        return QCoreApplication::translate("Mistake", "scambia < e >");
    case Mistake::MissesEqual:
        return QCoreApplication::translate("Mistake", "non vede =");
    case Mistake::OffByOne:
        return QCoreApplication::translate("Mistake", "sbaglia di uno");
    case Mistake::SeesFalseEqual:
        return QCoreApplication::translate("Mistake", "vede = dove non c'è");
    }
    return {};
}

Mistake mistakeFromValue(int value)
{
    switch (value) {
    case int(Mistake::SwapsLessGreater):
    case int(Mistake::MissesEqual):
    case int(Mistake::OffByOne):
    case int(Mistake::SeesFalseEqual):
        return static_cast<Mistake>(value);
    default:
        return Mistake::None;
    }
}
