// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

// The one place where twips (1/1440 inch) become device-independent pixels:
// pixels = twips x logical DPI / 1440.
class TwipsScale
{
public:
    static constexpr double twipsPerInch = 1440.0;

    explicit constexpr TwipsScale(double logicalDpi = 96.0) : m_dpi(logicalDpi) {}

    double dpi() const { return m_dpi; }
    double pixelsF(double twips) const { return twips * m_dpi / twipsPerInch; }
    int pixels(double twips) const { return qRound(pixelsF(twips)); }
    double twips(double pixels) const { return pixels * twipsPerInch / m_dpi; }

    QPoint point(int x, int y) const { return {pixels(x), pixels(y)}; }
    QSize size(int w, int h) const { return {pixels(w), pixels(h)}; }
    QRect rect(int left, int top, int width, int height) const
    {
        return {pixels(left), pixels(top), pixels(width), pixels(height)};
    }

private:
    double m_dpi;
};
