#pragma once

#include "shell/Screen.h"

#include <QHash>
#include <QPixmap>
#include <QSize>

class QPainter;
class QSvgRenderer;

// The figure catalogue `Image3`: a screen that is never shown and serves as
// the picture store. Index 0 is the blank picture, 1 to 12 the figures,
// 13 and 15 pictures that no set uses, 14, 16 and 17 no picture at all.
// Pictures are drawn from SVG at the display's pixel ratio and kept.
class FrmFigure : public Screen
{
    Q_OBJECT
public:
    static constexpr int pictureCount = 18;
    static constexpr int blank = 0;
    static constexpr int firstFigure = 1;
    static constexpr int lastFigure = 12;

    FrmFigure();
    ~FrmFigure() override;

    static bool hasPicture(int index);
    // The picture's own size in pixels; empty where there is no picture.
    static QSize pictureSize(int index);
    // The figure's Italian name, for assistive technology.
    static QString pictureName(int index);

    // Image3(index), sharp at the given device pixel ratio; a null pixmap
    // where there is no picture. Loads the catalogue on first use.
    QPixmap picture(int index, qreal devicePixelRatio = 1.0);

    // Draws the picture as vectors into target (printing, PDF).
    void paint(QPainter &painter, int index, const QRectF &target);

protected:
    void createElements(QWidget *client) override;
    void formUnload() override;

private:
    QSvgRenderer *renderer(int index);

    QHash<int, QSvgRenderer *> m_renderers;
    QHash<quint64, QPixmap> m_pixmaps;
};
