// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QPainter;

// A results table as it stands on screen, its texts copied out of the
// model: the page is painted from it away from the model, on another thread
// while the screen goes on.
struct ResultsTable
{
    struct Bar
    {
        int right = 0;
        int wrong = 0;
    };

    QString title;
    QStringList headers;
    QList<QStringList> rows;
    int barColumn = -1; // the column whose cells are painted as a bar; -1 none
    QList<Bar> bars; // one a row, when there is a bar column

    // The model's rows in its order (a proxy gives them sorted as shown);
    // barColumn's RightRole and WrongRole give the bars.
    static ResultsTable fromModel(const QAbstractItemModel &model, const QString &title,
                                  int barColumn);
};

namespace resultspage {

// The bar of one row: right in green from the left, wrong in red after it,
// in proportion; a grey frame only when both are 0.
void paintBar(QPainter &painter, const QRectF &box, int right, int wrong);

// Paints the title, the header and as many rows from firstRow as fit into
// area (in the painter's units, fonts in points); returns the first row
// left for the next page: the table's row count once all are painted.
int paint(QPainter &painter, const QRectF &area, const ResultsTable &table, int firstRow);

// The whole table as an A4 portrait PDF document, on as many pages as it
// takes, inside printableArea (in points from the page's top-left corner;
// an empty one stands for the whole page). Empty when it could not be made.
QByteArray pdf(const ResultsTable &table, const QRectF &printableArea);

} // namespace resultspage
