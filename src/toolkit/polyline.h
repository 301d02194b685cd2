// A windowless line through several points given in twips of its parent, drawn with its stroke:
// a curve made of straight pieces. The points are kept exactly as the program set them; the line
// may run outside its parent, which then cuts it.
#pragma once

#include "windowless_item.h"

#include <QPolygonF>

class Polyline : public WindowlessItem
{
    Q_OBJECT
public:
    explicit Polyline(QWidget *parent);

    const QPolygonF &points() const { return m_points; }
    void setPoints(const QPolygonF &twipsPoints);

protected:
    void paintEvent(QPaintEvent *event) override;
    void updatePixelGeometry() override;

private:
    QPolygonF m_points;
};
