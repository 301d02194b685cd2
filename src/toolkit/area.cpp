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

void Area::updatePixelGeometry()
{
    setGeometry(Twips::toPixels(m_corners).boundingRect());
    update();
}

void Area::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_fill);
    painter.drawPolygon(Twips::toPixels(m_corners).translated(-geometry().topLeft()));
}
