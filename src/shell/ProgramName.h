// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace program {
// The program's name as people read it: the title of its message boxes.
// It is not made the application's display name, which Qt would append to
// every window title.
inline QString displayName()
{
    return QStringLiteral("Gli insiemi");
}
} // namespace program
