// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends the event loop right after the first paint of any window: the quit is
// queued, so the paint that is under way finishes and reaches the screen first.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace bench {

class QuitAfterFirstPaint : public QObject
{
public:
    explicit QuitAfterFirstPaint(QCoreApplication *app) : QObject(app)
    {
        app->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
            m_seen = true;
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace bench
