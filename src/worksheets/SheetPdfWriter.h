// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheets/SheetPrint.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <memory>

class QPainter;

// A4 portrait PDF pages in memory, drawn with QPainter in twips: the device
// unit is one twip and the painter's origin is the top-left corner of the
// printable area. Every page is scaled down evenly only where the printable
// area is smaller than the drawing's extent.
class SheetPdfWriter final
{
public:
    // printableArea in points (1/72 inch) from the page's top-left corner;
    // an empty one stands for the whole page. extent is what a page's
    // drawing needs, in twips.
    SheetPdfWriter(const QRectF &printableArea, const QString &title,
                   QSize extent = {sheet::width, sheet::height});
    ~SheetPdfWriter();
    SheetPdfWriter(const SheetPdfWriter &) = delete;
    SheetPdfWriter &operator=(const SheetPdfWriter &) = delete;

    // Inactive when the document could not be begun.
    QPainter &painter();
    // The factor the drawing is scaled by: 1, or less on a small printable area.
    double scale() const;
    // The printable area's height in the drawing's twips (at scale()).
    int areaHeight() const;

    // Ends the page and starts the next; false when that failed.
    bool newPage();
    // Ends the document: its bytes, or none when it could not be made.
    QByteArray finish();

private:
    struct State;
    std::unique_ptr<State> d;
};
