// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupils/ResultsModels.h"

#include <QCoreApplication>
#include <QLocale>

namespace {
using results::Common;
constexpr int percent = 100;

// What the two models show alike, from the counts of a row.
struct Counts
{
    int exercises;
    int right;
    int wrong;
    double share;
    double meanSeconds;
    Mistake mistake;
};

QString shareText(double share)
{
    return QStringLiteral("%1 %").arg(QLocale().toString(qRound(share * percent)));
}

QString secondsText(double seconds)
{
    return QLocale().toString(seconds, 'f', 1);
}

// The cells of the columns both models have, by their role.

QVariant commonData(const Counts &c, Common column, int role)
{
    using namespace results;
    if (role == Qt::TextAlignmentRole)
        return column == Common::CommonMistake ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                                               : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    if (role == RightRole)
        return c.right;
    if (role == WrongRole)
        return c.wrong;
    const bool sort = role == SortRole;
    if (!sort && role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    switch (column) {
    case Common::Exercises:
        return sort ? QVariant(c.exercises) : QVariant(QLocale().toString(c.exercises));
    case Common::Right:
        return sort ? QVariant(c.right) : QVariant(QLocale().toString(c.right));
    case Common::Wrong:
        return sort ? QVariant(c.wrong) : QVariant(QLocale().toString(c.wrong));
    case Common::ShareRight:
        if (sort)
            return c.share;
        return role == Qt::AccessibleTextRole
            ? QStringLiteral("%1: %2").arg(shareText(c.share), barText(c.right, c.wrong))
            : shareText(c.share);
    case Common::MeanSeconds:
        return sort ? QVariant(c.meanSeconds) : QVariant(secondsText(c.meanSeconds));
    case Common::CommonMistake:
        return mistakeText(c.mistake);
    }
    return {};
}

QVariant commonHeader(Common column)
{
    switch (column) {
    case Common::Exercises:
        return QCoreApplication::translate("ResultsModels", "Esercizi");
    case Common::Right:
        return QCoreApplication::translate("ResultsModels", "Giusti");
    case Common::Wrong:
        return QCoreApplication::translate("ResultsModels", "Sbagliati");
    case Common::ShareRight:
        return QCoreApplication::translate("ResultsModels", "Giusti in %");
    case Common::MeanSeconds:
        return QCoreApplication::translate("ResultsModels", "Secondi in media");
    case Common::CommonMistake:
        return QCoreApplication::translate("ResultsModels", "Errore più frequente");
    }
    return {};
}
} // namespace

QString results::barText(int right, int wrong)
{
    return QCoreApplication::translate("ResultsModels", "%1 giusti, %2 sbagliati")
        .arg(QLocale().toString(right), QLocale().toString(wrong));
}

QString results::guestName()
{
    return QCoreApplication::translate("ResultsModels", "Ospite");
}

PupilSummaryModel::PupilSummaryModel(QObject *parent) : QAbstractTableModel(parent) {}

// The shared column a summary column is; the name and the last day have
// none.
Common PupilSummaryModel::common(Column column)
{
    switch (column) {
    case Exercises:
        return Common::Exercises;
    case Right:
        return Common::Right;
    case Wrong:
        return Common::Wrong;
    case ShareRight:
        return Common::ShareRight;
    case MeanSeconds:
        return Common::MeanSeconds;
    default:
        return Common::CommonMistake;
    }
}

void PupilSummaryModel::setRows(const QList<PupilSummary> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int PupilSummaryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PupilSummaryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PupilSummaryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const PupilSummary &s = m_rows[index.row()];
    if (role == results::PupilRole)
        return s.pupil;
    switch (index.column()) {
    case Pupil: {
        const QString name = s.pupil.isEmpty() ? results::guestName() : s.pupil;
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return name;
        if (role == Qt::ToolTipRole)
            return name;
        if (role == results::SortRole)
            return name.toCaseFolded();
        return {};
    }
    case LastDay:
        if (role == results::SortRole)
            return s.lastDay;
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return QLocale().toString(s.lastDay, QLocale::ShortFormat);
        return {};
    default:
        break;
    }
    const Counts counts{s.exercises,  s.right,       s.wrong,
                        s.shareRight, s.meanSeconds, s.commonMistake};
    return commonData(counts, common(Column(index.column())), role);
}

QVariant PupilSummaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Pupil:
        return tr("Alunno");
    case LastDay:
        return tr("Ultimo giorno");
    case ColumnCount:
        return {};
    default:
        return section > Pupil && section < ColumnCount ? commonHeader(common(Column(section)))
                                                        : QVariant();
    }
}

PupilDayModel::PupilDayModel(QObject *parent) : QAbstractTableModel(parent) {}

void PupilDayModel::setDays(const QString &pupil, const QList<PupilDay> &days)
{
    beginResetModel();
    m_pupil = pupil;
    m_days = days;
    endResetModel();
}

void PupilDayModel::clear()
{
    setDays(QString(), {});
}

int PupilDayModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_days.size());
}

int PupilDayModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PupilDayModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_days.size())
        return {};
    const PupilDay &d = m_days[index.row()];
    if (role == results::PupilRole)
        return m_pupil;
    if (index.column() == Day) {
        if (role == results::SortRole)
            return d.day;
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return QLocale().toString(d.day, QLocale::ShortFormat);
        return {};
    }
    const double share = d.exercises > 0 ? double(d.right) / d.exercises : 0.0;
    const Counts counts{d.exercises, d.right, d.wrong, share, d.meanSeconds, d.commonMistake};
    return commonData(counts, Common(index.column() - Exercises), role);
}

QVariant PupilDayModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == Day)
        return tr("Giorno");
    return section > Day && section < ColumnCount ? commonHeader(Common(section - Exercises))
                                                  : QVariant();
}
