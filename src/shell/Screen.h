// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/Twips.h"

#include <QMainWindow>
#include <QSize>
#include <QString>

class DesignLayout;

// The window of one screen of the program, made when the screen opens and
// deleted when it closes. Its client area has the design size in twips and
// a DesignLayout, into which the screen builds its elements once, in its
// constructor; what must outlive a closing belongs to the program.
class Screen : public QMainWindow
{
    Q_OBJECT
public:
    enum class Opening { Maximized, DesignSize };
    enum class Frame {
        Full, // minimize and maximize buttons
        NoMinMax,
        FixedDialog // no minimize and maximize buttons, no icon, design size only
    };

    // The scale from twips to this display's pixels.
    static TwipsScale scale();

    QWidget *client() const { return centralWidget(); }
    DesignLayout *designLayout() const { return m_layout; }

    // Shows without modality and brings the window to the front, restoring
    // it when minimized.
    void present();
    // Shows modal to the whole program. With an owner it is the owner's
    // transient window, centred on it, so that window managers keep it in
    // front of the owner.
    void presentModal(QWidget *owner = nullptr);

Q_SIGNALS:
    // The window accepted its closing; it is deleted soon after.
    void closed();

protected:
    // name is the window's objectName: the design's name of the screen.
    Screen(const QString &name, const QString &caption, QSize designClientTwips, Opening opening,
           Frame frame);

    // Gives the window its design size once the elements (and a menu bar)
    // are built, and places every element there.
    void takeDesignSize();

    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QSize designWindowSize() const;
    QRect restoredGeometry() const;
    bool isPlain() const;
    void followWindowState();
    void holdRestoredGeometry();

    QSize m_designTwips;
    Opening m_opening;
    bool m_fixedSize;
    // What the window last was, minimized or not: restoring follows from
    // maximized to plain, whatever came between.
    bool m_wasMaximized = false;
    // Restored from maximized: the window manager may still move it to
    // where it kept it before.
    int m_restoreCorrections = 0;
    DesignLayout *m_layout;
};
