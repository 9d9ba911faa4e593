// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the buttons of a list of names flow into a grid, row by row, and how
// the arrow keys move between them. QtCore rules of the "Chi sei?" screen.
namespace namegrid {

enum class Step { Left, Right, Up, Down, First, Last };

// As many columns as columns of at least minColumnWidth fit into width, at
// most maxColumns, never more than there are buttons; at least one.
int columnsFor(int count, int width, int minColumnWidth, int maxColumns);

// The button a step goes to from button `index` of `count` in `columns`
// columns. Left and Right go on to the row before or after; Up and Down stay
// in the column and go nowhere past the first or the last row, except that
// Down from the row above a short last row goes to that row's last button.
int step(int index, int count, int columns, Step direction);

} // namespace namegrid
