// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

// The private desktop of scripts/desktop.sh (Xvfb with openbox) as the
// desktop tests use it: real X input through xdotool, window-manager
// commands through wmctrl, and what the X server and the window manager say
// of a window, read with xprop. scripts/test.sh starts the desktop and names
// its folder in GLI_DESKTOP; the tests never use any other display.
namespace desktoptest {

// Points the program at the private desktop (the xcb platform and its
// display); call in main before the QApplication is made. Without one the
// program stays offscreen and unavailable() says why.
void useDesktop();
QString unavailable();

// Runs an X tool on the private desktop without blocking the event loop,
// so that the program meets the input as it comes; true when it ended well.
bool run(const QString &program, const QStringList &arguments, QString *output = nullptr);

// Real pointer input at a point of the screen: count clicks of the left
// button, delayMs apart from one press to the next.
bool click(QPoint global, int count = 1, int delayMs = 0);
// The centre of a widget on the screen.
QPoint centreOf(const QWidget *widget);

// Window-manager commands on a top-level widget's window.
bool minimize(const QWidget *window);
bool removeMaximized(const QWidget *window);

// What the window manager says of the window (_NET_WM_STATE), e.g.
// "_NET_WM_STATE_MAXIMIZED_VERT"; empty when it names none.
QStringList managerState(const QWidget *window);
// The window manager's stacking order of its windows, bottom first.
QList<unsigned long> stacking();
// The window that has the focus, as the window manager says.
unsigned long activeWindow();

} // namespace desktoptest
