// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/SheetPdfWriter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {
constexpr int twipsPerPoint = 20;
constexpr int resolution = 1440; // one device unit is one twip
} // namespace

struct SheetPdfWriter::State
{
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    QPainter painter;
    double scale = 1.0;
    double areaHeight = 0;
};

SheetPdfWriter::SheetPdfWriter(const QRectF &printableArea, const QString &title, QSize extent)
    : d(std::make_unique<State>())
{
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
}

SheetPdfWriter::~SheetPdfWriter()
{
    if (d->painter.isActive())
        d->painter.end();
}

QPainter &SheetPdfWriter::painter()
{
    return d->painter;
}

double SheetPdfWriter::scale() const
{
    return d->scale;
}

int SheetPdfWriter::areaHeight() const
{
    return int(d->areaHeight);
}

bool SheetPdfWriter::newPage()
{
    return d->painter.isActive() && d->writer->newPage();
}

QByteArray SheetPdfWriter::finish()
{
    if (!d->painter.isActive() || !d->painter.end())
        return {};
    d->buffer.close();
    return d->buffer.data();
}
