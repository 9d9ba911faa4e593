// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Screen.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QWindow>

#include <algorithm>

namespace {
QList<Screen *> &allScreens()
{
    static QList<Screen *> screens;
    return screens;
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        QSvgRenderer svg(QStringLiteral(":/icon/gli-insiemi.svg"));
        for (int side : {16, 32, 48, 64}) {
            QPixmap pixmap(side, side);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            svg.render(&painter);
            painter.end();
            result.addPixmap(pixmap);
        }
        return result;
    }();
    return icon;
}

// The client area tells its screen of every resize.
class ClientArea : public QWidget
{
public:
    ClientArea(QWidget *parent, std::function<void()> resized)
        : QWidget(parent), m_resized(std::move(resized))
    {
        setObjectName(QStringLiteral("client"));
    }

protected:
    void resizeEvent(QResizeEvent *) override { m_resized(); }

private:
    std::function<void()> m_resized;
};
} // namespace

// The window of a loaded screen; it tells its screen of resizes, of the first
// showing and of closing.
class ScreenWindow : public QMainWindow
{
public:
    explicit ScreenWindow(Screen *screen) : m_screen(screen)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setCentralWidget(new ClientArea(this, [this] {
            if (!isMinimized())
                m_screen->windowResized();
        }));
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        m_screen->windowClosing();
        event->accept();
    }
    void changeEvent(QEvent *event) override
    {
        // Minimizing leaves a client area of nothing; restoring lays every
        // element out again. Only the sizing flags count: WindowActive comes
        // and goes with focus. A window maximized before, shown plainly now,
        // was restored, whether straight away or after being minimized.
        if (event->type() == QEvent::WindowStateChange) {
            if (isMaximized()) {
                m_wasMaximized = true;
            } else if (isPlain() && m_wasMaximized) {
                m_wasMaximized = false;
                // Shown again from minimized, an X11 window may lose its
                // maximize and get it back at once: restore only a window
                // still plain once the window system's pending news is in.
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        if (isPlain())
                            m_screen->windowRestored();
                    },
                    Qt::QueuedConnection);
            }
            m_screen->windowResized();
        }
        QMainWindow::changeEvent(event);
    }
    void showEvent(QShowEvent *event) override
    {
        QMainWindow::showEvent(event);
        m_screen->windowShown();
    }

private:
    bool isPlain() const
    {
        return !(windowState()
                 & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    }

    Screen *m_screen;
    bool m_wasMaximized = false;
};

Screen::Screen(const QString &name, const QString &caption, QSize designClientTwips,
               Opening opening)
    : m_caption(caption), m_designTwips(designClientTwips), m_opening(opening)
{
    setObjectName(name);
    allScreens().append(this);
}

Screen::~Screen()
{
    allScreens().removeOne(this);
    delete m_window.data();
}

const QList<Screen *> &Screen::screens()
{
    return allScreens();
}

TwipsScale Screen::scale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return TwipsScale(screen ? screen->logicalDotsPerInch() : 96.0);
}

bool Screen::isLoaded() const
{
    return m_window && !m_closing;
}

QMainWindow *Screen::window() const
{
    return m_window;
}

QWidget *Screen::client() const
{
    return m_window ? m_window->centralWidget() : nullptr;
}

QSize Screen::clientSize() const
{
    if (!m_window || m_window->isMinimized())
        return {0, 0};
    return client()->size();
}

void Screen::load()
{
    if (isLoaded())
        return;
    m_closing = false;
    m_shownOnce = false;
    m_elements = ElementTable();
    m_window = new ScreenWindow(this);
    m_window->setObjectName(objectName());
    m_window->setWindowTitle(m_caption);
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (m_minMax)
        flags |= Qt::WindowMinMaxButtonsHint;
    m_window->setWindowFlags(flags);
    if (m_icon)
        m_window->setWindowIcon(programIcon());

    const QSize design = scale().size(m_designTwips.width(), m_designTwips.height());
    m_window->centralWidget()->resize(design);
    createElements(m_window->centralWidget());
    m_window->resize(designWindowSize());
    if (m_fixedSize)
        m_window->setFixedSize(designWindowSize());
    loaded();
    Q_EMIT loadedChanged(true);
}

void Screen::show()
{
    load();
    QMainWindow *w = m_window;
    if (!w->isVisible()) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        if (m_opening == Opening::Maximized) {
            // Without a window manager showMaximized() alone keeps the
            // restored size: take the available area too.
            w->setGeometry(available);
            w->showMaximized();
        } else {
            QRect frame(QPoint(), w->size());
            frame.moveCenter(available.center());
            w->move(frame.topLeft());
            w->show();
        }
    } else if (w->isMinimized()) {
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    w->raise();
    w->activateWindow();
}

void Screen::showModal()
{
    load();
    m_window->setWindowModality(Qt::ApplicationModal);
    show();
}

void Screen::showModal(const Screen &owner)
{
    load();
    QMainWindow *w = m_window;
    QMainWindow *ownerWindow = owner.isLoaded() ? owner.window() : nullptr;
    if (!ownerWindow || w->isVisible()) {
        showModal();
        return;
    }
    w->setWindowModality(Qt::ApplicationModal);
    // X11 window managers read the owner of dialogs only.
    w->setWindowFlags((w->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    // The transient parent belongs to the native window: create it first.
    w->winId();
    ownerWindow->winId();
    w->windowHandle()->setTransientParent(ownerWindow->windowHandle());
    QRect frame(QPoint(), w->size());
    frame.moveCenter(ownerWindow->geometry().center());
    if (const QScreen *screen = ownerWindow->screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveLeft(std::clamp(frame.left(), available.left(),
                                  std::max(available.left(), available.right() - frame.width())));
        frame.moveTop(std::clamp(frame.top(), available.top(),
                                 std::max(available.top(), available.bottom() - frame.height())));
    }
    w->move(frame.topLeft());
    w->show();
    w->raise();
    w->activateWindow();
}

void Screen::hide()
{
    if (m_window)
        m_window->hide();
}

void Screen::unload()
{
    if (!isLoaded())
        return;
    m_window->close();
}

void Screen::windowClosing()
{
    if (m_closing)
        return;
    m_closing = true;
    unloading();
    // The window is deleted once control returns to the event loop; from
    // here on the screen counts as not loaded.
    m_window.clear();
    m_closing = false;
    Q_EMIT loadedChanged(false);
}

void Screen::windowResized()
{
    if (m_window && !m_closing)
        resized();
}

QSize Screen::designWindowSize() const
{
    // The client area has the design size; a menu bar comes on top of it.
    QSize size = scale().size(m_designTwips.width(), m_designTwips.height());
    if (m_window && m_window->menuWidget())
        size.rheight() += m_window->menuWidget()->sizeHint().height();
    return size;
}

void Screen::windowRestored()
{
    // A maximized screen restores to its design size, centred.
    if (m_opening != Opening::Maximized || !m_window)
        return;
    const QScreen *screen = m_window->screen();
    QRect frame(QPoint(), designWindowSize());
    if (screen)
        frame.moveCenter(screen->availableGeometry().center());
    m_window->setGeometry(frame);
}

void Screen::windowShown()
{
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    firstShown();
}

void Screen::captureLayout()
{
    m_elements.capture(m_designTwips, scale().size(m_designTwips.width(), m_designTwips.height()));
}

void Screen::placeAtDesign()
{
    captureLayout();
    m_elements.apply(scale().size(m_designTwips.width(), m_designTwips.height()));
}

void Screen::applyLayout()
{
    m_elements.apply(clientSize());
}
