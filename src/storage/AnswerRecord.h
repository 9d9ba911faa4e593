// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>
#include <QUuid>

// One judged exercise, as it is kept. The id is made where the answer was
// given, so that a copy that reaches a store twice is refused the second time.
struct AnswerRecord
{
    QUuid id; // made where the answer was given
    QString pupil; // empty = guest
    QString className; // from the settings, may be empty
    QDateTime answeredAt; // stored as UTC
    int level = 10; // 5, 10 or 15
    int left = 0;
    int right = 0;
    QChar chosen; // u'<', u'=' or u'>'
    bool correct = false;
    double seconds = 0; // answer time

    // A record of an answer given now, with a fresh id.
    static AnswerRecord now(const QString &pupil, const QString &className, int level, int left,
                            int right, QChar chosen, bool correct, double seconds);
};
