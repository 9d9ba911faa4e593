// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ElementTable.h"

#include "shell/Elements.h"

#include <QWidget>
#include <QtMath>

namespace {
ElementBox boxOf(const QRect &twips)
{
    return ElementBox::ordinary(twips.x(), twips.y(), twips.width(), twips.height());
}
} // namespace

void ElementTable::add(QObject *element, const QRect &designTwips, Dock dock)
{
    m_entries.append({element, boxOf(designTwips), dock, false});
}

void ElementTable::addUnplaced(QObject *element, ElementKind kind)
{
    m_entries.append({element, ElementBox::of(kind), Dock::None, false});
}

void ElementTable::addScaledLine(LineElement *line, const QLine &designTwips)
{
    m_entries.append({line,
                      ElementBox::scaledLine(designTwips.x1(), designTwips.y1(), designTwips.x2(),
                                             designTwips.y2()),
                      Dock::None, false});
}

void ElementTable::addPicture(PictureBox *picture, const QRect &designTwips)
{
    m_entries.append({picture, boxOf(designTwips), Dock::None, true});
}

void ElementTable::setDesignWidth(QObject *element, double widthTwips)
{
    for (Entry &e : m_entries) {
        if (e.element == element)
            e.box.width = widthTwips;
    }
}

void ElementTable::capture(const QSize &designClientTwips, const QSize &designClientPixels)
{
    m_designPixels = designClientPixels;
    QList<ElementBox> boxes;
    boxes.reserve(m_entries.size());
    for (const Entry &e : m_entries)
        boxes.append(e.box);
    m_layout.capture(boxes, designClientTwips.width(), designClientTwips.height());
}

void ElementTable::apply(const QSize &clientPixels) const
{
    const int clientWidth = clientPixels.width();
    const int clientHeight = clientPixels.height();
    const double pictureScale = ProportionalLayout::pictureScale(
        clientWidth, clientHeight, m_designPixels.width(), m_designPixels.height());
    m_layout.apply(clientWidth, clientHeight, [&](int i, const Placement &p) {
        const Entry &e = m_entries.at(i);
        if (e.box.kind == ElementKind::ScaledLine) {
            if (auto *line = qobject_cast<LineElement *>(e.element.data()))
                line->setEnds({p.x1(), p.y1()}, {p.x2(), p.y2()});
            return;
        }
        if (e.picture) {
            if (auto *picture = qobject_cast<PictureBox *>(e.element.data()))
                picture->showWhole({qRound(p.left), qRound(p.top)}, pictureScale);
            return;
        }
        auto *widget = qobject_cast<QWidget *>(e.element.data());
        if (!widget)
            return;
        const int width = qRound(p.width);
        switch (e.dock) {
        case Dock::None:
            widget->setGeometry(qRound(p.left), qRound(p.top), width, qRound(p.height));
            break;
        case Dock::Left:
            widget->setGeometry(0, 0, width, clientHeight);
            break;
        case Dock::Right:
            widget->setGeometry(clientWidth - width, 0, width, clientHeight);
            break;
        }
    });
}
