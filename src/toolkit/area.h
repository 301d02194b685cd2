// A windowless filled polygon whose corners are given in twips of its parent and kept exactly as
// the program set them. It has no stroke, and lies under the items made after it.
#pragma once

#include "windowless_item.h"

#include <QPolygonF>

class Area : public WindowlessItem
{
    Q_OBJECT
public:
    Area(QWidget *parent, const QColor &fill);

    const QPolygonF &corners() const { return m_corners; }
    void setCorners(const QPolygonF &twipsCorners);
    QColor fillColor() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void updatePixelGeometry() override;

private:
    QPolygonF m_corners;
    QColor m_fill;
};
