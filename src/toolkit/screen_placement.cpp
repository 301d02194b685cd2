#include "screen_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// How far an edge pair must move to lie between low and high, the low edge first.
int shiftInto(int low, int high, int areaLow, int areaHigh)
{
    return std::max(areaLow - low, std::min(0, areaHigh - high));
}

} // namespace

void keepInsideScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint shift(shiftInto(frame.left(), frame.right(), area.left(), area.right()),
                       shiftInto(frame.top(), frame.bottom(), area.top(), area.bottom()));
    if (!shift.isNull())
        window->move(window->pos() + shift);
}
