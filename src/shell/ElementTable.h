// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ProportionalLayout.h"

#include <QLine>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>

class LineElement;
class PictureBox;
class QObject;

// The element collection of one loaded screen: each element with its kind and
// design box in twips, bound to the screen's proportional layout.
class ElementTable
{
public:
    enum class Dock { None, Left, Right };

    void add(QObject *element, const QRect &designTwips, Dock dock = Dock::None);
    void addUnplaced(QObject *element, ElementKind kind);
    // A line whose end points are scaled like the boxes around it.
    void addScaledLine(LineElement *line, const QLine &designTwips);
    // A picture place: the picture shows whole from the place's scaled
    // top-left corner, at its own size, shrunk only below the design size.
    void addPicture(PictureBox *picture, const QRect &designTwips);
    // Changes an element's design width before the capture.
    void setDesignWidth(QObject *element, double widthTwips);

    // Capture against the design client area, in twips; designClientPixels
    // is the same area on this display.
    void capture(const QSize &designClientTwips, const QSize &designClientPixels);
    // Apply to the current client area, in pixels.
    void apply(const QSize &clientPixels) const;

    int count() const { return static_cast<int>(m_entries.size()); }
    const ProportionalLayout &layout() const { return m_layout; }

private:
    struct Entry
    {
        QPointer<QObject> element;
        ElementBox box;
        Dock dock;
        bool picture;
    };
    QList<Entry> m_entries;
    QSize m_designPixels;
    ProportionalLayout m_layout;
};
