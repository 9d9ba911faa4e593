// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The class list's rules, without a window: names are kept exactly as typed
// (quotes, semicolons, emoji, any length), but a name must have something
// besides blanks, must fit on one line, and two names may not be the same
// once blanks around them, letter case and the way accents are encoded are
// set aside: the child has to tell its own button from the others.
class PupilList
{
    Q_DECLARE_TR_FUNCTIONS(PupilList)
public:
    enum class Refusal { None, Blank, SeveralLines, Duplicate, NoSuchRow };

    // What a pasted list did: names added, and the lines left out.
    struct Pasted
    {
        QStringList added;
        int blankLines = 0;
        QStringList duplicates;
    };

    PupilList() = default;
    // Keeps the usable names of `names` in their order: blank names, names
    // of several lines and repeats are left out.
    explicit PupilList(const QStringList &names);

    const QStringList &names() const { return m_names; }
    int size() const { return int(m_names.size()); }
    bool isEmpty() const { return m_names.isEmpty(); }

    // Why `name` may not join the list (None: it may); `except` is a row
    // the name may repeat, the row being renamed.
    Refusal check(const QString &name, int except = -1) const;

    Refusal add(const QString &name);
    Refusal rename(int row, const QString &name);
    bool remove(int row);
    // One name a line; blank lines and names already there are left out,
    // line ends of any system are understood.
    Pasted paste(const QString &text);

    // The line breaks a list may come with: \n, \r\n, \r and Unicode's own.
    static bool hasLineBreak(const QString &text);
    static QStringList lines(const QString &text);
    // The form two names are compared in.
    static QString comparable(const QString &name);
    // The reason in words, for the teacher; empty for None.
    static QString reason(Refusal refusal);

private:
    QStringList m_names;
};
