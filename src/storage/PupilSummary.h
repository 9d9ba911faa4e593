// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Mistake.h"

#include <QDate>
#include <QList>
#include <QString>

// One pupil's answers over a period; the pupil is empty for the guest.
struct PupilSummary
{
    QString pupil;
    int exercises = 0;
    int right = 0;
    int wrong = 0;
    double shareRight = 0; // 0 to 1; 0 without exercises
    double meanSeconds = 0;
    QDate lastDay; // the local day of the latest answer
    Mistake commonMistake = Mistake::None; // the most frequent; ties go to the lower value
};

// One pupil's answers on one local day.
struct PupilDay
{
    QDate day;
    int exercises = 0;
    int right = 0;
    int wrong = 0;
    double meanSeconds = 0;
    Mistake commonMistake = Mistake::None;
};
