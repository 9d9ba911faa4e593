// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheets/SheetPrint.h"

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <functional>
#include <memory>

class FigureCatalogue;

// The sheet drawn with QPainter into an A4 portrait PDF whose device unit is
// one twip, with the origin at the top-left of the printable area; a class
// set adds pages. Every page is scaled down evenly only where the printable
// area is smaller than the drawing's extent. Ending the document finishes
// the PDF and hands it to deliver, whose answer is the end's success: the
// printer, a PDF file and the tests all take the same drawing. A document
// never ended is never delivered.
class PdfSheetDevice final : public SheetDevice
{
public:
    using Delivery = std::function<bool(const QByteArray &pdf)>;

    static constexpr int twipsPerPixel = 15;

    // printableArea in points (1/72 inch) from the page's top-left corner;
    // an empty one stands for the whole page. The pictures come from figures.
    // printableArea in points (1/72 inch) from the page's top-left corner;
    // an empty one stands for the whole page. extent is what a page's
    // drawing needs, in twips. The pictures come from figures.
    PdfSheetDevice(FigureCatalogue &figures, const QRectF &printableArea, const QString &title,
                   Delivery deliver, QSize extent = {sheet::width, sheet::height});
    ~PdfSheetDevice() override;

    // The factor the sheet is drawn at: 1, or less on a small printable area.
    double sheetScale() const;
    // The printable area's height in the drawing's twips (at sheetScale()).
    int areaHeight() const;

    bool setPrintPosition(int x, int y) override;
    bool setFontSize(double points) override;
    bool printText(const QString &text) override;
    bool setLineWidth(int deviceUnits) override;
    bool drawLine(QPoint from, QPoint to, quint32 rgb) override;
    bool paintPicture(int catalogueIndex, QSize pixelSize, QPoint topLeft) override;
    bool newPage() override;
    bool endDocument() override;

private:
    struct State;
    std::unique_ptr<State> d;
};
