// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ProportionalLayout.h"
#include "shell/Twips.h"

#include <QLayout>
#include <QLine>
#include <QList>
#include <QRect>
#include <QSize>

class LineElement;
class PictureBox;
class QWidgetItem;

// The layout of a screen's client area. Each element is added once with its
// design rectangle in twips and keeps the same fractions of the client area
// at every size (ProportionalLayout's single-precision ratios). Elements may
// sit inside frames of the client area: their ratios are still taken of the
// whole client area, and the layout never re-parents them. While the window
// is minimized every element is placed in an area of nothing.
class DesignLayout : public QLayout
{
    Q_OBJECT
public:
    enum class Dock { Left, Right };

    DesignLayout(QWidget *client, QSize designTwips, TwipsScale scale);
    ~DesignLayout() override;

    // An ordinary box, scaled with the client area.
    void addBox(QWidget *element, const QRect &designTwips);
    // A box against the left or right edge, as tall as the client area.
    void addDocked(QWidget *element, const QRect &designTwips, Dock side);
    // A picture place: the picture shows whole from the place's scaled
    // top-left corner, at its own size, shrunk only below the design size.
    void addPicture(PictureBox *picture, const QRect &designTwips);
    // A line whose end points are scaled like the corners of a box.
    void addScaledLine(LineElement *line, const QLine &designTwips);
    // An element that keeps its design geometry at any size.
    void addFixed(QWidget *element, const QRect &designTwips);
    // Changes an element's design width; it counts from the next placing.
    void setDesignWidth(QWidget *element, double widthTwips);

    // Places every element for the client area's current size.
    void placeElements();

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

Q_SIGNALS:
    // Every element has been placed again, for an area of this size.
    void placed(QSize area);

private:
    enum class Role { Box, DockLeft, DockRight, Picture, ScaledLine, Fixed };
    struct Entry
    {
        QWidgetItem *item;
        Role role;
        ElementBox box;
    };

    void add(QWidget *element, Role role, const ElementBox &box);
    void place(QSize area);

    QList<Entry> m_entries;
    QSize m_designTwips;
    TwipsScale m_scale;
    ProportionalLayout m_ratios;
    bool m_captured = false;
    QSize m_placedArea{-1, -1};
};
