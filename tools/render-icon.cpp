// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon to the PNG sizes of the hicolor icon theme:
//   gli-render-icon ICON.svg OUTDIR SIZE...
// writes OUTDIR/<size>x<size>/apps/<icon name>.png for every size.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {
QImage render(QSvgRenderer &svg, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    return image;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() < 4) {
        err << "usage: gli-render-icon ICON.svg OUTDIR SIZE...\n";
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        err << "cannot read the icon " << args.at(1) << "\n";
        return 1;
    }
    const QString name = QFileInfo(args.at(1)).completeBaseName();
    const QDir out(args.at(2));
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int side = args.at(i).toInt(&ok);
        if (!ok || side <= 0 || side > 1024) {
            err << "not an icon size: " << args.at(i) << "\n";
            return 2;
        }
        const QString dir = QStringLiteral("%1x%1/apps").arg(side);
        const QString file = out.filePath(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!out.mkpath(dir) || !render(svg, side).save(file, "PNG")) {
            err << "cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
