// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

// Where the paper shows slot s of exercise e, written out independently of
// the program's own table so that the two check each other.
inline QPoint paperCell(int exercise, bool leftSet, int slot)
{
    static const int leftFirst[5] = {830, 1600, 2400, 3200, 4000};
    static const int left[5] = {830, 1630, 2430, 3230, 4030};
    static const int right[5] = {6830, 7630, 8430, 9230, 10030};
    static const int rows[3] = {200, 1150, 2100};
    static const int tops[4] = {2000, 5500, 9000, 12500};
    const int c = (slot - 1) % 5;
    const int x = !leftSet ? right[c] : exercise == 1 ? leftFirst[c] : left[c];
    return {x, tops[exercise - 1] + rows[(slot - 1) / 5]};
}
