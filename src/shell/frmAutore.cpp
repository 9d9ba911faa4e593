#include "shell/frmAutore.h"

#include "shell/Elements.h"

#include <QLabel>

frmAutore::frmAutore() : Screen(QStringLiteral("Autore"), QSize(6975, 3510), Opening::DesignSize)
{
    setMinMaxButtons(false);
    setWindowIconShown(false);
    setFixedSize(true);
}

QString frmAutore::siteAddress()
{
    return QStringLiteral("www.example.org/gli-insiemi");
}

QString frmAutore::mailAddress()
{
    return QStringLiteral("autore@example.org");
}

void frmAutore::createElements(QWidget *client)
{
    const TwipsScale s = scale();
    ui::fill(client, QColor(192, 255, 255));

    const QFont regular = ui::font(QStringLiteral("Arial"), 18, false);
    const QFont bold = ui::font(QStringLiteral("Arial"), 18, true);
    const QColor text = client->palette().color(QPalette::WindowText);
    const QColor blue(0, 0, 192);
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
        {"Label2", siteAddress(), bold, blue, {165, 945, 6795, 510}},
        {"Label3", QStringLiteral("Email:"), regular, text, {225, 1860, 1350, 435}},
        {"Label4", mailAddress(), bold, blue, {180, 2310, 5955, 510}},
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
                                     ui::font(QStringLiteral("Arial"), 12, false),
                                     QColor(128, 255, 255));
    close->setGeometry(s.rect(1845, 2940, 2700, 345));
    connect(close, &QPushButton::clicked, this, &frmAutore::Command1_Click);
}

void frmAutore::Command1_Click()
{
    unload();
}
