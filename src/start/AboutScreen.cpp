// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/AboutScreen.h"

#include "shell/DesignLayout.h"
#include "shell/Elements.h"
#include "shell/Palette.h"

#include <QLabel>

namespace {
constexpr QSize designTwips(6975, 3510);
constexpr double textPoints = 18;

struct Row
{
    const char *name;
    const char *text; // the address itself where null
    bool bold;
    QRect twips;
};

const Row rows[] = {
    {"Label1", QT_TRANSLATE_NOOP("AboutScreen", "Sito dell'autore:"), false, {200, 465, 4455, 435}},
    {"Label2", nullptr, true, {165, 945, 6795, 510}},
    {"Label3", QT_TRANSLATE_NOOP("AboutScreen", "Email:"), false, {225, 1860, 1350, 435}},
    {"Label4", nullptr, true, {180, 2310, 5955, 510}},
};
} // namespace

AboutScreen::AboutScreen(QWidget *owner)
    : DesignDialog(owner, QStringLiteral("frmAutore"), tr("Autore"), designTwips, Frame::Fixed)
{
    QWidget *area = client();
    DesignLayout *layout = designLayout();
    ui::fill(area, colours::paleCyan);

    const QColor text = area->palette().color(QPalette::WindowText);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    const QString addresses[] = {QString(), siteAddress(), QString(), mailAddress()};
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const Row &row = rows[i];
        // The addresses in bold blue, what they are in the window's text.
        QLabel *label = ui::label(area, QString::fromLatin1(row.name),
                                  row.text ? tr(row.text) : addresses[i],
                                  fonts::arial(textPoints, row.bold),
                                  row.bold ? colours::darkBlue : text, QColor(), left);
        label->setWordWrap(false);
        layout->addFixed(label, row.twips);
    }

    auto *closeButton = new ColouredButton(area, QStringLiteral("Command1"), tr("C h i u d i"),
                                           fonts::arial(12, false), colours::cyan);
    closeButton->setAccessibleName(tr("Chiudi")); // a word, not letters
    layout->addFixed(closeButton, {1845, 2940, 2700, 345});
    connect(closeButton, &QPushButton::clicked, this, &AboutScreen::close);
    takeDesignSize();
}

QString AboutScreen::siteAddress()
{
    return QStringLiteral("www.example.org/gli-insiemi");
}

QString AboutScreen::mailAddress()
{
    return QStringLiteral("autore@example.org");
}
