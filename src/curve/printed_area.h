// Where a window's image lands on the printed page: at the size it has on screen, from the top
// left of the page's printable area, shrunk with its proportions only when the page is smaller.
#pragma once

#include <QRectF>
#include <QSizeF>

QRectF printedArea(QSizeF sizeInInches, QSizeF printableDots, double dotsPerInch);
