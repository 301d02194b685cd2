#include "picture.h"

#include <QMouseEvent>
#include <QPainter>

Picture::Picture(const QString &svgPath, QWidget *parent)
    : QWidget(parent)
    , m_path(svgPath)
    , m_renderer(svgPath)
{
    m_renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
}

void Picture::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&painter, QRectF(rect()));
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

// A click is a press and a release of the left button, both over the picture.
void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
