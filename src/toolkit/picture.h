// A picture drawn from an SVG file at the size of its widget (stretched when the widget is not
// square), with an optional tooltip. A click with the left button emits clicked().
#pragma once

#include <QSvgRenderer>
#include <QWidget>

class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(const QString &svgPath, QWidget *parent = nullptr);

    QString svgPath() const { return m_path; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_path;
    QSvgRenderer m_renderer;
    bool m_pressed = false;
};
