// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrinterChoice.h"

bool PrinterChoice::takeSelection()
{
    if (!m_armed) {
        m_armed = true;
        return false;
    }
    return true;
}

std::optional<QString> PrinterChoice::match(const QString &entry, const QStringList &installed)
{
    for (const QString &name : installed) {
        if (name.compare(entry, Qt::CaseSensitive) == 0)
            return name;
    }
    return std::nullopt;
}

QString PrinterChoice::defaultText(const QString &printer)
{
    return tr("La stampante predefinita è ") + QStringLiteral("\r\n") + printer;
}

QString PrinterChoice::chosenText(const QString &printer)
{
    return tr("La stampante scelta è ") + QStringLiteral("\r\n") + printer;
}
