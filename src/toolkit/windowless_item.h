// What a line and a rectangle share: windowless items placed in twips of their parent, which let
// the mouse through to what lies under them and draw a stroke of a colour and a width in pixels.
#pragma once

#include <QColor>
#include <QWidget>

class WindowlessItem : public QWidget
{
    Q_OBJECT
public:
    QColor strokeColor() const { return m_strokeColor; }
    int strokeWidth() const { return m_strokeWidth; }
    // A width of 0 draws no stroke.
    void setStroke(const QColor &colour, int widthInPixels);

protected:
    explicit WindowlessItem(QWidget *parent);
    // Places the widget at the pixels nearest to its twips geometry and its stroke.
    virtual void updatePixelGeometry() = 0;

private:
    QColor m_strokeColor;
    int m_strokeWidth = 0;
};
