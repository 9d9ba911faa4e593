// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>

// The program's colours and fonts, named once. Screens use them by name.
namespace colours {
// The pink of every drill and start-screen window, and of resting options.
inline constexpr QColor windowPink{255, 192, 255};
// The pink of the option that has the focus, of curtains and headings' bands.
inline constexpr QColor focusPink{255, 128, 255};
inline constexpr QColor magenta{255, 0, 255};
inline constexpr QColor red{255, 0, 0};
inline constexpr QColor darkRed{192, 0, 0};
inline constexpr QColor maroon{128, 0, 0};
inline constexpr QColor brick{192, 64, 0};
inline constexpr QColor darkBlue{0, 0, 192};
inline constexpr QColor blue{0, 0, 255};
inline constexpr QColor black{0, 0, 0};
inline constexpr QColor white{255, 255, 255};
// The about screen.
inline constexpr QColor paleCyan{192, 255, 255};
inline constexpr QColor cyan{128, 255, 255};
// The printer chooser.
inline constexpr QColor paleYellow{255, 255, 192};
inline constexpr QColor yellow{255, 255, 128};
} // namespace colours

namespace fonts {
// Arial at the given size in points, bold unless told otherwise.
QFont arial(double points, bool bold = true);
// The large sign of the drill's sign box.
QFont signBox();
// The printer chooser's small dialog font, with sans-serif fallbacks.
QFont dialog(double points);
} // namespace fonts
