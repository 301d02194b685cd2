// The program's windows are laid out in twips (1/1440 inch). These helpers turn twips into the
// pixels of the screen's logical DPI, 15 twips per pixel at 96 DPI, so that the layout scales
// with the user's DPI as the fonts do.
#pragma once

#include <QRect>

class QWidget;

namespace Twips {

inline constexpr double perInch = 1440;

double pixelsPerTwip();
int toPixels(double twips);
double fromPixels(int pixels);
QRect toPixelRect(double left, double top, double width, double height);

// Places a widget at a twips rectangle of its parent.
void place(QWidget *widget, double left, double top, double width, double height);

// Gives a window a client area of the given twips size that the user cannot resize.
void fixClientSize(QWidget *window, double width, double height);

} // namespace Twips
