#pragma once

#include "shell/ProportionalLayout.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>

class QObject;

// The element collection of one loaded screen: each element with its kind and
// design box in twips, bound to the screen's proportional layout.
class ElementTable
{
public:
    enum class Dock { None, Left, Right };

    void add(QObject *element, const QRect &designTwips, Dock dock = Dock::None);
    void addUnplaced(QObject *element, ElementKind kind);
    // Changes an element's design width before the capture.
    void setDesignWidth(QObject *element, double widthTwips);

    // Capture against the design client area, in twips.
    void capture(const QSize &designClientTwips);
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
    };
    QList<Entry> m_entries;
    ProportionalLayout m_layout;
};
