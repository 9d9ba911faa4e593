// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two curtains of the start screen, widths in twips. They close to half
// the window's outer width each and open from the centre outwards, 75 twips
// a tick, until the left one is at most 10 twips wide.
class Curtains
{
public:
    static constexpr double stepTwips = 75.0;
    static constexpr double openTwips = 10.0;

    void close(double halfOuterWidth);
    void setWidths(double left, double right);

    // One tick. A width that would go negative becomes 0, so the opening
    // always ends. Returns whether the timer must keep ticking.
    bool step();

    bool isOpen() const { return m_left <= openTwips; }
    double left() const { return m_left; }
    double right() const { return m_right; }

private:
    double m_left = 0.0;
    double m_right = 0.0;
};
