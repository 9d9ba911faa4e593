// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/PupilSummary.h"

#include <QAbstractTableModel>
#include <QList>

// The results tables as models: one row a pupil (PupilSummaryModel) or one
// row a day of one pupil (PupilDayModel). Numbers and days come as such in
// SortRole, so that a QSortFilterProxyModel sorts 9 before 10 and days by
// the calendar; the share right column also gives its two counts (RightRole,
// WrongRole) for the bar that shows them.
namespace results {
// The columns both tables have, in the same order.
enum class Common { Exercises, Right, Wrong, ShareRight, MeanSeconds, CommonMistake };

enum Role {
    SortRole = Qt::UserRole,
    RightRole,
    WrongRole,
    // The pupil as kept: empty for the guest.
    PupilRole,
};

// "8 giusti, 2 sbagliati": the bar in words.
QString barText(int right, int wrong);
// The guest's name in the tables.
QString guestName();
} // namespace results

class PupilSummaryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Pupil,
        Exercises,
        Right,
        Wrong,
        ShareRight,
        MeanSeconds,
        LastDay,
        CommonMistake,
        ColumnCount
    };

    explicit PupilSummaryModel(QObject *parent = nullptr);

    void setRows(const QList<PupilSummary> &rows);
    const QList<PupilSummary> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    static results::Common common(Column column);

    QList<PupilSummary> m_rows;
};

class PupilDayModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        Day,
        Exercises,
        Right,
        Wrong,
        ShareRight,
        MeanSeconds,
        CommonMistake,
        ColumnCount
    };

    explicit PupilDayModel(QObject *parent = nullptr);

    // The days of `pupil` (empty for the guest).
    void setDays(const QString &pupil, const QList<PupilDay> &days);
    void clear();
    const QString &pupil() const { return m_pupil; }
    const QList<PupilDay> &days() const { return m_days; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString m_pupil;
    QList<PupilDay> m_days;
};
