// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// Paints a share right cell as a bar of right (green) against wrong (red),
// from the model's RightRole and WrongRole, with the share in words beside
// it. Screen readers get the counts from the cell's AccessibleTextRole.
class BarDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit BarDelegate(QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
