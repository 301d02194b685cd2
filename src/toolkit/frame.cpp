#include "frame.h"

#include "twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

Frame::Frame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setAutoFillBackground(true);
}

// Most repaints ask for a piece of the inside, under a box or a label that changed: the edges
// and the caption are drawn only where that piece reaches them.
void Frame::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect box = rect().adjusted(0, metrics.height() / 2, -2, -2);
    // The two rectangles' lines cover the edge pixels of box, and one more row and column
    // beyond.
    const QRect inside = box.adjusted(2, 2, -1, -1);
    if (!event->region().subtracted(inside).isEmpty()) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(box);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(box.translated(1, 1));
    }

    // The caption's letters stay within twice a line's height from the top, accents and all.
    if (title().isEmpty()
        || !event->region().intersects(QRect(0, 0, width(), 2 * metrics.height())))
        return;
    // The caption interrupts the top edge, with a small gap on each side.
    const int gap = Twips::toPixels(30);
    const QRect text(QPoint(Twips::toPixels(120), 0), metrics.size(Qt::TextShowMnemonic, title()));
    painter.fillRect(text.adjusted(-gap, 0, gap, 0), palette().color(backgroundRole()));
    style()->drawItemText(&painter, text, Qt::AlignLeft | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}
