// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/SetLevel.h"

#include <QCoreApplication>

namespace sets {

namespace {
struct LevelRow
{
    SetLevel level;
    SizeRange drill;
    SizeRange worksheet;
    const char *text;
};

// A child that meets its first sets also meets the set of one; "fino a 10"
// is the drill and worksheets as they always were.
constexpr std::array<LevelRow, 3> table{{
    {SetLevel::UpTo5, {1, 5}, {1, 5}, QT_TRANSLATE_NOOP("SetLevel", "fino a 5")},
    {SetLevel::UpTo10, {2, 10}, {1, 9}, QT_TRANSLATE_NOOP("SetLevel", "fino a 10")},
    {SetLevel::UpTo15, {2, 15}, {1, 15}, QT_TRANSLATE_NOOP("SetLevel", "fino a 15")},
}};

// The level's row; the default's for a value outside the enumeration.
const LevelRow &row(SetLevel level)
{
    for (const LevelRow &r : table) {
        if (r.level == level)
            return r;
    }
    return row(defaultLevel);
}
} // namespace

SizeRange drillSizes(SetLevel level)
{
    return row(level).drill;
}

SizeRange worksheetSizes(SetLevel level)
{
    return row(level).worksheet;
}

std::optional<SetLevel> levelFromValue(int value)
{
    for (SetLevel level : levels) {
        if (levelValue(level) == value)
            return level;
    }
    return std::nullopt;
}

QString levelText(SetLevel level)
{
    return QCoreApplication::translate("SetLevel", row(level).text);
}

} // namespace sets
