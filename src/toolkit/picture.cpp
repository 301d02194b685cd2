#include "picture.h"

#include "accessible_items.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

Picture::Picture(const QString &svgPath, QWidget *parent)
    : QWidget(parent)
    , m_path(svgPath)
    , m_renderer(svgPath)
{
    m_renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    installAccessibleItems();
}

void Picture::makeClickable()
{
    m_clickable = true;
    setCursor(Qt::PointingHandCursor);
}

void Picture::click()
{
    Q_EMIT clicked();
}

const QPixmap &Picture::drawing()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_drawing.size() == pixels && m_drawing.devicePixelRatio() == ratio
        && m_drawingPressed == looksPressed())
        return m_drawing;
    m_drawing = QPixmap(pixels);
    m_drawing.setDevicePixelRatio(ratio);
    m_drawing.fill(Qt::transparent);
    m_drawingPressed = looksPressed();
    QPainter painter(&m_drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_drawingPressed) {
        // A pixel down and to the right, and a shade darker.
        m_renderer.render(&painter, QRectF(rect()).translated(1, 1));
        painter.fillRect(rect(), QColor(0, 0, 0, 48));
    } else {
        m_renderer.render(&painter, QRectF(rect()));
    }
    return m_drawing;
}

void Picture::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawing());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    if (m_clickable)
        update();
    QWidget::mousePressEvent(event);
}

// A click is a press and a release of the left button, both over the picture.
void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (m_clickable)
        update();
    QWidget::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        click();
}

void Picture::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}
