// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/PupilSummary.h"

#include <QList>
#include <QLocale>
#include <QString>

class ResultsStore;

// The results table as a CSV file: a heading line, then one line per pupil
// as the results screen shows it, numbers and words in the language of the
// locale.
namespace results_csv {

// The whole file, byte order mark included.
QByteArray document(const QList<PupilSummary> &rows, const QLocale &locale);

// Writes the file in one go (a failure leaves no half-written file);
// returns the reason in words when it cannot, empty on success.
QString write(const QString &path, const QList<PupilSummary> &rows, const QLocale &locale);

// What the teacher sees for the guest's row.
QString guestName();

// The locale of the language the program speaks, as it chooses it from the
// system's: its decimal mark decides the separator.
QLocale programLocale();

} // namespace results_csv
