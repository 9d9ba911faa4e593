// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ElementTable.h"
#include "shell/Twips.h"

#include <QList>
#include <QMainWindow>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

class QWidget;
class ScreenWindow;

// One screen of the program. The object lives for the whole run and keeps the
// screen's own state; its window and elements exist only while it is loaded.
// Loading builds them from the design and runs the load step; closing destroys
// them. Each screen class has one instance per run, reached through the().
class Screen : public QObject
{
    Q_OBJECT
public:
    enum class Opening { Maximized, DesignSize };

    ~Screen() override;

    template <class T> static T &the()
    {
        static T *const instance = new T;
        return *instance;
    }

    bool isLoaded() const;
    QMainWindow *window() const;
    QWidget *client() const;

    // Loads the screen if it is not loaded yet (its load step runs only then).
    void load();
    // Loads, shows without modality and brings the window to the front.
    void show();
    // Loads and shows the window modal to the whole program. With an owner
    // it is the owner's transient window, centred on it, so that window
    // managers keep it in front of the owner.
    void showModal();
    void showModal(const Screen &owner);
    void hide();
    // Closes the screen: runs its unload step and destroys its window.
    // Nothing happens when it is not loaded or already being closed.
    void unload();

    // Every screen object of the run, in the order they were made.
    static const QList<Screen *> &screens();

    // The scale from twips to this display's pixels.
    static TwipsScale scale();

Q_SIGNALS:
    void loadedChanged(bool loaded);

protected:
    // name is the window's objectName: the design's name of the screen.
    Screen(const QString &name, const QString &caption, QSize designClientTwips, Opening opening);

    // Builds the elements into the client area; runs on every loading.
    virtual void createElements(QWidget *client) = 0;
    // The load step, after the elements are built.
    virtual void loaded() {}
    virtual void resized() {}
    // Runs while the window closes, before it is destroyed.
    virtual void unloading() {}
    // Called after the window has been shown for the first time.
    virtual void firstShown() {}

    // Window commands: a screen without minimize and maximize buttons.
    void setMinMaxButtons(bool enabled) { m_minMax = enabled; }
    void setWindowIconShown(bool shown) { m_icon = shown; }
    void setFixedSize(bool fixed) { m_fixedSize = fixed; }

    ElementTable &elements() { return m_elements; }
    QSize designClientTwips() const { return m_designTwips; }
    QSize clientSize() const;
    QSize designWindowSize() const;
    void captureLayout();
    void applyLayout();
    // Puts every element at its design place, until the first resize.
    void placeAtDesign();

private:
    friend class ScreenWindow;
    void windowResized();
    void windowClosing();
    void windowShown();
    void windowRestored();

    QString m_caption;
    QSize m_designTwips;
    Opening m_opening;
    bool m_minMax = true;
    bool m_icon = true;
    bool m_fixedSize = false;
    bool m_closing = false;
    bool m_shownOnce = false;
    QPointer<QMainWindow> m_window;
    ElementTable m_elements;
};
