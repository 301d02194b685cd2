// A windowless straight line between two points given in twips of its parent, drawn with its
// stroke. The end points are kept exactly as the program set them (single precision); the line
// may run outside its parent, which then cuts it.
#pragma once

#include "windowless_item.h"

class Line : public WindowlessItem
{
    Q_OBJECT
public:
    explicit Line(QWidget *parent);

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setPoints(float x1, float y1, float x2, float y2);
    void setY1(float y);
    void setX2(float x);
    void setY2(float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void updatePixelGeometry() override;

private:
    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
};
