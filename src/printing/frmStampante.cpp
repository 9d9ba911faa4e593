#include "printing/frmStampante.h"

#include "printing/PrintService.h"
#include "shell/Elements.h"

#include <QComboBox>
#include <QLabel>

namespace {
// The chooser was designed with an old bitmap sans face; the common sans
// faces stand in for it where it is not installed.
QFont chooserFont(double points)
{
    QFont f = ui::font(QStringLiteral("MS Sans Serif"), points, true);
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                   QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    return f;
}
} // namespace

frmStampante::frmStampante()
    : Screen(QStringLiteral("Form1"), QSize(6060, 5460), Opening::DesignSize)
{
}

void frmStampante::setPrinterSource(PrinterSource source)
{
    m_source = std::move(source);
}

QStringList frmStampante::installedPrinters() const
{
    return m_source ? m_source() : PrintService::shared().printers();
}

void frmStampante::createElements(QWidget *client)
{
    const TwipsScale s = scale();
    ui::fill(client, QColor(255, 255, 192));

    const QFont text = chooserFont(9.75);
    const QColor ink = client->palette().color(QPalette::WindowText);
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

    // Printer names come from the system: never read as markup.
    QLabel *label1 = ui::label(client, QStringLiteral("Label1"), QString(), text, ink, QColor(),
                               topLeft);
    label1->setGeometry(s.rect(432, 168, 1716, 1524));
    QLabel *label2 = ui::label(client, QStringLiteral("Label2"), QString(), text, ink, QColor(),
                               topLeft);
    label2->setGeometry(s.rect(3276, 120, 1704, 1452));

    auto *combo = new QComboBox(client);
    combo->setObjectName(QStringLiteral("Combo1"));
    combo->setFont(text);
    combo->setGeometry(s.rect(612, 2400, 4632, 336));
    connect(combo, &QComboBox::activated, this, &frmStampante::Combo1_Click);

    auto *close = new ColouredButton(client, QStringLiteral("Command2"),
                                     QStringLiteral("C H I U D I"), chooserFont(13.5),
                                     QColor(255, 255, 128));
    close->setGeometry(s.rect(1128, 4188, 3168, 648));
    connect(close, &QPushButton::clicked, this, &frmStampante::Command2_Click);
}

void frmStampante::formLoad()
{
    m_choice.reset();
    auto *combo = element<QComboBox>(QStringLiteral("Combo1"));
    combo->addItems(installedPrinters());
    combo->setCurrentIndex(0);
    // Selecting the first entry raises the selection event, as picking does
    // (the list itself reports only the teacher's picks).
    Combo1_Click();
    element<QLabel>(QStringLiteral("Label1"))
        ->setText(PrinterChoice::defaultText(PrintService::shared().currentPrinter()));
}

void frmStampante::Combo1_Click()
{
    if (!m_choice.takeSelection())
        return;
    PrintService &service = PrintService::shared();
    const QString entry = element<QComboBox>(QStringLiteral("Combo1"))->currentText();
    if (const std::optional<QString> printer = PrinterChoice::match(entry, installedPrinters()))
        service.setCurrentPrinter(*printer);
    element<QLabel>(QStringLiteral("Label2"))
        ->setText(PrinterChoice::chosenText(service.currentPrinter()));
}

void frmStampante::Command2_Click()
{
    hide();
}
