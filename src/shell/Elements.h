// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>
#include <QFont>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

// The building blocks the screens are made of: frames and panels, labels,
// rounded boxes, pictures shown unscaled, lines and the option buttons.
// A widget's last full drawing, reused for partial repaints.
struct PaintCache
{
    QPixmap pixmap;
    QString key;
};

namespace ui {

QFont font(const QString &family, double points, bool bold);

// Fills a widget's background with one colour.
void fill(QWidget *widget, const QColor &colour);

// A frame or panel without border, filled with one colour.
QWidget *panel(QWidget *parent, const QString &name, const QColor &fill);

// A plain-text label. With no background it is transparent.
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font,
              const QColor &textColour, const QColor &background = QColor(),
              Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop);

} // namespace ui

// A one-line plain-text label for a text of any length, a name typed by
// someone: what does not fit ends in "…", and then the whole text shows as
// its tooltip. Line breaks show as spaces. Its accessible name is the whole
// text as given.
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    ElidedLabel(QWidget *parent, const QString &name, const QFont &font, const QColor &textColour,
                Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

    void setFullText(const QString &text);
    const QString &fullText() const { return m_fullText; }
    bool isElided() const;

    // The text on one line: line breaks and tabs become spaces.
    static QString oneLine(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFitting();

    QString m_fullText;
};

// A panel of one colour that can shrink inside its own area without being
// painted again: what it still covers already shows its colour. The start
// screen's curtains move at every tick of their opening.
class ShrinkingPanel : public QWidget
{
    Q_OBJECT
public:
    ShrinkingPanel(QWidget *parent, const QString &name, const QColor &fill);

    // Takes the new geometry; when it lies inside the one last painted, the
    // next paint fills only what that did not cover.
    void shrinkTo(const QRect &geometry);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QRect m_painted;
    QRect m_shrunk;
};

// A filled rounded rectangle with a border; without a border colour of its
// own, the border takes the window-text colour.
class RoundedBox : public QWidget
{
    Q_OBJECT
public:
    RoundedBox(QWidget *parent, const QString &name, const QColor &fill,
               const QColor &border = QColor(), int borderWidth = 1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_border;
    int m_borderWidth;
    PaintCache m_cache;
};

// A picture element: shows its picture at the picture's own size from the
// top-left corner, never stretched; an empty picture shows nothing. By default
// its box is its place and clips the picture; once shown whole, the box takes
// the picture's size instead, so no edge of the picture is lost.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const QString &name);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }

    // Shows the whole picture from topLeft, at its own size times scale.
    void showWhole(QPoint topLeft, qreal scale);
    qreal pictureScale() const { return m_scale; }
    // The size the whole picture takes on screen, in device-independent pixels.
    QSize wholeSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    bool m_whole = false;
    qreal m_scale = 1.0;
};

// A line between two points of its container, in device-independent pixels,
// drawn with a fixed pen width. It never takes the mouse, so what lies under
// it still answers.
class LineElement : public QWidget
{
    Q_OBJECT
public:
    LineElement(QWidget *parent, const QString &name, QPointF from, QPointF to,
                const QColor &colour, int width);

    QPointF from() const { return m_from; }
    QPointF to() const { return m_to; }
    void setEnds(QPointF from, QPointF to);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF m_from;
    QPointF m_to;
    QColor m_colour;
    int m_width;
};

// An option drawn as a big push button in its own background colour.
class OptionButton : public QPushButton
{
    Q_OBJECT
public:
    OptionButton(QWidget *parent, const QString &name, int index, const QString &caption,
                 const QFont &font, const QColor &background);

    int index() const { return m_index; }
    QColor background() const { return m_background; }
    void setBackground(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_index;
    QColor m_background;
    PaintCache m_cache;
};

// A push button drawn in its own colour (the screens' command buttons).
class ColouredButton : public QPushButton
{
    Q_OBJECT
public:
    ColouredButton(QWidget *parent, const QString &name, const QString &caption, const QFont &font,
                   const QColor &background);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background;
    PaintCache m_cache;
};
