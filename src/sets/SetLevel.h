// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

// How big the sets get: the teacher's choice of the largest set. The value
// is that largest count; it is what settings and answer records keep.
enum class SetLevel { UpTo5 = 5, UpTo10 = 10, UpTo15 = 15 };

namespace sets {

constexpr SetLevel defaultLevel = SetLevel::UpTo10;
constexpr std::array<SetLevel, 3> levels{SetLevel::UpTo5, SetLevel::UpTo10, SetLevel::UpTo15};

// The sizes a set is drawn from, both ends included.
struct SizeRange
{
    int smallest = 0;
    int largest = 0;

    constexpr int count() const { return largest - smallest + 1; }
    constexpr bool contains(int size) const { return size >= smallest && size <= largest; }
    constexpr bool operator==(const SizeRange &) const = default;
};

// The drill's sizes: 1 to 5, 2 to 10 or 2 to 15.
SizeRange drillSizes(SetLevel level);
// The worksheet's sizes (its two sets always differ): 1 to 5, 1 to 9 or
// 1 to 15.
SizeRange worksheetSizes(SetLevel level);

constexpr int levelValue(SetLevel level)
{
    return static_cast<int>(level);
}
// The level whose value is 5, 10 or 15; none for any other number.
std::optional<SetLevel> levelFromValue(int value);

// "fino a 5", "fino a 10", "fino a 15" in the program's language.
QString levelText(SetLevel level);

} // namespace sets
