// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/OutputPresses.h"

bool OutputPresses::startsJob(qint64 atMs, int doubleClickIntervalMs)
{
    // A clock that went back is not trusted to tell a double click.
    if (m_jobPressMs && atMs >= *m_jobPressMs && atMs - *m_jobPressMs <= doubleClickIntervalMs)
        return false;
    m_jobPressMs = atMs;
    return true;
}
