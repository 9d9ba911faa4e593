// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers of the in-process benchmarks: the clock, input through the window
// system (as a user's), and a watch on the paints of one window or widget.

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double msSince(Clock::time_point from)
{
    return msBetween(from, Clock::now());
}

// Milliseconds from `request` until `sender` emits `signal`, waited for in
// the calling thread's event loop.
template<typename Sender, typename Signal>
double msUntil(Sender &sender, Signal signal, const std::function<void()> &request)
{
    QEventLoop loop;
    const QMetaObject::Connection done = QObject::connect(&sender, signal, &loop,
                                                          &QEventLoop::quit);
    const Clock::time_point start = Clock::now();
    request();
    loop.exec();
    const double spent = msSince(start);
    QObject::disconnect(done);
    return spent;
}

// Runs from the command line, never fewer than 10.
inline int runsFrom(int argc, char *argv[], int fallback = 20)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : fallback;
    return std::max(10, runs);
}

// Everything queued, deferred deletions included.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline QPoint centreInWindow(QWidget *target)
{
    return target->mapTo(target->window(), target->rect().center());
}

// A mouse press or release at the target's centre, delivered by the window
// system into its window; the events it queues are processed before return.
inline void press(QWidget *target, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(target->window()->windowHandle(), button, {}, centreInWindow(target));
}

inline void release(QWidget *target, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(target->window()->windowHandle(), button, {}, centreInWindow(target));
}

// Notes a paint of the watched widget, or of any widget of the watched
// window, from the moment it is armed.
class PaintWatch : public QObject
{
public:
    PaintWatch() { QCoreApplication::instance()->installEventFilter(this); }
    ~PaintWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

    void armWidget(QWidget *widget)
    {
        m_widget = widget;
        m_window = nullptr;
        m_painted = false;
    }
    void armWindow(QWidget *window)
    {
        m_window = window;
        m_widget = nullptr;
        m_painted = false;
    }
    // For a window that does not exist yet: any widget that passes the test.
    void armFor(std::function<bool(QWidget *)> test)
    {
        m_widget = nullptr;
        m_window = nullptr;
        m_test = std::move(test);
        m_painted = false;
    }
    bool painted() const { return m_painted; }

    // Processes events until the paint has happened; false after a second
    // without it.
    bool waitForPaint()
    {
        const Clock::time_point start = Clock::now();
        while (!m_painted) {
            if (msSince(start) > 1000.0)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        return true;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if ((m_widget && widget == m_widget) || (m_window && widget->window() == m_window)
            || (!m_widget && !m_window && m_test && m_test(widget)))
            m_painted = true;
        return false;
    }

private:
    QPointer<QWidget> m_widget;
    QPointer<QWidget> m_window;
    std::function<bool(QWidget *)> m_test;
    bool m_painted = false;
};

} // namespace bench
