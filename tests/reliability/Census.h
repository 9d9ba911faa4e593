// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Program;

// The program's screens as they stand: each screen has at most one window,
// and no window is left over from a screen that was closed. Returns what is
// wrong, or an empty text.
namespace census {

QString check(const Program &program);

// Top-level widgets and all widgets alive now, after deferred deletions.
int topLevelWidgets();
int allWidgets();

} // namespace census
