// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrinterChoice.h"
#include "shell/Screen.h"

#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;

// The printer chooser, shown modally from the worksheet screen. A thin view:
// the one-time flag and the name match are PrinterChoice's; the printers
// come from the source it is given, and a pick is announced to whoever keeps
// the current printer. Its controls keep their design geometry whatever the
// window's size.
class PrinterChooser : public Screen
{
    Q_OBJECT
public:
    // The installed printers, asked again at every pick.
    using PrinterSource = std::function<QStringList()>;

    PrinterChooser(PrinterChoice &choice, PrinterSource installed, const QString &currentPrinter);

    const PrinterChoice &choice() const { return m_choice; }

Q_SIGNALS:
    // The teacher picked this installed printer: it becomes the current one.
    void printerPicked(const QString &name);

private:
    void takePick();

    PrinterChoice &m_choice;
    PrinterSource m_installed;
    QString m_current;
    QComboBox *m_printerList;
    QLabel *m_defaultLabel;
    QLabel *m_chosenLabel;
};
