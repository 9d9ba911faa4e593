// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <optional>

// Which presses of the output controls ("STAMPA", "Salva PDF...", the class
// set's "Stampa" and "Salva") start a job. A person's double click sends two
// presses; a job may be handed over before the second arrives. A press that
// comes within the double-click interval after the press that started a job
// belongs to that job, whether it still runs or has ended; a later one
// starts a new job.
class OutputPresses
{
public:
    // A press at atMs (any steady clock in milliseconds), with the
    // desktop's double-click interval of the moment: true when it starts a
    // job, which it then stands for.
    bool startsJob(qint64 atMs, int doubleClickIntervalMs);

private:
    std::optional<qint64> m_jobPressMs;
};
