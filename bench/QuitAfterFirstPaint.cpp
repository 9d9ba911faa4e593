// SPDX-License-Identifier: GPL-3.0-or-later
// Linked with the program's own main(): the application object, once made,
// ends its event loop after the first paint. Nothing else differs from the
// program.

#include "FirstPaint.h"

namespace {
void installQuitAfterFirstPaint()
{
    new bench::QuitAfterFirstPaint(QCoreApplication::instance());
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installQuitAfterFirstPaint)
