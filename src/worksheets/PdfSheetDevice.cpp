// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/PdfSheetDevice.h"

#include "sets/FigureCatalogue.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>

namespace {
constexpr int twipsPerPoint = 20;
constexpr int resolution = 1440; // one device unit is one twip
// Line widths count the dots of a 600-dpi printer, so that a width of 3
// draws a firm line rather than a hairline of 3 twips.
constexpr double twipsPerPrinterDot = 1440.0 / 600.0;
} // namespace

struct PdfSheetDevice::State
{
    explicit State(FigureCatalogue &catalogue) : figures(catalogue) {}

    FigureCatalogue &figures;
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    QPainter painter;
    Delivery deliver;
    QFont font;
    QPen pen{Qt::black};
    QPointF position;
    double scale = 1.0;
    double areaHeight = 0;
    bool ended = false;
};

PdfSheetDevice::PdfSheetDevice(FigureCatalogue &figures, const QRectF &printableArea,
                               const QString &title, Delivery deliver, QSize extent)
    : d(std::make_unique<State>(figures))
{
    d->deliver = std::move(deliver);
    d->buffer.open(QIODevice::WriteOnly);
    d->writer = std::make_unique<QPdfWriter>(&d->buffer);
    d->writer->setTitle(title);
    d->writer->setCreator(QStringLiteral("GLI INSIEMI"));
    d->writer->setResolution(resolution);
    d->writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Point));

    const QRectF page(QPointF(), QPageSize(QPageSize::A4).sizePoints());
    const QRectF area = printableArea.isEmpty() ? page : printableArea;
    const QRectF twips(area.topLeft() * twipsPerPoint, area.size() * twipsPerPoint);
    d->scale = std::min({1.0, twips.width() / std::max(1, extent.width()),
                         twips.height() / std::max(1, extent.height())});
    d->areaHeight = twips.height() / d->scale;

    if (!d->painter.begin(d->writer.get()))
        return;
    d->painter.setRenderHint(QPainter::Antialiasing);
    d->painter.translate(twips.topLeft());
    d->painter.scale(d->scale, d->scale);
    d->pen.setCapStyle(Qt::SquareCap);
    d->pen.setJoinStyle(Qt::MiterJoin);
}

PdfSheetDevice::~PdfSheetDevice()
{
    if (d->painter.isActive())
        d->painter.end();
}

double PdfSheetDevice::sheetScale() const
{
    return d->scale;
}

int PdfSheetDevice::areaHeight() const
{
    return int(d->areaHeight);
}

bool PdfSheetDevice::setPrintPosition(int x, int y)
{
    d->position = QPointF(x, y);
    return d->painter.isActive();
}

bool PdfSheetDevice::setFontSize(double points)
{
    if (!(points > 0))
        return false;
    d->font.setPointSizeF(points);
    return d->painter.isActive();
}

bool PdfSheetDevice::printText(const QString &text)
{
    if (!d->painter.isActive())
        return false;
    d->painter.setFont(d->font);
    const QFontMetricsF metrics(d->font, d->writer.get());
    d->painter.setPen(Qt::black);
    d->painter.drawText(d->position + QPointF(0, metrics.ascent()), text);
    // Printing ends the line: the next one starts at the left edge below.
    d->position = QPointF(0, d->position.y() + metrics.height());
    return true;
}

bool PdfSheetDevice::setLineWidth(int deviceUnits)
{
    if (deviceUnits < 1)
        return false;
    d->pen.setWidthF(deviceUnits * twipsPerPrinterDot);
    return d->painter.isActive();
}

bool PdfSheetDevice::drawLine(QPoint from, QPoint to, quint32 rgb)
{
    if (!d->painter.isActive())
        return false;
    d->pen.setColor(QColor::fromRgb(QRgb(rgb)));
    d->painter.setPen(d->pen);
    d->painter.drawLine(from, to);
    return true;
}

bool PdfSheetDevice::paintPicture(int catalogueIndex, QSize pixelSize, QPoint topLeft)
{
    if (!d->painter.isActive() || !FigureCatalogue::hasPicture(catalogueIndex))
        return false;
    // The blank picture is white on white paper: nothing to draw, and nothing
    // of a neighbouring figure gets covered.
    if (catalogueIndex == FigureCatalogue::blank)
        return true;
    const QRectF target(topLeft, QSizeF(pixelSize) * twipsPerPixel);
    d->painter.save();
    d->figures.paint(d->painter, catalogueIndex, target);
    d->painter.restore();
    return true;
}

bool PdfSheetDevice::newPage()
{
    if (!d->painter.isActive() || !d->writer->newPage())
        return false;
    d->position = QPointF();
    return true;
}

bool PdfSheetDevice::endDocument()
{
    if (d->ended || !d->painter.isActive())
        return false;
    d->ended = true;
    if (!d->painter.end())
        return false;
    d->buffer.close();
    return d->deliver && d->deliver(d->buffer.data());
}
