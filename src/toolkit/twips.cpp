#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Twips {

double pixelsPerTwip()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
    return dpi / perInch;
}

int toPixels(double twips)
{
    return qRound(twips * pixelsPerTwip());
}

double fromPixels(int pixels)
{
    return pixels / pixelsPerTwip();
}

QRect toPixelRect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

void place(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(toPixelRect(left, top, width, height));
}

void fixClientSize(QWidget *window, double width, double height)
{
    window->setFixedSize(toPixels(width), toPixels(height));
}

} // namespace Twips
