// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/CsvWriter.h"

QChar CsvWriter::separatorFor(const QLocale &locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

QString CsvWriter::field(const QString &value) const
{
    // The characters that start a formula, and the tab and carriage return
    // that some spreadsheets skip before looking for one.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    QString quoted;
    quoted.reserve(value.size() + 3);
    quoted += u'"';
    if (!value.isEmpty() && formulaStarts.contains(value.front()))
        quoted += u'\'';
    for (const QChar c : value) {
        if (c == u'"')
            quoted += u'"';
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

QString CsvWriter::row(const QStringList &fields) const
{
    QString line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += m_separator;
        line += field(fields.at(i));
    }
    line += QStringLiteral("\r\n");
    return line;
}

QByteArray CsvWriter::byteOrderMark()
{
    return QByteArrayLiteral("\xEF\xBB\xBF");
}
