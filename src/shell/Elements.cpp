// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Elements.h"

#include <QBackingStore>
#include <QLabel>
#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QtMath>
#include <QStaticText>
#include <QStyleOptionButton>
#include <QTextOption>

#include <functional>
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

namespace {
// A plain-text label that lays its text out once and keeps it: repainting a
// few uncovered pixels (the start screen's curtains) then costs no text
// layout.
class TextLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QRect area = contentsRect();
        const bool wrap = wordWrap();
        const QString current = text();
        if (current != m_text || font() != m_font || area.width() != m_width
            || alignment() != m_alignment || wrap != m_wrap) {
            m_text = current;
            m_font = font();
            m_width = area.width();
            m_alignment = alignment();
            m_wrap = wrap;
            QTextOption option(m_alignment & Qt::AlignHorizontal_Mask);
            option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
            // Static text breaks lines only at the Unicode line separator.
            QString lines = current;
            lines.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
            lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
            lines.replace(QLatin1Char('\r'), QChar::LineSeparator);
            m_layout.setText(lines);
            m_layout.setTextFormat(Qt::PlainText);
            m_layout.setTextOption(option);
            m_layout.setTextWidth(wrap ? area.width() : -1);
            m_layout.prepare(QTransform(), m_font);
        }
        if (m_text.isEmpty())
            return;
        const QSizeF size = m_layout.size();
        QPointF at = area.topLeft();
        if (!m_wrap) {
            if (m_alignment & Qt::AlignHCenter)
                at.rx() += (area.width() - size.width()) / 2;
            else if (m_alignment & Qt::AlignRight)
                at.rx() += area.width() - size.width();
        }
        if (m_alignment & Qt::AlignVCenter)
            at.ry() += (area.height() - size.height()) / 2;
        else if (m_alignment & Qt::AlignBottom)
            at.ry() += area.height() - size.height();
        QPainter painter(this);
        painter.setFont(m_font);
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        painter.drawStaticText(at, m_layout);
    }

private:
    QStaticText m_layout;
    QString m_text;
    QFont m_font;
    int m_width = -1;
    Qt::Alignment m_alignment;
    bool m_wrap = false;
};
} // namespace

QLabel *ui::label(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                  const QColor &textColour, const QColor &background, Qt::Alignment alignment)
{
    auto *l = new TextLabel(parent);
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

ElidedLabel::ElidedLabel(QWidget *parent, const QString &name, const QFont &font,
                         const QColor &textColour, Qt::Alignment alignment)
    : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setFont(font);
    setAlignment(alignment);
    setWordWrap(false);
    // The label never asks for the width of its whole text.
    setMinimumWidth(0);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, textColour);
    setPalette(p);
}

QString ElidedLabel::oneLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return line;
}

void ElidedLabel::setFullText(const QString &text)
{
    m_fullText = text;
    setAccessibleName(text);
    showFitting();
}

bool ElidedLabel::isElided() const
{
    return text() != oneLine(m_fullText);
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showFitting();
}

void ElidedLabel::showFitting()
{
    const QString line = oneLine(m_fullText);
    const QString shown = fontMetrics().elidedText(line, Qt::ElideRight, contentsRect().width());
    setText(shown);
    setToolTip(shown == line ? QString() : m_fullText);
}

namespace {
// What a widget painted in full, kept to serve the few pixels that a partial
// repaint asks for (the curtains uncover the start screen in thin strips).
void paintCached(QWidget *widget, QPainter &painter, const QRect &exposed, PaintCache &cache,
                 const QString &key, const std::function<void(QPainter &)> &draw)
{
    const qreal ratio = widget->devicePixelRatioF();
    if (cache.key != key || cache.pixmap.size() != widget->size() * ratio) {
        cache.pixmap = QPixmap(widget->size() * ratio);
        cache.pixmap.setDevicePixelRatio(ratio);
        cache.pixmap.fill(Qt::transparent);
        QPainter offscreen(&cache.pixmap);
        draw(offscreen);
        cache.key = key;
    }
    painter.drawPixmap(exposed, cache.pixmap,
                       QRectF(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio));
}
} // namespace

ShrinkingPanel::ShrinkingPanel(QWidget *parent, const QString &name, const QColor &fill)
    : QWidget(parent), m_fill(fill)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette p = palette();
    p.setColor(QPalette::Window, fill);
    setPalette(p);
}

void ShrinkingPanel::shrinkTo(const QRect &newGeometry)
{
    m_shrunk = newGeometry;
    setGeometry(newGeometry);
}

void ShrinkingPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    QRegion region = event->region();
    const QRect now = geometry();
    // Only the first paint after a shrink may rely on what is already there,
    // and only on the window's own backing store, not in a render of the
    // widget elsewhere (a screenshot); anything else paints in full.
    QBackingStore *store = window()->backingStore();
    const bool onWindow = store && painter.paintEngine()
        && painter.paintEngine()->paintDevice() == store->paintDevice();
    if (onWindow && m_shrunk == now && m_painted.contains(now))
        region -= QRegion(m_painted.translated(-now.topLeft()));
    m_shrunk = QRect();
    if (onWindow)
        m_painted = now;
    for (const QRect &r : region)
        painter.fillRect(r, m_fill);
}

RoundedBox::RoundedBox(QWidget *parent, const QString &name, const QColor &fill,
                       const QColor &border, int borderWidth)
    : QWidget(parent), m_fill(fill), m_border(border), m_borderWidth(borderWidth)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundedBox::paintEvent(QPaintEvent *event)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    const QRect exposed = event->rect();
    const int bw = m_borderWidth;
    const qreal half = bw / 2.0;
    const qreal radius = std::min(width() - bw, height() - bw) * 0.16;
    // A strip away from the corners (the curtains uncover the box a few
    // pixels at a time) is only fill and straight border: no path to stroke.
    const int corner = qCeil(radius + bw) + 1;
    const QColor border = m_border.isValid() ? m_border : palette().color(QPalette::WindowText);
    if (exposed.left() >= corner && exposed.right() < width() - corner) {
        const QRect strip(exposed.left(), 0, exposed.width(), height());
        if (m_fill.isValid())
            painter.fillRect(strip.adjusted(0, bw, 0, -bw), m_fill);
        if (bw > 0) {
            painter.fillRect(QRect(strip.left(), 0, strip.width(), bw), border);
            painter.fillRect(QRect(strip.left(), height() - bw, strip.width(), bw), border);
        }
        return;
    }
    const auto draw = [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
        p.setPen(m_borderWidth > 0 ? QPen(border, m_borderWidth) : QPen(Qt::NoPen));
        p.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
        p.drawRoundedRect(box, radius, radius);
    };
    if (exposed == rect()) {
        m_cache = PaintCache();
        draw(painter);
    } else {
        paintCached(this, painter, exposed, m_cache, border.name(), draw);
    }
}

PictureBox::PictureBox(QWidget *parent, const QString &name) : QWidget(parent)
{
    setObjectName(name);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    if (m_whole)
        resize(wholeSize());
    update();
}

QSize PictureBox::wholeSize() const
{
    if (m_picture.isNull())
        return {0, 0};
    // A pixmap drawn at a fractional device pixel ratio covers part of its
    // last device-independent pixel: the box takes all of it.
    const QSizeF size = m_picture.deviceIndependentSize() * m_scale;
    return {qCeil(size.width() - 1e-6), qCeil(size.height() - 1e-6)};
}

void PictureBox::showWhole(QPoint topLeft, qreal scale)
{
    m_whole = true;
    m_scale = scale;
    setGeometry(QRect(topLeft, wholeSize()));
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_scale == 1.0) {
        painter.drawPixmap(0, 0, m_picture);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(), m_picture.deviceIndependentSize() * m_scale), m_picture,
                       QRectF(m_picture.rect()));
}

LineElement::LineElement(QWidget *parent, const QString &name, QPointF from, QPointF to,
                         const QColor &colour, int width)
    : QWidget(parent), m_colour(colour), m_width(width)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnds(from, to);
}

void LineElement::setEnds(QPointF from, QPointF to)
{
    m_from = from;
    m_to = to;
    // The box holds the stroke with its round caps.
    const int margin = m_width + 1;
    setGeometry(
        QRectF(from, to).normalized().toAlignedRect().adjusted(-margin, -margin, margin, margin));
    update();
}

void LineElement::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::RoundCap));
    const QPointF origin = pos();
    painter.drawLine(m_from - origin, m_to - origin);
}

namespace {
// A raised button face in the given colour, with a dotted focus frame.
void drawButtonFace(QPushButton *button, const QColor &background, QPainter &painter)
{
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
        const QRect bounds = painter.fontMetrics()
                                 .boundingRect(textRect, Qt::AlignCenter | Qt::TextWordWrap,
                                               button->text())
                                 .adjusted(-2, 0, 2, 0)
                                 .intersected(r.adjusted(3, 3, -4, -4));
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bounds);
    }
}

void paintButtonFace(QPushButton *button, const QColor &background, const QRect &exposed,
                     PaintCache &cache)
{
    QPainter painter(button);
    const auto draw = [&](QPainter &p) { drawButtonFace(button, background, p); };
    if (exposed == button->rect()) {
        cache = PaintCache();
        draw(painter);
        return;
    }
    const QString key = QStringLiteral("%1|%2|%3%4%5")
                            .arg(button->text(), background.name())
                            .arg(int(button->isEnabled()))
                            .arg(int(button->hasFocus()))
                            .arg(int(button->isDown()));
    paintCached(button, painter, exposed, cache, key, draw);
}
} // namespace

OptionButton::OptionButton(QWidget *parent, const QString &name, int index, const QString &caption,
                           const QFont &font, const QColor &background)
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

void OptionButton::paintEvent(QPaintEvent *event)
{
    paintButtonFace(this, m_background, event->rect(), m_cache);
}

ColouredButton::ColouredButton(QWidget *parent, const QString &name, const QString &caption,
                               const QFont &font, const QColor &background)
    : QPushButton(caption, parent), m_background(background)
{
    setObjectName(name);
    setFont(font);
    setAutoDefault(false);
}

void ColouredButton::paintEvent(QPaintEvent *event)
{
    paintButtonFace(this, m_background, event->rect(), m_cache);
}
