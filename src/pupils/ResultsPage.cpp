// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/ResultsPage.h"

#include "pupils/ResultsModels.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>

namespace {
constexpr double titlePoints = 14;
constexpr double headerPoints = 9;
constexpr double cellPoints = 10;
constexpr double rowLines = 1.6; // a row's height in lines of its font
constexpr double headerLines = 2.4; // room for a header on two lines
constexpr double barShare = 0.6; // of the row's height
constexpr int barLeastEms = 6;
constexpr int twipsPerPoint = 20;
constexpr int resolution = 1440; // one device unit is one twip
constexpr QColor rightColour{0, 150, 0};
constexpr QColor wrongColour{210, 0, 0};
constexpr QColor ruleColour{160, 160, 160};

QFont pageFont(double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Column widths that fill `width`: each column as wide as its widest cell,
// the bar column at least barLeastEms, then all scaled alike.
QList<double> columnWidths(QPainter &painter, const ResultsTable &table, double width)
{
    const qsizetype columns = table.headers.size();
    QList<double> widths(columns, 0.0);
    const QFontMetricsF cells(pageFont(cellPoints, false), painter.device());
    const QFontMetricsF headers(pageFont(headerPoints, true), painter.device());
    const double pad = cells.horizontalAdvance(QLatin1Char('M'));
    for (qsizetype c = 0; c < columns; ++c) {
        // A header may take two lines: half its width is enough.
        double w = headers.horizontalAdvance(table.headers[c]) / 2;
        for (const QStringList &row : table.rows)
            w = std::max(w, cells.horizontalAdvance(row.value(c)));
        if (c == table.barColumn)
            w = std::max(w, pad * barLeastEms);
        widths[c] = w + pad;
    }
    const double total = std::accumulate(widths.cbegin(), widths.cend(), 0.0);
    if (total > 0) {
        for (double &w : widths)
            w *= width / total;
    }
    return widths;
}
} // namespace

ResultsTable ResultsTable::fromModel(const QAbstractItemModel &model, const QString &title,
                                     int barColumn)
{
    ResultsTable table;
    table.title = title;
    table.barColumn = barColumn;
    const int columns = model.columnCount();
    for (int c = 0; c < columns; ++c)
        table.headers.append(model.headerData(c, Qt::Horizontal).toString());
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < columns; ++c)
            row.append(model.index(r, c).data().toString());
        table.rows.append(row);
        if (barColumn >= 0) {
            const QModelIndex bar = model.index(r, barColumn);
            table.bars.append(
                {bar.data(results::RightRole).toInt(), bar.data(results::WrongRole).toInt()});
        }
    }
    return table;
}

void resultspage::paintBar(QPainter &painter, const QRectF &box, int right, int wrong)
{
    painter.save();
    const int total = right + wrong;
    painter.setPen(Qt::NoPen);
    if (total > 0) {
        const double split = box.width() * right / total;
        painter.fillRect(QRectF(box.left(), box.top(), split, box.height()), rightColour);
        painter.fillRect(QRectF(box.left() + split, box.top(), box.width() - split, box.height()),
                         wrongColour);
    } else {
        painter.setPen(ruleColour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
    painter.restore();
}

int resultspage::paint(QPainter &painter, const QRectF &area, const ResultsTable &table,
                       int firstRow)
{
    painter.save();
    const QFont titleFont = pageFont(titlePoints, true);
    const QFont headerFont = pageFont(headerPoints, true);
    const QFont cellFont = pageFont(cellPoints, false);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const QFontMetricsF cellMetrics(cellFont, painter.device());
    const QFontMetricsF headerMetrics(headerFont, painter.device());
    const double pad = cellMetrics.horizontalAdvance(QLatin1Char(' '));
    const QList<double> widths = columnWidths(painter, table, area.width());
    const double rowHeight = cellMetrics.height() * rowLines;

    double y = area.top();
    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    const QRectF titleBox(area.left(), y, area.width(), titleMetrics.height() * 2);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignTop,
                     titleMetrics.elidedText(table.title, Qt::ElideRight, area.width()));
    y += titleBox.height();

    // The header, on up to two lines a column.
    painter.setFont(headerFont);
    const double headerHeight = headerMetrics.height() * headerLines;
    double x = area.left();
    for (qsizetype c = 0; c < table.headers.size(); ++c) {
        painter.drawText(QRectF(x + pad, y, widths[c] - 2 * pad, headerHeight),
                         Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, table.headers[c]);
        x += widths[c];
    }
    y += headerHeight;
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));

    painter.setFont(cellFont);
    int row = std::max(0, firstRow);
    for (; row < table.rows.size() && y + rowHeight <= area.bottom(); ++row) {
        x = area.left();
        for (qsizetype c = 0; c < table.headers.size(); ++c) {
            const QRectF cell(x + pad, y, widths[c] - 2 * pad, rowHeight);
            const QString text = table.rows[row].value(c);
            if (c == table.barColumn && row < table.bars.size()) {
                // The bar left of the share, in words on its right.
                const double textWidth = cellMetrics.horizontalAdvance(text) + pad;
                const double barHeight = rowHeight * barShare;
                const QRectF bar(cell.left(), cell.center().y() - barHeight / 2,
                                 std::max(0.0, cell.width() - textWidth), barHeight);
                paintBar(painter, bar, table.bars[row].right, table.bars[row].wrong);
                painter.setPen(Qt::black);
                painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, text);
            } else {
                painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                                 cellMetrics.elidedText(text, Qt::ElideRight, cell.width()));
            }
            x += widths[c];
        }
        y += rowHeight;
        painter.setPen(QPen(ruleColour, 0));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(Qt::black);
    }
    painter.restore();
    return row;
}

QByteArray resultspage::pdf(const ResultsTable &table, const QRectF &printableArea)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(table.title);
    writer.setCreator(QStringLiteral("GLI INSIEMI"));
    writer.setResolution(resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    const QRectF page(QPointF(), QPageSize(QPageSize::A4).sizePoints());
    const QRectF points = printableArea.isEmpty() ? page : printableArea;
    const QRectF area(points.topLeft() * twipsPerPoint, points.size() * twipsPerPoint);

    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    painter.setRenderHint(QPainter::Antialiasing);
    int row = 0;
    do {
        const int next = paint(painter, area, table, row);
        // A page that takes no row would come again and again.
        if (next == row && row < table.rows.size()) {
            painter.end();
            return {};
        }
        row = next;
        if (row < table.rows.size() && !writer.newPage())
            return {};
    } while (row < table.rows.size());
    if (!painter.end())
        return {};
    return buffer.data();
}
