// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AnswerRecord.h"

AnswerRecord AnswerRecord::now(const QString &pupil, const QString &className, int level, int left,
                               int right, QChar chosen, bool correct, double seconds)
{
    AnswerRecord record;
    record.id = QUuid::createUuid();
    record.pupil = pupil;
    record.className = className;
    record.answeredAt = QDateTime::currentDateTimeUtc();
    record.level = level;
    record.left = left;
    record.right = right;
    record.chosen = chosen;
    record.correct = correct;
    record.seconds = seconds;
    return record;
}
