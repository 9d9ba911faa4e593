// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <functional>
#include <optional>

// The proportional layout: every element keeps its place and size as fractions of
// the screen's client area, recorded once at load and re-applied on each resize.

// Line keeps its design end points; ScaledLine is a line whose end points
// follow the client area like the corners of a box do.
enum class ElementKind { Ordinary, Timer, MenuItem, ComboBox, Line, ScaledLine };

// What the capture can read from one element; a read the element does not
// support is empty and leaves its ratio at zero.
struct ElementBox
{
    ElementKind kind = ElementKind::Ordinary;
    std::optional<double> left, top, width, height;

    static ElementBox ordinary(double left, double top, double width, double height)
    {
        return {ElementKind::Ordinary, left, top, width, height};
    }
    static ElementBox of(ElementKind kind) { return {kind, {}, {}, {}, {}}; }
    // A line from (x1, y1) to (x2, y2) is captured as the box spanned from its
    // first end to its second (width and height may be negative): scaling
    // that box scales both ends.
    static ElementBox scaledLine(double x1, double y1, double x2, double y2)
    {
        return {ElementKind::ScaledLine, x1, y1, x2 - x1, y2 - y1};
    }
};

// One element's place as fractions of the client area (the design's
// "PosizioneRelativa"), fields in the design's order: width, height, top, left.
struct RelativePlacement
{
    float width = 0.0f;
    float height = 0.0f;
    float top = 0.0f;
    float left = 0.0f;
};

struct Placement
{
    float left, top, width, height;

    // The end points of a scaled line: its box's first and opposite corner.
    float x1() const { return left; }
    float y1() const { return top; }
    float x2() const { return left + width; }
    float y2() const { return top + height; }
};

class ProportionalLayout
{
public:
    // Capture: the client area still has its design size.
    void capture(const QList<ElementBox> &elements, double clientWidth, double clientHeight);

    // Apply: calls move(i, placement) for every element that moves; timers,
    // menu items, combo boxes and lines are left alone.
    void apply(double clientWidth, double clientHeight,
               const std::function<void(int, const Placement &)> &move) const;

    static bool isMovable(ElementKind kind);

    // How much a picture shown at its own size shrinks so that it stays
    // where the design puts it: not at all at the design client size or
    // larger; below it, by the smaller of the two scale factors.
    static double pictureScale(double clientWidth, double clientHeight, double designWidth,
                               double designHeight);

    const QList<RelativePlacement> &records() const { return m_records; }
    const QList<ElementKind> &kinds() const { return m_kinds; }

private:
    QList<RelativePlacement> m_records;
    QList<ElementKind> m_kinds;
};
