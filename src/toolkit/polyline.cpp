#include "polyline.h"

#include "twips.h"

#include <QPainter>

Polyline::Polyline(QWidget *parent)
    : WindowlessItem(parent)
{
    setStroke(Qt::black, 1);
}

void Polyline::setPoints(const QPolygonF &twipsPoints)
{
    m_points = twipsPoints;
    updatePixelGeometry();
}

void Polyline::updatePixelGeometry()
{
    const int margin = strokeWidth();
    setGeometry(
            Twips::toPixels(m_points).boundingRect().adjusted(-margin, -margin, margin, margin));
    update();
}

void Polyline::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    QPen pen(strokeColor(), strokeWidth());
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // Pixel centres: a one-pixel piece lies exactly on its row or column.
    const QPointF half(0.5, 0.5);
    painter.drawPolyline(QPolygonF(Twips::toPixels(m_points).translated(-geometry().topLeft()))
                                 .translated(half));
}
