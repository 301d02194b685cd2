// A picture drawn from an SVG file at the size of its widget (stretched when the widget is not
// square), with an optional tooltip. A click with the left button emits clicked(). A picture that
// is made clickable looks it: the pointing hand under the mouse, pressed in while the button is
// down, and for a screen reader a push button whose press action clicks it. One given the focus
// is clicked with Space or Enter too, and shows the focus.
#pragma once

#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(const QString &svgPath, QWidget *parent = nullptr);

    QString svgPath() const { return m_path; }

    bool isClickable() const { return m_clickable; }
    void makeClickable();
    // Drawn pressed in: a clickable picture while the left button is down on it.
    bool looksPressed() const { return m_clickable && m_pressed; }

    // What a click does: emits clicked().
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The picture as it is drawn at the widget's size in device pixels, pressed in or not.
    const QPixmap &drawing();

    QString m_path;
    QSvgRenderer m_renderer;
    // Drawing the SVG file costs far more than putting its pixels back: the lights and the alert
    // signs are repainted each time the level bar moves under them.
    QPixmap m_drawing;
    bool m_drawingPressed = false;
    bool m_clickable = false;
    bool m_pressed = false;
};
