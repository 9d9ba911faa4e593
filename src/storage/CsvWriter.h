// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

// Comma-separated values as spreadsheets read them: every field quoted,
// quotes doubled, lines ended by CR LF. A field that a spreadsheet would
// take for a formula gets an apostrophe in front, inside the quotes, so that
// it shows as the text it is and runs nothing.
class CsvWriter
{
public:
    // ';' where the language writes decimals with a comma (spreadsheets there
    // expect it), ',' elsewhere.
    static QChar separatorFor(const QLocale &locale);

    explicit CsvWriter(QChar separator) : m_separator(separator) {}

    QChar separator() const { return m_separator; }
    QString field(const QString &value) const;
    // One line, with its CR LF.
    QString row(const QStringList &fields) const;

    // The UTF-8 byte order mark the file starts with: without it a common
    // spreadsheet reads the file in the system's 8-bit code page, and "è",
    // "ü" or an emoji in a name come out garbled.
    static QByteArray byteOrderMark();

private:
    QChar m_separator;
};
