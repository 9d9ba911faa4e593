// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

class DesignLayout;

// A small window of the program built as a screen is: its client area has
// the design size in twips and a DesignLayout, into which the dialog builds
// its elements once, in its constructor. Made at each opening, modal to the
// whole program, in front of its owner and centred on it; deleted when it
// closes, whichever way.
class DesignDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Frame {
        Resizable, // minimize and maximize buttons; the elements keep their place
        Fixed // the design size only
    };

    QWidget *client() const { return m_client; }
    DesignLayout *designLayout() const { return m_layout; }

    // Shows it modal to the whole program and brings it to the front.
    void present();

Q_SIGNALS:
    // The dialog has closed; it is deleted soon after.
    void closed();

protected:
    // name is the window's objectName: the design's name of the form.
    DesignDialog(QWidget *owner, const QString &name, const QString &caption,
                 QSize designClientTwips, Frame frame);

    // Gives the window its design size once the elements are built, and
    // places every element there.
    void takeDesignSize();

private:
    QSize m_designTwips;
    bool m_fixedSize;
    QWidget *m_client;
    DesignLayout *m_layout;
};
