#include "shape.h"

#include "twips.h"

#include <QPainter>

Shape::Shape(QWidget *parent, const TwipsRect &area)
    : WindowlessItem(parent)
{
    setTwipsGeometry(area);
}

void Shape::setTwipsGeometry(const TwipsRect &area)
{
    const auto single = [](double twips) {
        return static_cast<float>(twips);
    };
    if (m_left == single(area.left) && m_top == single(area.top) && m_width == single(area.width)
        && m_height == single(area.height))
        return;
    m_left = single(area.left);
    m_top = single(area.top);
    m_width = single(area.width);
    m_height = single(area.height);
    updatePixelGeometry();
}

void Shape::setFillColor(const QColor &color)
{
    if (m_fill == color)
        return;
    m_fill = color;
    // A shape filled with an opaque colour covers every pixel of its rectangle: what lies under
    // it is not drawn in vain, as the window's background under the scale's panel was each time
    // the level bar moved.
    setAttribute(Qt::WA_OpaquePaintEvent, m_fill.isValid() && m_fill.alpha() == 255);
    update();
}

void Shape::updatePixelGeometry()
{
    // Edges are rounded each on its own, so two shapes that share an edge in twips share it
    // in pixels too.
    const int x = Twips::toPixels(m_left);
    const int y = Twips::toPixels(m_top);
    setGeometry(x, y, Twips::toPixels(m_left + m_width) - x, Twips::toPixels(m_top + m_height) - y);
}

void Shape::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    if (m_fill.isValid())
        painter.fillRect(rect(), m_fill);
    const int width = strokeWidth();
    if (width > 0) {
        // The border is drawn inside the rectangle, as wide as asked.
        const int inset = width / 2;
        QPen pen(strokeColor(), width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(inset, inset, -inset - (width % 2), -inset - (width % 2)));
    }
}
