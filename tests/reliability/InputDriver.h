// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// Input as a user gives it. Every event enters through Qt's window-system
// interface into the window that holds the target, so modality, focus, mouse
// grabs and popups apply to it exactly as they do to real input: a click on
// a window behind a modal screen is refused, a key goes to the focus widget.
namespace input {

// pos is in the target's own coordinates.
void mousePress(QWidget *target, Qt::MouseButton button, QPoint pos);
void mouseRelease(QWidget *target, Qt::MouseButton button, QPoint pos);
void click(QWidget *target, Qt::MouseButton button, QPoint pos);

// Keys go to the window that holds `widget`, and there to its focus widget.
void keyPress(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
void keyRelease(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
void keyClick(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {});

// The close box of a top-level window.
void closeBox(QWidget *window);

// Runs whatever the events queued, deferred deletions included.
void settle();

// The offscreen platform says, on every raise and keyboard grab, that it
// cannot do them; those notices are dropped, every other message stays.
void quietPlatformNotices();

} // namespace input
