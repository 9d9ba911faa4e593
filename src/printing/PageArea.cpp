// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PageArea.h"

#include <cstdlib>

namespace {
constexpr double pointsPerHundredthMm = 72.0 / 2540.0;
constexpr int quarterInch = 635;

double points(int hundredthsMm)
{
    return hundredthsMm * pointsPerHundredthMm;
}
} // namespace

QRectF PageArea::fallback()
{
    MediaSize a4{a4Width, a4Length, quarterInch, quarterInch, quarterInch, quarterInch};
    return fromMedia(a4);
}

bool PageArea::isA4Portrait(const MediaSize &media)
{
    return std::abs(media.width - a4Width) <= 100 && std::abs(media.length - a4Length) <= 100;
}

QRectF PageArea::fromMedia(const MediaSize &media)
{
    if (!isA4Portrait(media) || media.left < 0 || media.top < 0 || media.right < 0
        || media.bottom < 0)
        return fallback();
    const int width = media.width - media.left - media.right;
    const int length = media.length - media.top - media.bottom;
    // Margins that leave less than half the page are not a real printer's.
    if (width < media.width / 2 || length < media.length / 2)
        return fallback();
    return {points(media.left), points(media.top), points(width), points(length)};
}
