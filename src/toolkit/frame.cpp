#include "frame.h"

#include "twips.h"

#include <QPainter>
#include <QStyle>

Frame::Frame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setAutoFillBackground(true);
}

void Frame::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect box = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));

    if (title().isEmpty())
        return;
    // The caption interrupts the top edge, with a small gap on each side.
    const int gap = Twips::toPixels(30);
    const QRect text(QPoint(Twips::toPixels(120), 0), metrics.size(Qt::TextShowMnemonic, title()));
    painter.fillRect(text.adjusted(-gap, 0, gap, 0), palette().color(backgroundRole()));
    style()->drawItemText(&painter, text, Qt::AlignLeft | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}
