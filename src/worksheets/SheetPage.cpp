// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/SheetPage.h"

#include "sets/FigureCatalogue.h"
#include "worksheets/ClassSet.h"
#include "worksheets/SheetPdfWriter.h"
#include "worksheets/Worksheet.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace {
using Side = Worksheet::Side;

// Line widths count the dots of a 600-dpi printer, so that a width of 3
// draws a firm line rather than a hairline of 3 twips.
constexpr double twipsPerPrinterDot = 1440.0 / 600.0;

QPen linePen(int dots)
{
    QPen pen(Qt::black);
    pen.setWidthF(dots * twipsPerPrinterDot);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// One line of text in the device's default font, its top at `at`.
void paintText(QPainter &painter, QPoint at, double points, const QString &text)
{
    QFont font;
    font.setPointSizeF(points);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QPointF(at) + QPointF(0, metrics.ascent()), text);
}

void paintBox(QPainter &painter, int left, int right, int top)
{
    const int bottom = top + sheet::boxHeight;
    painter.setPen(linePen(sheet::lineWidth));
    painter.drawLine(QPoint(left, top), QPoint(right, top));
    painter.drawLine(QPoint(left, top), QPoint(left, bottom));
    painter.drawLine(QPoint(right, top), QPoint(right, bottom));
    painter.drawLine(QPoint(left, bottom), QPoint(right, bottom));
}

void paintSet(QPainter &painter, const Worksheet &worksheet, Side side, int exercise,
              FigureCatalogue &figures)
{
    const auto &slots = (side == Side::Left ? sheet::paperLeftSetSlots
                                            : sheet::paperRightSetSlots)[exercise - 1];
    for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
        const int picture = worksheet.place(side, Worksheet::placeIndex(exercise, slot)).picture;
        // The blank picture is white on white paper: nothing to draw, and
        // nothing of a neighbouring figure gets covered.
        if (picture == Worksheet::noPicture || picture == Worksheet::blankPicture)
            continue;
        const QSizeF size = QSizeF(FigureCatalogue::pictureSize(picture)) * sheet::twipsPerPixel;
        painter.save();
        figures.paint(painter, picture, QRectF(slots[slot - 1], size));
        painter.restore();
    }
}

void paintCell(QPainter &painter, int row, int column, const QString &text)
{
    using L = sheet::SolutionsLayout;
    const int x = L::centredLeft(L::columnLeft(column), L::columnWidths[column], text);
    paintText(painter, {x, L::rowTop(row) + L::textInset}, L::fontSize, text);
}

void paintRule(QPainter &painter, int width, int y)
{
    using L = sheet::SolutionsLayout;
    painter.setPen(linePen(width));
    painter.drawLine(QPoint(L::left, y), QPoint(L::right(), y));
}
} // namespace

void sheet::paintSheet(QPainter &painter, const Worksheet &worksheet, FigureCatalogue &figures)
{
    paintText(painter, nameLineAt, nameLineFontSize, nameLine());
    paintText(painter, instructionAt, instructionFontSize, instruction());
    for (int e = 1; e <= Worksheet::exerciseCount; ++e) {
        const int top = exerciseTop(e);
        paintBox(painter, leftBoxLeft, leftBoxRight, top);
        paintSet(painter, worksheet, Side::Left, e, figures);
        paintBox(painter, rightBoxLeft, rightBoxRight, top);
        paintSet(painter, worksheet, Side::Right, e, figures);
    }
}

void sheet::paintFooter(QPainter &painter, int number, int count, int areaHeight)
{
    paintText(painter, {footerLeft, footerTop(areaHeight)}, footerFontSize,
              footerText(number, count));
}

void sheet::paintSolutions(QPainter &painter, const ClassSet &set)
{
    using L = SolutionsLayout;
    paintText(painter, L::titleAt, L::titleFontSize, solutionsTitle());
    const QStringList headings = L::headings();
    for (int c = 0; c < L::columnCount; ++c)
        paintCell(painter, 0, c, headings[c]);
    for (int n = 1; n <= set.count(); ++n) {
        paintCell(painter, n, 0, QString::number(n));
        for (int e = 1; e <= Worksheet::exerciseCount; ++e)
            paintCell(painter, n, e, set.sheet(n).answer(e));
    }

    // Thin rules between the rows, firm ones round the table, under the
    // headings and after every fifth sheet.
    const int bottom = L::bottom(set.count());
    for (int row = 1; row <= set.count(); ++row) {
        const bool firm = (row - 1) % L::groupRows == 0;
        paintRule(painter, firm ? L::firmLineWidth : L::thinLineWidth, L::rowTop(row));
    }
    paintRule(painter, L::firmLineWidth, L::top);
    paintRule(painter, L::firmLineWidth, bottom);
    for (int c = 0; c <= L::columnCount; ++c) {
        const bool firm = c == 0 || c == 1 || c == L::columnCount;
        painter.setPen(linePen(firm ? L::firmLineWidth : L::thinLineWidth));
        const int x = L::columnLeft(c);
        painter.drawLine(QPoint(x, L::top), QPoint(x, bottom));
    }
}

QByteArray sheet::sheetPdf(const Worksheet &worksheet, FigureCatalogue &figures,
                           const QRectF &printableArea, const QString &title)
{
    SheetPdfWriter writer(printableArea, title);
    if (!writer.painter().isActive())
        return {};
    paintSheet(writer.painter(), worksheet, figures);
    return writer.finish();
}

sheet::ClassSetPdf sheet::classSetPdf(const ClassSet &set, bool withSolutions,
                                      FigureCatalogue &figures, const QRectF &printableArea,
                                      const QString &title, const Progress &progress)
{
    SheetPdfWriter writer(printableArea, title, QSize(width, classSetHeight));
    QPainter &painter = writer.painter();
    const int total = classSetSteps(set.count(), withSolutions);
    int done = 0;
    auto goOn = [&] { return !progress || progress(done++, total); };

    for (int n = 1; n <= set.count(); ++n) {
        if (!goOn())
            return {DocumentResult::Stopped, {}};
        if (!painter.isActive() || (n > 1 && !writer.newPage()))
            return {DocumentResult::Failed, {}};
        paintSheet(painter, set.sheet(n), figures);
        paintFooter(painter, n, set.count(), writer.areaHeight());
    }
    if (withSolutions) {
        if (!goOn())
            return {DocumentResult::Stopped, {}};
        if (!writer.newPage())
            return {DocumentResult::Failed, {}};
        paintSolutions(painter, set);
    }
    if (!goOn())
        return {DocumentResult::Stopped, {}};
    QByteArray pdf = writer.finish();
    if (pdf.isEmpty())
        return {DocumentResult::Failed, {}};
    return {DocumentResult::Ready, pdf};
}
