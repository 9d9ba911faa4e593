// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

enum class ResultsPeriod { Today, ThisWeek, All };

// The answers a period covers: answered at or after `from` and before `until`,
// both in UTC milliseconds since the epoch. Days are the computer's local days;
// a week starts on the first day of the week of the given locale. A class
// name narrows them to that class's answers.
struct PeriodBounds
{
    qint64 from = 0;
    qint64 until = 0;
    QString className = {}; // empty: every class
};

PeriodBounds periodBounds(ResultsPeriod period, const QDateTime &now);
