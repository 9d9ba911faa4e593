// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/AboutScreen.h"

#include "shell/Elements.h"
#include "shell/Palette.h"

#include <QLabel>

AboutScreen::AboutScreen()
    : Screen(QStringLiteral("frmAutore"), QStringLiteral("Autore"), QSize(6975, 3510),
             Opening::DesignSize)
{
    setMinMaxButtons(false);
    setWindowIconShown(false);
    setFixedSize(true);
}

QString AboutScreen::siteAddress()
{
    return QStringLiteral("www.example.org/gli-insiemi");
}

QString AboutScreen::mailAddress()
{
    return QStringLiteral("autore@example.org");
}

void AboutScreen::createElements(QWidget *client)
{
    const TwipsScale s = scale();
    ui::fill(client, colours::paleCyan);

    const QFont regular = fonts::arial(18, false);
    const QFont bold = fonts::arial(18);
    const QColor text = client->palette().color(QPalette::WindowText);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;

    struct Row
    {
        const char *name;
        QString text;
        QFont font;
        QColor colour;
        QRect twips;
    };
    const Row rows[] = {
        {"Label1", QStringLiteral("Sito dell'autore:"), regular, text, {200, 465, 4455, 435}},
        {"Label2", siteAddress(), bold, colours::darkBlue, {165, 945, 6795, 510}},
        {"Label3", QStringLiteral("Email:"), regular, text, {225, 1860, 1350, 435}},
        {"Label4", mailAddress(), bold, colours::darkBlue, {180, 2310, 5955, 510}},
    };
    for (const Row &row : rows) {
        QLabel *l = ui::label(client, QString::fromLatin1(row.name), row.text, row.font,
                              row.colour, QColor(), left);
        l->setWordWrap(false);
        l->setGeometry(s.rect(row.twips.x(), row.twips.y(), row.twips.width(),
                              row.twips.height()));
    }

    auto *close = new ColouredButton(client, QStringLiteral("Command1"),
                                     QStringLiteral("C h i u d i"),
                                     fonts::arial(12, false),
                                     colours::cyan);
    close->setGeometry(s.rect(1845, 2940, 2700, 345));
    connect(close, &QPushButton::clicked, this, &AboutScreen::unload);
}
