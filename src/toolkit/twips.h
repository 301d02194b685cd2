// The program's windows are laid out in twips (1/1440 inch). These helpers turn twips into the
// pixels of the screen's logical DPI, 15 twips per pixel at 96 DPI, so that the layout scales
// with the user's DPI as the fonts do.
#pragma once

#include <QPolygon>
#include <QRect>

class QWidget;

// A rectangle in twips of a widget's parent: left, top, width, height.
struct TwipsRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

namespace Twips {

inline constexpr double perInch = 1440;

double pixelsPerTwip();
int toPixels(double twips);
double fromPixels(int pixels);
QRect toPixelRect(const TwipsRect &area);
// Each point at the pixel nearest, as lines place their ends, so that shapes meet them.
QPolygon toPixels(const QPolygonF &twipsPoints);

// Places a widget at a twips rectangle of its parent.
void place(QWidget *widget, const TwipsRect &area);

// Gives a window a client area of the given twips size that the user cannot resize.
void fixClientSize(QWidget *window, double width, double height);

} // namespace Twips
