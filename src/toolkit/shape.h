// A windowless rectangle: filled or outlined, placed in twips. It keeps its geometry in twips
// exactly as the program set it (single precision) and paints itself at the pixels nearest;
// it lets the mouse through to what lies under it.
#pragma once

#include "twips.h"

#include <QColor>
#include <QWidget>

class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget *parent);

    float left() const { return m_left; }
    float top() const { return m_top; }
    float twipsWidth() const { return m_width; }
    float twipsHeight() const { return m_height; }
    // Kept in single precision.
    void setTwipsGeometry(const TwipsRect &area);

    // An invalid fill colour leaves the inside transparent.
    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor &color);
    QColor borderColor() const { return m_border; }
    int borderWidth() const { return m_borderWidth; }
    // A width of 0 draws no border.
    void setBorder(const QColor &color, int widthInPixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updatePixelGeometry();

    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    QColor m_fill;
    QColor m_border;
    int m_borderWidth = 0;
};
