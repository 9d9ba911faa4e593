// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputDriver.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {

QtMessageHandler previousHandler = nullptr;

void dropPlatformNotices(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
}

QWindow *windowOf(QWidget *widget)
{
    QWidget *top = widget ? widget->window() : nullptr;
    return top ? top->windowHandle() : nullptr;
}

// The window-system functions treat the point (0, 0) as "the centre": one
// pixel to the right keeps a corner click in the corner.
QPoint inWindow(QWidget *target, QPoint pos)
{
    const QPoint p = target->mapTo(target->window(), pos);
    return p.isNull() ? QPoint(1, 0) : p;
}

} // namespace

void input::mousePress(QWidget *target, Qt::MouseButton button, QPoint pos)
{
    if (QWindow *w = windowOf(target))
        QTest::mousePress(w, button, {}, inWindow(target, pos));
}

void input::mouseRelease(QWidget *target, Qt::MouseButton button, QPoint pos)
{
    if (QWindow *w = windowOf(target))
        QTest::mouseRelease(w, button, {}, inWindow(target, pos));
}

void input::click(QWidget *target, Qt::MouseButton button, QPoint pos)
{
    // The press may close the window (ESCI): the release then has nowhere to go.
    QPointer<QWidget> guard(target);
    mousePress(target, button, pos);
    if (guard && guard->isVisible())
        mouseRelease(guard, button, pos);
}

void input::keyPress(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (QWindow *w = windowOf(widget))
        QTest::keyPress(w, key, modifiers);
}

void input::keyRelease(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (QWindow *w = windowOf(widget))
        QTest::keyRelease(w, key, modifiers);
}

void input::keyClick(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QPointer<QWidget> guard(widget);
    keyPress(widget, key, modifiers);
    if (guard && guard->isVisible())
        keyRelease(guard, key, modifiers);
}

void input::closeBox(QWidget *window)
{
    // The platform window's close goes through the window system's close
    // event, which a modal screen blocks as it blocks the close box.
    if (QWindow *w = windowOf(window))
        w->close();
}

void input::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void input::quietPlatformNotices()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(dropPlatformNotices);
}
