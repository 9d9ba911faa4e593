// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/PupilList.h"

#include <QRegularExpression>

namespace {
const QRegularExpression &lineBreak()
{
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|[\\n\\r\\x{2028}\\x{2029}]"));
    return breaks;
}
} // namespace

PupilList::PupilList(const QStringList &names)
{
    for (const QString &name : names)
        add(name);
}

bool PupilList::hasLineBreak(const QString &text)
{
    return text.contains(lineBreak());
}

QStringList PupilList::lines(const QString &text)
{
    return text.split(lineBreak());
}

QString PupilList::comparable(const QString &name)
{
    return name.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}

PupilList::Refusal PupilList::check(const QString &name, int except) const
{
    if (name.trimmed().isEmpty())
        return Refusal::Blank;
    if (hasLineBreak(name))
        return Refusal::SeveralLines;
    const QString key = comparable(name);
    for (int row = 0; row < size(); ++row) {
        if (row != except && comparable(m_names[row]) == key)
            return Refusal::Duplicate;
    }
    return Refusal::None;
}

PupilList::Refusal PupilList::add(const QString &name)
{
    const Refusal refusal = check(name);
    if (refusal == Refusal::None)
        m_names.append(name);
    return refusal;
}

PupilList::Refusal PupilList::rename(int row, const QString &name)
{
    if (row < 0 || row >= size())
        return Refusal::NoSuchRow;
    const Refusal refusal = check(name, row);
    if (refusal == Refusal::None)
        m_names[row] = name;
    return refusal;
}

bool PupilList::remove(int row)
{
    if (row < 0 || row >= size())
        return false;
    m_names.removeAt(row);
    return true;
}

PupilList::Pasted PupilList::paste(const QString &text)
{
    Pasted pasted;
    for (const QString &line : lines(text)) {
        switch (add(line)) {
        case Refusal::None:
            pasted.added.append(line);
            break;
        case Refusal::Duplicate:
            pasted.duplicates.append(line);
            break;
        default:
            ++pasted.blankLines;
            break;
        }
    }
    return pasted;
}

QString PupilList::reason(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::Blank:
        return tr("Il nome è vuoto.");
    case Refusal::SeveralLines:
        return tr("Un nome sta su una riga sola.");
    case Refusal::Duplicate:
        return tr("Questo nome c'è già.");
    case Refusal::NoSuchRow:
        return tr("Scegli prima un nome dell'elenco.");
    }
    return {};
}
