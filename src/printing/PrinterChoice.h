// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

// The rules of the printer chooser, without its window: the first selection
// after loading is the list's own and changes nothing; later ones make the
// installed printer with exactly that name current.
class PrinterChoice
{
    Q_DECLARE_TR_FUNCTIONS(PrinterChoice)

public:
    // The chooser has been loaded: the next selection is the automatic one.
    void reset() { m_armed = false; }
    bool isArmed() const { return m_armed; }

    // A selection happened. False for the automatic one right after loading
    // (which arms the chooser), true for every later one.
    bool takeSelection();

    // The first installed printer, in the system's order, whose name is
    // exactly `entry` (case counts); nothing when none is.
    static std::optional<QString> match(const QString &entry, const QStringList &installed);

    static QString defaultText(const QString &printer);
    static QString chosenText(const QString &printer);

private:
    bool m_armed = false;
};
