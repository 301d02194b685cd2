#include "printed_area.h"

#include <algorithm>

QRectF printedArea(QSizeF sizeInInches, QSizeF printableDots, double dotsPerInch)
{
    QSizeF size = sizeInInches * dotsPerInch;
    if (size.width() > printableDots.width() || size.height() > printableDots.height())
        size.scale(printableDots, Qt::KeepAspectRatio);
    return {QPointF(0, 0), size};
}
