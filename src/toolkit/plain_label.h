// A label of plain text that lays its text out once for each of the few texts it shows in turn
// (see laid_out_text.h), and draws it as any label would. Labels of rich or selectable text,
// with a shortcut, or written right to left draw themselves as QLabel does.
#pragma once

#include "laid_out_text.h"

#include <QLabel>

class PlainLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PlainLabel(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Draws the label's text in box with the flags of QPainter::drawText, laid out once.
    void drawText(QPainter *painter, const QRect &box, int flags);

private:
    bool isPlainText() const;
    // Where QLabel draws a text written left to right: inside the frame, the margin and the
    // indent.
    QRect textBox() const;

    LaidOutTexts m_texts;
};
