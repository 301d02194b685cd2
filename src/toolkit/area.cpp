#include "area.h"

#include "twips.h"

#include <QPainter>

Area::Area(QWidget *parent, const QColor &fill)
    : WindowlessItem(parent)
    , m_fill(fill)
{ }

void Area::setCorners(const QPolygonF &twipsCorners)
{
    m_corners = twipsCorners;
    updatePixelGeometry();
}

// Each corner at the pixel nearest, as lines place their ends, so that the area meets them.
QPolygon Area::pixelCorners() const
{
    QPolygon corners;
    for (const QPointF &corner : m_corners)
        corners << QPoint(Twips::toPixels(corner.x()), Twips::toPixels(corner.y()));
    return corners;
}

void Area::updatePixelGeometry()
{
    setGeometry(pixelCorners().boundingRect());
    update();
}

void Area::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_fill);
    painter.drawPolygon(pixelCorners().translated(-geometry().topLeft()));
}
