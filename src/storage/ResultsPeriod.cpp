// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsPeriod.h"

#include <QLocale>
#include <limits>

PeriodBounds periodBounds(ResultsPeriod period, const QDateTime &now)
{
    const QDateTime local = now.toLocalTime();
    PeriodBounds bounds;
    bounds.until = std::numeric_limits<qint64>::max();
    switch (period) {
    case ResultsPeriod::All:
        bounds.from = std::numeric_limits<qint64>::min();
        break;
    case ResultsPeriod::Today:
        bounds.from = local.date().startOfDay().toMSecsSinceEpoch();
        break;
    case ResultsPeriod::ThisWeek: {
        const int first = int(QLocale().firstDayOfWeek());
        const int back = (local.date().dayOfWeek() - first + 7) % 7;
        bounds.from = local.date().addDays(-back).startOfDay().toMSecsSinceEpoch();
        break;
    }
    }
    return bounds;
}
