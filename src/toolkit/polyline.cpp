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

// Each point at the pixel nearest, as lines place their ends, so that the curve meets the axes.
QPolygon Polyline::pixelPoints() const
{
    QPolygon points;
    for (const QPointF &point : m_points)
        points << QPoint(Twips::toPixels(point.x()), Twips::toPixels(point.y()));
    return points;
}

void Polyline::updatePixelGeometry()
{
    const int margin = strokeWidth();
    setGeometry(pixelPoints().boundingRect().adjusted(-margin, -margin, margin, margin));
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
    painter.drawPolyline(
            QPolygonF(pixelPoints().translated(-geometry().topLeft())).translated(half));
}
