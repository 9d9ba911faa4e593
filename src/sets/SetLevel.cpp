// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/SetLevel.h"

#include <QCoreApplication>

namespace sets {

SizeRange drillSizes(SetLevel level)
{
    switch (level) {
    case SetLevel::UpTo5:
        // A child that meets its first sets also meets the set of one.
        return {1, 5};
    case SetLevel::UpTo10:
        break;
    case SetLevel::UpTo15:
        return {2, 15};
    }
    return {2, 10};
}

SizeRange worksheetSizes(SetLevel level)
{
    switch (level) {
    case SetLevel::UpTo5:
        return {1, 5};
    case SetLevel::UpTo10:
        break;
    case SetLevel::UpTo15:
        return {1, 15};
    }
    return {1, 9};
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
    switch (level) {
    case SetLevel::UpTo5:
        return QCoreApplication::translate("SetLevel", "fino a 5");
    case SetLevel::UpTo10:
        break;
    case SetLevel::UpTo15:
        return QCoreApplication::translate("SetLevel", "fino a 15");
    }
    return QCoreApplication::translate("SetLevel", "fino a 10");
}

} // namespace sets
