// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/BarDelegate.h"

#include "pupils/ResultsModels.h"
#include "pupils/ResultsPage.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr double barShare = 0.6; // of the row's height
constexpr int barLeastEms = 6;
} // namespace

BarDelegate::BarDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void BarDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                        const QModelIndex &index) const
{
    // The cell's background, selection and focus as any other cell, without text.
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    const QString text = plain.text;
    plain.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

    const QRect cell = option.rect.adjusted(4, 0, -4, 0);
    const int textWidth = option.fontMetrics.horizontalAdvance(text) + 8;
    const double barHeight = cell.height() * barShare;
    const QRectF bar(cell.left(), cell.center().y() - barHeight / 2,
                     std::max(0, cell.width() - textWidth), barHeight);
    resultspage::paintBar(*painter, bar, index.data(results::RightRole).toInt(),
                          index.data(results::WrongRole).toInt());
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(cell, Qt::AlignRight | Qt::AlignVCenter, text);
    painter->restore();
}

QSize BarDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(size.width()
                  + option.fontMetrics.horizontalAdvance(QLatin1Char('M')) * barLeastEms);
    return size;
}
