// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ElidingLabel.h"

#include <QEvent>

ElidingLabel::ElidingLabel(QWidget *parent) : QLabel(parent) {}

void ElidingLabel::setFullText(const QString &text)
{
    m_full = text;
    setToolTip(text);
    setAccessibleName(text);
    elide();
}

void ElidingLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void ElidingLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        elide();
}

void ElidingLabel::elide()
{
    setText(fontMetrics().elidedText(m_full, Qt::ElideMiddle, contentsRect().width()));
}
