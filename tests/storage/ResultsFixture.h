// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/AnswerRecord.h"
#include "storage/Mistake.h"

#include <QDateTime>
#include <QStandardPaths>

// What the storage tests share: the test folders and answers made to order.
namespace results_fixture {

// Sends QStandardPaths into the test folders, never the user's own.
inline void isolate()
{
    QStandardPaths::setTestModeEnabled(true);
}

// A fixed moment, local noon, so that days and periods do not depend on when
// the test runs.
inline QDateTime noon(int dayOffset = 0)
{
    return QDateTime(QDate(2026, 3, 18).addDays(dayOffset), QTime(12, 0));
}

// The sign a pupil should have chosen.
inline QChar rightSign(int left, int right)
{
    return left < right ? u'<' : left > right ? u'>' : u'=';
}

inline AnswerRecord answer(const QString &pupil, int left, int right, QChar chosen,
                           const QDateTime &at = noon(), double seconds = 2.5)
{
    AnswerRecord record;
    record.id = QUuid::createUuid();
    record.pupil = pupil;
    record.className = QStringLiteral("3B");
    record.answeredAt = at.toUTC();
    record.level = 10;
    record.left = left;
    record.right = right;
    record.chosen = chosen;
    record.correct = chosen == rightSign(left, right);
    record.seconds = seconds;
    return record;
}

} // namespace results_fixture
