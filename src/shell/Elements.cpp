#include "shell/Elements.h"

#include <QLabel>
#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

QFont ui::font(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void ui::fill(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QWidget *ui::panel(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *w = new QWidget(parent);
    w->setObjectName(name);
    fill(w, colour);
    return w;
}

QLabel *ui::label(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                  const QColor &textColour, const QColor &background, Qt::Alignment alignment)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setFont(font);
    l->setAlignment(alignment);
    l->setWordWrap(true);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, textColour);
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        l->setAutoFillBackground(true);
    }
    l->setPalette(p);
    return l;
}

RoundedBox::RoundedBox(QWidget *parent, const QString &name, const QColor &fill,
                       const QColor &border, int borderWidth)
    : QWidget(parent), m_fill(fill), m_border(border), m_borderWidth(borderWidth)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundedBox::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal half = m_borderWidth / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    const qreal radius = std::min(box.width(), box.height()) * 0.16;
    painter.setPen(m_borderWidth > 0 ? QPen(m_border, m_borderWidth) : QPen(Qt::NoPen));
    painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
    painter.drawRoundedRect(box, radius, radius);
}

PictureBox::PictureBox(QWidget *parent, const QString &name) : QWidget(parent)
{
    setObjectName(name);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

LineElement::LineElement(QWidget *parent, const QString &name, QPoint from, QPoint to,
                         const QColor &colour, int width)
    : QWidget(parent), m_from(from), m_to(to), m_colour(colour), m_width(width)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int margin = width + 1;
    setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
}

void LineElement::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(m_from - pos(), m_to - pos());
}

namespace {
// A raised button face in the given colour, with a dotted focus frame.
void paintButtonFace(QPushButton *button, const QColor &background)
{
    QPainter painter(button);
    const QRect r = button->rect();
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, background);
    qDrawWinButton(&painter, r, pal, button->isDown(), nullptr);
    painter.fillRect(r.adjusted(2, 2, -2, -2), background);

    painter.setFont(button->font());
    painter.setPen(button->isEnabled() ? pal.color(QPalette::Active, QPalette::ButtonText)
                                       : pal.color(QPalette::Disabled, QPalette::ButtonText));
    const QRect textRect = r.adjusted(4, 2, -4, -2);
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, button->text());

    if (button->hasFocus()) {
        const QRect bounds =
            painter.fontMetrics()
                .boundingRect(textRect, Qt::AlignCenter | Qt::TextWordWrap, button->text())
                .adjusted(-2, 0, 2, 0)
                .intersected(r.adjusted(3, 3, -4, -4));
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bounds);
    }
}
} // namespace

OptionButton::OptionButton(QWidget *parent, const QString &name, int index,
                           const QString &caption, const QFont &font, const QColor &background)
    : QPushButton(caption, parent), m_index(index), m_background(background)
{
    setObjectName(name);
    setFont(font);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

void OptionButton::setBackground(const QColor &colour)
{
    if (colour == m_background)
        return;
    m_background = colour;
    update();
}

void OptionButton::paintEvent(QPaintEvent *)
{
    paintButtonFace(this, m_background);
}

ColouredButton::ColouredButton(QWidget *parent, const QString &name, const QString &caption,
                               const QFont &font, const QColor &background)
    : QPushButton(caption, parent), m_background(background)
{
    setObjectName(name);
    setFont(font);
    setAutoDefault(false);
}

void ColouredButton::paintEvent(QPaintEvent *)
{
    paintButtonFace(this, m_background);
}
