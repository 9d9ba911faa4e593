// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/PrinterChooser.h"

#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/Palette.h"

#include <QComboBox>
#include <QLabel>

namespace {
constexpr QSize designTwips(6060, 5460);
} // namespace

PrinterChooser::PrinterChooser(QWidget *owner, PrinterChoice &choice, PrinterSource installed,
                               const QString &currentPrinter)
    : DesignDialog(owner, QStringLiteral("frmStampante"), QStringLiteral("Form1"), designTwips,
                   Frame::Resizable),
      m_choice(choice),
      m_installed(std::move(installed)),
      m_current(currentPrinter)
{
    QWidget *area = client();
    DesignLayout *layout = designLayout();
    ui::fill(area, colours::paleYellow);

    const QFont text = fonts::dialog(9.75);
    const QColor ink = area->palette().color(QPalette::WindowText);
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

    // Printer names come from the system: never read as markup.
    m_defaultLabel = ui::label(area, QStringLiteral("Label1"), QString(), text, ink, QColor(),
                               topLeft);
    layout->addFixed(m_defaultLabel, {432, 168, 1716, 1524});
    m_chosenLabel = ui::label(area, QStringLiteral("Label2"), QString(), text, ink, QColor(),
                              topLeft);
    layout->addFixed(m_chosenLabel, {3276, 120, 1704, 1452});

    m_printerList = new QComboBox(area);
    m_printerList->setObjectName(QStringLiteral("Combo1"));
    m_printerList->setFont(text);
    layout->addFixed(m_printerList, {612, 2400, 4632, 336});
    connect(m_printerList, &QComboBox::activated, this, &PrinterChooser::takePick);

    auto *closeButton = new ColouredButton(area, QStringLiteral("Command2"), tr("C H I U D I"),
                                           fonts::dialog(13.5), colours::yellow);
    closeButton->setAccessibleName(tr("Chiudi")); // a word, not letters
    layout->addFixed(closeButton, {1128, 4188, 3168, 648});
    connect(closeButton, &QPushButton::clicked, this, &PrinterChooser::close);
    takeDesignSize();

    m_choice.reset();
    m_printerList->addItems(m_installed ? m_installed() : QStringList());
    m_printerList->setCurrentIndex(0);
    // Selecting the first entry raises the selection event, as picking does
    // (the list itself reports only the teacher's picks).
    takePick();
    showPrinter(m_defaultLabel, PrinterChoice::defaultText(m_current), m_current);
}

void PrinterChooser::showPrinter(QLabel *label, const QString &text, const QString &printer)
{
    label->setToolTip(printer);
    label->setAccessibleDescription(printer);
    const QRect room = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, text);
    if (printer.isEmpty() || (needed.width() <= room.width() && needed.height() <= room.height())) {
        label->setText(text);
        return;
    }
    // The name on one line of its own, both its ends kept.
    const QString lead = text.left(text.size() - printer.size());
    label->setText(lead + metrics.elidedText(printer, Qt::ElideMiddle, room.width()));
}

// The list's pick: the printer named by the entry becomes the current one.
void PrinterChooser::takePick()
{
    if (!m_choice.takeSelection())
        return;
    const QString entry = m_printerList->currentText();
    const QStringList installed = m_installed ? m_installed() : QStringList();
    if (const std::optional<QString> printer = PrinterChoice::match(entry, installed)) {
        m_current = *printer;
        Q_EMIT printerPicked(*printer);
    }
    showPrinter(m_chosenLabel, PrinterChoice::chosenText(m_current), m_current);
}
