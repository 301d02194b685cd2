// A windowless rectangle placed in twips: filled, outlined by its stroke inside its edges, or
// both. It keeps its geometry in twips exactly as the program set it (single precision) and
// paints itself at the pixels nearest.
#pragma once

#include "twips.h"
#include "windowless_item.h"

class Shape : public WindowlessItem
{
    Q_OBJECT
public:
    Shape(QWidget *parent, const TwipsRect &area);

    float left() const { return m_left; }
    float top() const { return m_top; }
    float twipsWidth() const { return m_width; }
    float twipsHeight() const { return m_height; }
    // Kept in single precision.
    void setTwipsGeometry(const TwipsRect &area);

    // An invalid fill colour leaves the inside transparent.
    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void updatePixelGeometry() override;

private:
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    QColor m_fill;
};
