// SPDX-License-Identifier: GPL-3.0-or-later
#include "sets/FigureCatalogue.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
struct Entry
{
    const char *file;
    const char *name;
    QSize size;
};

// Index by index; an entry without a file has no picture.
const Entry catalogue[FigureCatalogue::pictureCount] = {
    {"00-bianco", "spazio vuoto", {61, 60}},
    {"01-imbuto", "imbuto", {49, 47}},
    {"02-lampada", "lampada", {54, 55}},
    {"03-sveglia", "sveglia", {53, 53}},
    {"04-barca", "barca a vela", {46, 56}},
    {"05-bandiera", "bandiera", {45, 59}},
    {"06-candela", "candela", {42, 62}},
    {"07-dado", "dado", {48, 46}},
    {"08-aquilone", "aquilone", {45, 55}},
    {"09-sedia", "sedia", {49, 50}},
    {"10-abete", "abete", {48, 48}},
    {"11-ciliegie", "ciliegie", {48, 48}},
    {"12-gatto", "gatto", {48, 48}},
    {"13-tromba", "tromba", {48, 48}},
    {nullptr, "", {}},
    {"15-cornice", "cornice", {61, 60}},
    {nullptr, "", {}},
    {nullptr, "", {}},
};

bool inRange(int index)
{
    return index >= 0 && index < FigureCatalogue::pictureCount;
}
} // namespace

FigureCatalogue::FigureCatalogue() = default;
FigureCatalogue::~FigureCatalogue() = default;

bool FigureCatalogue::hasPicture(int index)
{
    return inRange(index) && catalogue[index].file;
}

QSize FigureCatalogue::pictureSize(int index)
{
    return hasPicture(index) ? catalogue[index].size : QSize();
}

QString FigureCatalogue::pictureName(int index)
{
    return inRange(index) ? QString::fromUtf8(catalogue[index].name) : QString();
}

QSvgRenderer *FigureCatalogue::renderer(int index)
{
    if (!hasPicture(index))
        return nullptr;
    std::shared_ptr<QSvgRenderer> &r = m_renderers[index];
    if (!r) {
        r = std::make_shared<QSvgRenderer>(
            QStringLiteral(":/figures/%1.svg").arg(QString::fromLatin1(catalogue[index].file)));
    }
    return r.get();
}

QPixmap FigureCatalogue::picture(int index, qreal devicePixelRatio)
{
    QSvgRenderer *svg = renderer(index);
    if (!svg)
        return {};
    const quint64 key = (quint64(index) << 32) | quint64(qRound(devicePixelRatio * 1000));
    auto found = m_pixmaps.constFind(key);
    if (found != m_pixmaps.constEnd())
        return *found;

    const QSize size = pictureSize(index);
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    svg->render(&painter, QRectF(QPointF(), QSizeF(size)));
    painter.end();
    m_pixmaps.insert(key, pixmap);
    return pixmap;
}

void FigureCatalogue::paint(QPainter &painter, int index, const QRectF &target)
{
    if (QSvgRenderer *svg = renderer(index))
        svg->render(&painter, target);
}
