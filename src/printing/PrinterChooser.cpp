// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrinterChooser.h"

#include "printing/PrintService.h"
#include "shell/Elements.h"
#include "shell/Palette.h"

#include <QComboBox>
#include <QLabel>

PrinterChooser::PrinterChooser()
    : Screen(QStringLiteral("frmStampante"), QStringLiteral("Form1"), QSize(6060, 5460),
             Opening::DesignSize)
{
}

void PrinterChooser::setPrinterSource(PrinterSource source)
{
    m_source = std::move(source);
}

QStringList PrinterChooser::installedPrinters() const
{
    return m_source ? m_source() : PrintService::shared().printers();
}

void PrinterChooser::createElements(QWidget *client)
{
    const TwipsScale s = scale();
    ui::fill(client, colours::paleYellow);

    const QFont text = fonts::dialog(9.75);
    const QColor ink = client->palette().color(QPalette::WindowText);
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

    // Printer names come from the system: never read as markup.
    m_defaultLabel = ui::label(client, QStringLiteral("Label1"), QString(), text, ink, QColor(),
                               topLeft);
    m_defaultLabel->setGeometry(s.rect(432, 168, 1716, 1524));
    m_chosenLabel = ui::label(client, QStringLiteral("Label2"), QString(), text, ink, QColor(),
                               topLeft);
    m_chosenLabel->setGeometry(s.rect(3276, 120, 1704, 1452));

    m_printers = new QComboBox(client);
    m_printers->setObjectName(QStringLiteral("Combo1"));
    m_printers->setFont(text);
    m_printers->setGeometry(s.rect(612, 2400, 4632, 336));
    connect(m_printers, &QComboBox::activated, this, &PrinterChooser::takePick);

    auto *close = new ColouredButton(client, QStringLiteral("Command2"),
                                     QStringLiteral("C H I U D I"), fonts::dialog(13.5),
                                     colours::yellow);
    close->setGeometry(s.rect(1128, 4188, 3168, 648));
    connect(close, &QPushButton::clicked, this, &PrinterChooser::hide);
}

void PrinterChooser::loaded()
{
    m_choice.reset();
    m_printers->addItems(installedPrinters());
    m_printers->setCurrentIndex(0);
    // Selecting the first entry raises the selection event, as picking does
    // (the list itself reports only the teacher's picks).
    takePick();
    m_defaultLabel->setText(PrinterChoice::defaultText(PrintService::shared().currentPrinter()));
}

// The list's pick: the printer named by the entry becomes the current one.
void PrinterChooser::takePick()
{
    if (!m_choice.takeSelection())
        return;
    PrintService &service = PrintService::shared();
    const QString entry = m_printers->currentText();
    if (const std::optional<QString> printer = PrinterChoice::match(entry, installedPrinters()))
        service.setCurrentPrinter(*printer);
    m_chosenLabel->setText(PrinterChoice::chosenText(service.currentPrinter()));
}
