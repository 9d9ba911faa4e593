// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sets/Draws.h"

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

// The figure catalogue: the pictures every set is drawn with, by index.
// Index 0 is the blank picture, 1 to 12 the figures, 13 and 15 pictures that
// no set uses, 14, 16 and 17 no picture at all. Pictures are drawn from SVG
// at the asked device pixel ratio and kept; the printer gets them as vectors.
class FigureCatalogue
{
public:
    static constexpr int pictureCount = 18;
    static constexpr int blank = 0;
    static constexpr int firstFigure = sets::firstFigure;
    static constexpr int lastFigure = sets::lastFigure;

    FigureCatalogue();
    ~FigureCatalogue();
    FigureCatalogue(const FigureCatalogue &) = delete;
    FigureCatalogue &operator=(const FigureCatalogue &) = delete;

    static bool hasPicture(int index);
    // The picture's own size in pixels; empty where there is no picture.
    static QSize pictureSize(int index);
    // The figure's Italian name, for assistive technology.
    static QString pictureName(int index);

    // The picture, sharp at the given device pixel ratio; a null pixmap
    // where there is no picture.
    QPixmap picture(int index, qreal devicePixelRatio = 1.0);

    // Draws the picture as vectors into target (printing, PDF).
    void paint(QPainter &painter, int index, const QRectF &target);

private:
    QSvgRenderer *renderer(int index);

    QHash<int, std::shared_ptr<QSvgRenderer>> m_renderers;
    QHash<quint64, QPixmap> m_pixmaps;
};
