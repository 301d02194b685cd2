#include "shape.h"

#include "twips.h"

#include <QPainter>

Shape::Shape(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setTwipsGeometry(const TwipsRect &area)
{
    const auto single = [](double twips) { return static_cast<float>(twips); };
    if (m_left == single(area.left) && m_top == single(area.top)
        && m_width == single(area.width) && m_height == single(area.height))
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
    update();
}

void Shape::setBorder(const QColor &color, int widthInPixels)
{
    m_border = color;
    m_borderWidth = widthInPixels;
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
    if (m_borderWidth > 0) {
        // The border is drawn inside the rectangle, as wide as asked.
        const int inset = m_borderWidth / 2;
        QPen pen(m_border, m_borderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(inset, inset, -inset - (m_borderWidth % 2),
                                         -inset - (m_borderWidth % 2)));
    }
}
