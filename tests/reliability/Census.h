// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's screens as they stand: every screen object exists once, each
// loaded screen has exactly one window, and no window is left over from a
// screen that was closed. Returns what is wrong, or an empty text.
namespace census {

QString check();

// Top-level widgets and all widgets alive now, after deferred deletions.
int topLevelWidgets();
int allWidgets();

} // namespace census
