// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

// A click left waiting in the queue, as the window system keeps one made
// while the program is busy.
inline void postClick(QWidget *target, QPoint pos)
{
    const QPointF global = target->mapToGlobal(QPointF(pos));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonPress, pos, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonRelease, pos, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// A double click whose second click waits in the queue, as the window system
// keeps it, while the work of the first runs; it is delivered afterwards.
inline void doubleClickQueued(QWidget *target, QPoint pos)
{
    const QPointF global = target->mapToGlobal(QPointF(pos));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonDblClick, pos, global,
                                                Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(target,
                                new QMouseEvent(QEvent::MouseButtonRelease, pos, global,
                                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    QTest::mouseClick(target, Qt::LeftButton, {}, pos);
    QCoreApplication::sendPostedEvents();
}
