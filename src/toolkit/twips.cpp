#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace Twips {

double pixelsPerTwip()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return dpi / perInch;
}

int toPixels(double twips)
{
    // A point far outside any window still has a pixel position that an int can hold.
    constexpr double limit = QWIDGETSIZE_MAX;
    return qRound(std::clamp(twips * pixelsPerTwip(), -limit, limit));
}

double fromPixels(int pixels)
{
    return pixels / pixelsPerTwip();
}

QRect toPixelRect(const TwipsRect &area)
{
    return {toPixels(area.left), toPixels(area.top), toPixels(area.width), toPixels(area.height)};
}

void place(QWidget *widget, const TwipsRect &area)
{
    widget->setGeometry(toPixelRect(area));
}

void fixClientSize(QWidget *window, double width, double height)
{
    window->setFixedSize(toPixels(width), toPixels(height));
}

} // namespace Twips

QPolygon Twips::toPixels(const QPolygonF &twipsPoints)
{
    QPolygon pixels;
    pixels.reserve(twipsPoints.size());
    for (const QPointF &point : twipsPoints)
        pixels << QPoint(toPixels(point.x()), toPixels(point.y()));
    return pixels;
}
