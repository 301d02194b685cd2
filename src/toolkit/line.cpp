#include "line.h"

#include "twips.h"

#include <QPainter>

Line::Line(QWidget *parent)
    : WindowlessItem(parent)
{
    setStroke(Qt::black, 1);
}

void Line::setPoints(float x1, float y1, float x2, float y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    updatePixelGeometry();
}

void Line::setY1(float y)
{
    setPoints(m_x1, y, m_x2, m_y2);
}

void Line::setX2(float x)
{
    setPoints(m_x1, m_y1, x, m_y2);
}

void Line::setY2(float y)
{
    setPoints(m_x1, m_y1, m_x2, y);
}

void Line::updatePixelGeometry()
{
    // The widget covers the line's bounding box, widened by the stroke on every side.
    const int margin = strokeWidth();
    const QRect box = QRect(QPoint(Twips::toPixels(m_x1), Twips::toPixels(m_y1)),
                            QPoint(Twips::toPixels(m_x2), Twips::toPixels(m_y2)))
                              .normalized()
                              .adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    update();
}

void Line::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const int width = strokeWidth();
    QPen pen(strokeColor(), width);
    // Square caps reach the end pixels, so that the curve's two segments meet at its peak.
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QPoint offset = geometry().topLeft();
    const QPoint from(Twips::toPixels(m_x1), Twips::toPixels(m_y1));
    const QPoint to(Twips::toPixels(m_x2), Twips::toPixels(m_y2));
    // A line whose ends meet is a dot on that pixel; a pen stroke would put it on the next one.
    if (from == to) {
        painter.fillRect(QRect(from - offset, QSize(width, width)), strokeColor());
        return;
    }
    // A level or upright line one pixel wide covers the pixels from one end to the other: filling
    // them costs less than stroking the line, which the scale's ticks are each time the level bar
    // moves under them.
    if ((from.x() == to.x() || from.y() == to.y()) && width == 1) {
        painter.fillRect(QRect(from - offset, to - offset).normalized(), strokeColor());
        return;
    }
    // Pixel centres: a one-pixel line lies exactly on its row or column.
    const QPointF half(0.5, 0.5);
    painter.drawLine(QPointF(from - offset) + half, QPointF(to - offset) + half);
}
