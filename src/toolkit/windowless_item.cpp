#include "windowless_item.h"

WindowlessItem::WindowlessItem(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void WindowlessItem::setStroke(const QColor &colour, int widthInPixels)
{
    m_strokeColor = colour;
    m_strokeWidth = widthInPixels;
    updatePixelGeometry();
    update();
}
