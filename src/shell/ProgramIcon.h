// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon for its windows, in the sizes rendered at build time.
// A size is read from the resources only when something asks for it, so a
// window that is never given a title bar icon costs nothing.
QIcon programIcon();
