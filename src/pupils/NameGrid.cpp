// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/NameGrid.h"

#include <algorithm>

int namegrid::columnsFor(int count, int width, int minColumnWidth, int maxColumns)
{
    const int fitting = minColumnWidth > 0 ? width / minColumnWidth : 1;
    return std::max(1, std::min({fitting, maxColumns, count}));
}

int namegrid::step(int index, int count, int columns, Step direction)
{
    if (count <= 0)
        return 0;
    columns = std::max(1, columns);
    index = std::clamp(index, 0, count - 1);
    switch (direction) {
    case Step::Left:
        return std::max(0, index - 1);
    case Step::Right:
        return std::min(count - 1, index + 1);
    case Step::Up:
        return index >= columns ? index - columns : index;
    case Step::Down: {
        const int lastRow = (count - 1) / columns;
        if (index / columns == lastRow)
            return index;
        return std::min(count - 1, index + columns);
    }
    case Step::First:
        return 0;
    case Step::Last:
        return count - 1;
    }
    return index;
}
