// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Screen.h"

#include "shell/DesignLayout.h"
#include "shell/ProgramIcon.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace {
// Without a screen (no display at all) the design's usual one.
constexpr QRect fallbackArea(0, 0, 1024, 768);

// How often a restored window answers a geometry the window manager gave it
// instead of its design one.
constexpr int maxRestoreCorrections = 3;
} // namespace

Screen::Screen(const QString &name, const QString &caption, QSize designClientTwips,
               Opening opening, Frame frame)
    : m_designTwips(designClientTwips), m_opening(opening), m_fixedSize(frame == Frame::FixedDialog)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(name);
    setWindowTitle(caption);
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (frame == Frame::Full)
        flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    if (frame != Frame::FixedDialog)
        setWindowIcon(programIcon());

    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("client"));
    setCentralWidget(area);
    area->resize(scale().size(m_designTwips.width(), m_designTwips.height()));
    m_layout = new DesignLayout(area, m_designTwips, scale());
}

TwipsScale Screen::scale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return TwipsScale(screen ? screen->logicalDotsPerInch() : 96.0);
}

QSize Screen::designWindowSize() const
{
    // The client area has the design size; a menu bar comes on top of it.
    QSize size = scale().size(m_designTwips.width(), m_designTwips.height());
    if (menuWidget())
        size.rheight() += menuWidget()->sizeHint().height();
    return size;
}

void Screen::takeDesignSize()
{
    resize(designWindowSize());
    if (m_fixedSize)
        setFixedSize(designWindowSize());
    m_layout->placeElements();
}

void Screen::present()
{
    if (!isVisible()) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : fallbackArea;
        if (m_opening == Opening::Maximized) {
            // Without a window manager showMaximized() alone keeps the
            // restored size: take the available area too.
            setGeometry(available);
            showMaximized();
        } else {
            QRect frame(QPoint(), size());
            frame.moveCenter(available.center());
            move(frame.topLeft());
            show();
        }
    } else if (isMinimized()) {
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    raise();
    activateWindow();
}

void Screen::presentModal(QWidget *owner)
{
    setWindowModality(Qt::ApplicationModal);
    if (!owner || isVisible()) {
        present();
        return;
    }
    // X11 window managers read the owner of dialogs only.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    // The transient parent belongs to the native window: create it first.
    winId();
    owner->winId();
    windowHandle()->setTransientParent(owner->windowHandle());
    QRect frame(QPoint(), size());
    frame.moveCenter(owner->geometry().center());
    if (const QScreen *screen = owner->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), available.left(),
                                  std::max(available.left(), available.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), available.top(),
                                 std::max(available.top(), available.bottom() - frame.height())));
    }
    move(frame.topLeft());
    show();
    raise();
    activateWindow();
}

void Screen::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}

void Screen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        followWindowState();
        // Minimizing leaves a client area of nothing; restoring places every
        // element again.
        m_layout->placeElements();
    }
    QMainWindow::changeEvent(event);
}

// Only the sizing flags count: WindowActive comes and goes with focus, and
// minimizing keeps what the window was. A maximized screen that becomes
// plain was restored, by the program, its title bar or the window manager's
// commands, and takes its design size, centred, at once. If the window
// manager maximizes it again after all, that wins, and the design size is
// what it restores to next time.
void Screen::followWindowState()
{
    if (m_opening != Opening::Maximized)
        return;
    if (isMaximized() || isFullScreen()) {
        m_wasMaximized = true;
        m_restoreCorrections = 0;
    } else if (isPlain() && m_wasMaximized) {
        m_wasMaximized = false;
        m_restoreCorrections = maxRestoreCorrections;
        setGeometry(restoredGeometry());
    }
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (event->spontaneous())
        holdRestoredGeometry();
}

void Screen::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (event->spontaneous())
        holdRestoredGeometry();
}

// The window manager may place a restored window where it kept it before
// the maximize, the whole screen with the title bar above it, after the
// design geometry was asked for: the window's own geometry changes at once
// when asked, the window system's word comes later. Until the window system
// says the window has its design size on the screen, a geometry it gives
// that does not fit on the screen (by its size, or only by its place with
// the title bar above the top) is answered with the design one, a few times
// at most,
// so that a window manager that insists is not fought. What the program or
// the user does after that is theirs.
void Screen::holdRestoredGeometry()
{
    if (m_restoreCorrections == 0 || !isPlain() || !isVisible())
        return;
    const QScreen *screen = this->screen();
    if (!screen || screen->availableGeometry().contains(frameGeometry())) {
        if (size() == designWindowSize())
            m_restoreCorrections = 0;
        return;
    }
    --m_restoreCorrections;
    setGeometry(restoredGeometry());
}

bool Screen::isPlain() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

QRect Screen::restoredGeometry() const
{
    QRect client(QPoint(), designWindowSize());
    if (const QScreen *screen = this->screen()) {
        // Centred with its frame: the title bar stays on the screen.
        const QRect available = screen->availableGeometry();
        const QMargins frame(geometry().left() - frameGeometry().left(),
                             geometry().top() - frameGeometry().top(),
                             frameGeometry().right() - geometry().right(),
                             frameGeometry().bottom() - geometry().bottom());
        QRect outer = client.marginsAdded(frame);
        outer.moveCenter(available.center());
        outer.moveTop(std::max(outer.top(), available.top()));
        outer.moveLeft(std::max(outer.left(), available.left()));
        client.moveTopLeft(outer.topLeft() + QPoint(frame.left(), frame.top()));
    }
    return client;
}
