// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PaperCells.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// Reading a PDF back with poppler's command-line tools.
namespace pdftools {

inline bool available()
{
    for (const char *tool : {"pdftoppm", "pdftotext", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

// The tool's output, empty when it failed.
inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The whole document's text, or one page's (1 the first).
inline QString text(const QString &pdf, int page = 0)
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
             << QString::number(page);
    return run(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
}

inline QString info(const QString &pdf)
{
    return run(QStringLiteral("pdfinfo"), {pdf});
}

// What pdfinfo tells after "Field:", trimmed.
inline QString infoField(const QString &pdf, const QString &field)
{
    for (const QString &line : info(pdf).split(QLatin1Char('\n'))) {
        if (line.startsWith(field + QLatin1Char(':')))
            return line.mid(field.size() + 1).trimmed();
    }
    return {};
}

inline int pageCount(const QString &pdf)
{
    return infoField(pdf, QStringLiteral("Pages")).toInt();
}

// A page in grey (1 the first), rendered in a folder of its own: a printer's
// output folder keeps only what the printer put there.
inline QImage page(const QString &pdf, int dpi, int number = 1)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("page"));
    const QString n = QString::number(number);
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-f"),
         n, QStringLiteral("-l"), n, QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
         base});
    return QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// Pixels of rect darker than threshold.
inline int ink(const QImage &image, const QRect &rect, int threshold = 200)
{
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            count += image.constScanLine(y)[x] < threshold;
    }
    return count;
}

// For every place of a sheet, exercise by exercise, the left set then the
// right one, slot by slot: whether the page, rendered at 72 dpi, shows ink in
// the middle of the place's cell. origin (points) and scale put the sheet's
// twips on the page.
inline QList<bool> inkInCells(const QImage &page, const QPointF &origin, double scale)
{
    QList<bool> cells;
    for (int e = 1; e <= 4; ++e) {
        for (bool leftSet : {true, false}) {
            for (int slot = 1; slot <= 15; ++slot) {
                const QPointF middle = paperCell(e, leftSet, slot) + QPointF(150, 150);
                const QRectF px(origin + middle * scale / 20, QSizeF(450, 500) * scale / 20);
                cells << (ink(page, px.toRect()) > 0);
            }
        }
    }
    return cells;
}

} // namespace pdftools
