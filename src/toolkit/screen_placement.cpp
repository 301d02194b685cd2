#include "screen_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// How far an edge pair must move to lie between low and high, the low edge first.
int shiftInto(int low, int high, int areaLow, int areaHigh)
{
    return std::max(areaLow - low, std::min(0, areaHigh - high));
}

class ScreenKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *window = static_cast<QWidget *>(watched);
            QMetaObject::invokeMethod(
                    window, [window] { keepInsideScreen(window); }, Qt::QueuedConnection);
        }
        return false;
    }
};

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

void keepInsideScreenWhenShown(QWidget *window)
{
    window->installEventFilter(new ScreenKeeper(window));
}
