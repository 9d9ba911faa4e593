// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DesignLayout.h"

#include "shell/Elements.h"

#include <QWidget>
#include <QtMath>

namespace {
ElementBox boxOf(const QRect &twips)
{
    return ElementBox::ordinary(twips.x(), twips.y(), twips.width(), twips.height());
}
} // namespace

DesignLayout::DesignLayout(QWidget *client, QSize designTwips, TwipsScale scale)
    : QLayout(client), m_designTwips(designTwips), m_scale(scale)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

DesignLayout::~DesignLayout()
{
    for (const Entry &e : std::as_const(m_entries))
        delete e.item;
}

void DesignLayout::add(QWidget *element, Role role, const ElementBox &box)
{
    // Not addWidget(): that would make every element a child of the client.
    m_entries.append({new QWidgetItem(element), role, box});
    m_captured = false;
}

void DesignLayout::addBox(QWidget *element, const QRect &designTwips)
{
    add(element, Role::Box, boxOf(designTwips));
}

void DesignLayout::addDocked(QWidget *element, const QRect &designTwips, Dock side)
{
    add(element, side == Dock::Left ? Role::DockLeft : Role::DockRight, boxOf(designTwips));
}

void DesignLayout::addPicture(PictureBox *picture, const QRect &designTwips)
{
    add(picture, Role::Picture, boxOf(designTwips));
}

void DesignLayout::addScaledLine(LineElement *line, const QLine &designTwips)
{
    add(line, Role::ScaledLine,
        ElementBox::scaledLine(designTwips.x1(), designTwips.y1(), designTwips.x2(),
                               designTwips.y2()));
}

void DesignLayout::addFixed(QWidget *element, const QRect &designTwips)
{
    // A kind the ratios leave alone.
    add(element, Role::Fixed, ElementBox::of(ElementKind::ComboBox));
    element->setGeometry(
        m_scale.rect(designTwips.x(), designTwips.y(), designTwips.width(), designTwips.height()));
}

void DesignLayout::setDesignWidth(QWidget *element, double widthTwips)
{
    for (Entry &e : m_entries) {
        if (e.item->widget() == element)
            e.box.width = widthTwips;
    }
    m_captured = false;
}

void DesignLayout::addItem(QLayoutItem *item)
{
    // Items from outside keep their place, like the fixed elements.
    if (QWidget *w = item->widget()) {
        delete item;
        add(w, Role::Fixed, ElementBox::of(ElementKind::ComboBox));
        return;
    }
    delete item;
}

int DesignLayout::count() const
{
    return static_cast<int>(m_entries.size());
}

QLayoutItem *DesignLayout::itemAt(int index) const
{
    return index >= 0 && index < count() ? m_entries.at(index).item : nullptr;
}

QLayoutItem *DesignLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem *item = m_entries.takeAt(index).item;
    m_captured = false;
    return item;
}

QSize DesignLayout::sizeHint() const
{
    return m_scale.size(m_designTwips.width(), m_designTwips.height());
}

QSize DesignLayout::minimumSize() const
{
    return {0, 0};
}

void DesignLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    placeElements();
}

void DesignLayout::placeElements()
{
    const QWidget *client = parentWidget();
    if (!client)
        return;
    // A minimized window's client area counts as nothing.
    place(client->window()->isMinimized() ? QSize(0, 0) : client->size());
}

void DesignLayout::place(QSize area)
{
    // Asked again for the same area (a child shown or relabelled), nothing
    // moves: what the screen moved itself since, such as the curtains, stays.
    if (m_captured && area == m_placedArea)
        return;
    if (!m_captured) {
        QList<ElementBox> boxes;
        boxes.reserve(m_entries.size());
        for (const Entry &e : std::as_const(m_entries))
            boxes.append(e.box);
        m_ratios.capture(boxes, m_designTwips.width(), m_designTwips.height());
        m_captured = true;
    }
    m_placedArea = area;

    const int width = area.width();
    const int height = area.height();
    const QSize design = sizeHint();
    const double pictureScale = ProportionalLayout::pictureScale(width, height, design.width(),
                                                                 design.height());
    m_ratios.apply(width, height, [&](int i, const Placement &p) {
        const Entry &e = m_entries.at(i);
        QWidget *widget = e.item->widget();
        switch (e.role) {
        case Role::ScaledLine:
            if (auto *line = qobject_cast<LineElement *>(widget))
                line->setEnds({p.x1(), p.y1()}, {p.x2(), p.y2()});
            break;
        case Role::Picture:
            if (auto *picture = qobject_cast<PictureBox *>(widget))
                picture->showWhole({qRound(p.left), qRound(p.top)}, pictureScale);
            break;
        case Role::Box:
            widget->setGeometry(qRound(p.left), qRound(p.top), qRound(p.width), qRound(p.height));
            break;
        case Role::DockLeft:
            widget->setGeometry(0, 0, qRound(p.width), height);
            break;
        case Role::DockRight:
            widget->setGeometry(width - qRound(p.width), 0, qRound(p.width), height);
            break;
        case Role::Fixed:
            break;
        }
    });
    Q_EMIT placed(area);
}
