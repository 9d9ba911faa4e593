// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>

// A left-button event left waiting in the queue, as the window system keeps
// the input made while the program is busy.
inline void postLeftButton(QWidget *target, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                                                     : Qt::LeftButton;
    QCoreApplication::postEvent(target,
                                new QMouseEvent(type, pos, target->mapToGlobal(QPointF(pos)),
                                                Qt::LeftButton, held, Qt::NoModifier));
}

inline void postClick(QWidget *target, QPoint pos)
{
    postLeftButton(target, QEvent::MouseButtonPress, pos);
    postLeftButton(target, QEvent::MouseButtonRelease, pos);
}

// A double click whose second click waits in the queue, as the window system
// keeps it, while the work of the first runs; it is delivered afterwards.
inline void doubleClickQueued(QWidget *target, QPoint pos)
{
    postLeftButton(target, QEvent::MouseButtonDblClick, pos);
    postLeftButton(target, QEvent::MouseButtonRelease, pos);
    QTest::mouseClick(target, Qt::LeftButton, {}, pos);
    QCoreApplication::sendPostedEvents();
}
