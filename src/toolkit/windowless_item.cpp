#include "windowless_item.h"

#include "accessible_items.h"

WindowlessItem::WindowlessItem(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    installAccessibleItems();
}

void WindowlessItem::setStroke(const QColor &colour, int widthInPixels)
{
    m_strokeColor = colour;
    m_strokeWidth = widthInPixels;
    updatePixelGeometry();
    update();
}
