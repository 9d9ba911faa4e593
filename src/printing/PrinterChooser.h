// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PrinterChoice.h"
#include "shell/Screen.h"

#include <QPointer>
#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;

// The printer chooser, shown modally from the worksheet screen. A thin view:
// the one-time flag and the name match are PrinterChoice's, the printers and
// the program's current printer are PrintService's. Its controls keep their
// design size whatever the window's size.
class PrinterChooser : public Screen
{
    Q_OBJECT
public:
    using PrinterSource = std::function<QStringList()>;

    PrinterChooser();

    // Where the installed printers come from: the print system unless a
    // source is set here (tests set their own).
    void setPrinterSource(PrinterSource source);

    const PrinterChoice &choice() const { return m_choice; }

protected:
    void createElements(QWidget *client) override;
    void loaded() override;

private:
    void takePick();
    QStringList installedPrinters() const;

    PrinterChoice m_choice;
    PrinterSource m_source;
    QPointer<QComboBox> m_printers;
    QPointer<QLabel> m_defaultLabel;
    QPointer<QLabel> m_chosenLabel;
};
