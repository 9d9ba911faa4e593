// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrintFailure.h"
#include "worksheets/ClassSet.h"
#include "worksheets/Worksheet.h"

#include <QString>

#include <atomic>
#include <functional>

class PrintService;
class RandomSource;

// What a print or a save of worksheets came to.
struct OutputOutcome
{
    enum class Kind {
        HandedOver, // the printer has the job, or the file is written
        Stopped, // stopped before the hand-over; nothing to tell
        Problem, // message says what went wrong
        PrintFailed, // the print system refused or did not answer
    };
    Kind kind = Kind::Stopped;
    QString where; // the printer or the file
    QString message; // for Problem
    PrintFailure failure = PrintFailure::Other; // for PrintFailed
    QString words; // the print system's own, for PrintFailed
};

// The jobs of the worksheet screen's output, run away from the windows:
// each works on its own copy of the sheets and draws with figures of its
// own. A stop is heeded until the hand-over begins, never during it: a
// print is sent whole or not at all.
namespace sheetjobs {

using Stop = std::atomic<bool>;
// Told before each page of a class set and before its hand-over: steps
// done, steps in all, what is being done.
using Progress = std::function<void(int done, int total, const QString &doing)>;

// The page "STAMPA" prints, on the current printer.
OutputOutcome printSheet(PrintService &printService, const Worksheet &sheet, const Stop &stop);
// The same page on the quarter-inch margins any printer reaches, into file.
OutputOutcome saveSheet(const QString &file, const Worksheet &sheet, const Stop &stop);

// A class set as the teacher asked for it: sheet 1 a copy of the screen's
// sheet, the others composed when the order is made (on the thread that
// owns random).
struct ClassSetOrder
{
    ClassSetOrder(const Worksheet &screenSheet, int count, RandomSource &random, bool withSolutions,
                  const QString &file);
    ClassSetOrder(const ClassSetOrder &) = delete;
    ClassSetOrder &operator=(const ClassSetOrder &) = delete;

    Worksheet first;
    ClassSet set; // refers to first
    bool withSolutions;
    QString file; // empty: to the current printer
};
OutputOutcome makeClassSet(PrintService &printService, const ClassSetOrder &order, const Stop &stop,
                           const Progress &progress);

} // namespace sheetjobs
