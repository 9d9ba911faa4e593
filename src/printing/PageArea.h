// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

// A page as the print system describes a medium: its size and the margins
// the printer cannot reach, in hundredths of a millimetre.
struct MediaSize
{
    int width = 0;
    int length = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The printable area of an A4 portrait page, in points from the page's
// top-left corner.
namespace PageArea {

// A4 in hundredths of a millimetre.
inline constexpr int a4Width = 21000;
inline constexpr int a4Length = 29700;

// Used when the printer tells nothing usable: A4 with a quarter inch
// margin all round, which any office printer can reach.
QRectF fallback();

// Whether the medium is A4 portrait (within a millimetre).
bool isA4Portrait(const MediaSize &media);

// The printable area of an A4 portrait medium; anything that is not a sane
// A4 page gives the fallback.
QRectF fromMedia(const MediaSize &media);

} // namespace PageArea
