// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a set is drawn from: one of the figures of the figure catalogue,
// placed in some of the fifteen slots of its frame.
namespace sets {

constexpr int firstFigure = 1;
constexpr int figureCount = 12;
constexpr int lastFigure = firstFigure + figureCount - 1;
constexpr int slotCount = 15;

} // namespace sets
