// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrinterChoice.h"
#include "shell/DesignDialog.h"

#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;

// The printer chooser, shown modally from the worksheet screen and made anew
// at each opening, so that it lists the printers installed at that moment. A
// thin view: the one-time flag and the name match are PrinterChoice's; the
// printers come from the source it is given, and a pick is announced to
// whoever keeps the current printer. Its controls keep their design geometry
// whatever the window's size; a printer's name too long for its label is
// shortened in the middle, whole in the label's tooltip and accessible
// description.
class PrinterChooser : public DesignDialog
{
    Q_OBJECT
public:
    // The installed printers, asked again at every pick.
    using PrinterSource = std::function<QStringList()>;

    PrinterChooser(QWidget *owner, PrinterChoice &choice, PrinterSource installed,
                   const QString &currentPrinter);

    const PrinterChoice &choice() const { return m_choice; }

Q_SIGNALS:
    // The teacher picked this installed printer: it becomes the current one.
    void printerPicked(const QString &name);

private:
    void takePick();
    // One of the two labels: its lead line, then the printer's name.
    static void showPrinter(QLabel *label, const QString &text, const QString &printer);

    PrinterChoice &m_choice;
    PrinterSource m_installed;
    QString m_current;
    QComboBox *m_printerList;
    QLabel *m_defaultLabel;
    QLabel *m_chosenLabel;
};
