#include "shell/ElementTable.h"

#include <QWidget>
#include <QtMath>

void ElementTable::add(QObject *element, const QRect &designTwips, Dock dock)
{
    m_entries.append({element,
                      ElementBox::ordinary(designTwips.x(), designTwips.y(), designTwips.width(),
                                           designTwips.height()),
                      dock});
}

void ElementTable::addUnplaced(QObject *element, ElementKind kind)
{
    m_entries.append({element, ElementBox::of(kind), Dock::None});
}

void ElementTable::setDesignWidth(QObject *element, double widthTwips)
{
    for (Entry &e : m_entries) {
        if (e.element == element)
            e.box.width = widthTwips;
    }
}

void ElementTable::capture(const QSize &designClientTwips)
{
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
    m_layout.apply(clientWidth, clientHeight, [&](int i, const Placement &p) {
        const Entry &e = m_entries.at(i);
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
