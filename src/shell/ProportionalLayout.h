#pragma once

#include <QList>
#include <functional>
#include <optional>

// The proportional layout: every element keeps its place and size as fractions of
// the screen's client area, recorded once at load and re-applied on each resize.

enum class ElementKind { Ordinary, Timer, MenuItem, ComboBox, Line };

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
};

// Field order as the program declares it: width, height, top, left.
struct PosizioneRelativa
{
    float width = 0.0f;
    float height = 0.0f;
    float top = 0.0f;
    float left = 0.0f;
};

struct Placement
{
    float left, top, width, height;
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

    const QList<PosizioneRelativa> &records() const { return m_records; }
    const QList<ElementKind> &kinds() const { return m_kinds; }

private:
    QList<PosizioneRelativa> m_records;
    QList<ElementKind> m_kinds;
};
