// SPDX-License-Identifier: GPL-3.0-or-later
#include "drill/SpeakerButton.h"

#include "shell/Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionToolButton>
#include <QStylePainter>

SpeakerButton::SpeakerButton(QWidget *parent, const QString &name, const QString &spoken)
    : QToolButton(parent)
{
    setObjectName(name);
    setAccessibleName(spoken);
    setToolTip(spoken);
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
    setCursor(Qt::PointingHandCursor);
}

void SpeakerButton::paintEvent(QPaintEvent *)
{
    QStylePainter frame(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    frame.drawComplexControl(QStyle::CC_ToolButton, option);

    // A box and a cone, and two sound waves, in a square of 24 units.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    p.translate((width() - side) / 2, (height() - side) / 2);
    p.scale(side / 24.0, side / 24.0);
    const QColor ink = isEnabled() ? colours::darkBlue
                                   : palette().color(QPalette::Disabled, QPalette::WindowText);
    QPainterPath cone;
    cone.moveTo(3, 9);
    cone.lineTo(7, 9);
    cone.lineTo(12, 4.5);
    cone.lineTo(12, 19.5);
    cone.lineTo(7, 15);
    cone.lineTo(3, 15);
    cone.closeSubpath();
    p.fillPath(cone, ink);
    QPen wave(ink, 1.8, Qt::SolidLine, Qt::RoundCap);
    p.setPen(wave);
    p.drawArc(QRectF(10, 8, 6, 8), -50 * 16, 100 * 16);
    p.drawArc(QRectF(9, 4.5, 11, 15), -55 * 16, 110 * 16);
}
