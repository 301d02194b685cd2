// The one place where the program's windows make their widgets: each bears its design name as
// its object name, by which a screen reader or a test finds it, and stands at a rectangle in
// twips of its parent. Fonts and colours are set by the window afterwards.
#pragma once

#include "result_label.h"
#include "twips.h"

#include <QPointF>
#include <QString>

class Frame;
class Line;
class Picture;
class QColor;
class NumberBox;
class QWidget;
class Shape;

// A label that shows its text as it stands, never as markup (the help texts hold "<<" and
// ">>"), with no background of its own.
QLabel *newLabel(QWidget *parent, const QString &name, const QString &text, const TwipsRect &area,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// A label for a result, which shows its text whole and tells a screen reader of each change;
// subject is what the result is.
ResultLabel *newResultLabel(QWidget *parent, const QString &name, const QString &subject,
                            ResultLabel::Content content, const QString &text,
                            const TwipsRect &area,
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// A box in which a number is typed, at most maxLength characters (number_box.h).
NumberBox *newNumberBox(QWidget *parent, const QString &name, int maxLength, const TwipsRect &area);
Frame *newFrame(QWidget *parent, const QString &name, const QString &caption,
                const TwipsRect &area);
// picture names one of the program's pictures, such as "horloge"; subject is what a screen
// reader says of it.
Picture *newPicture(QWidget *parent, const QString &name, const QString &picture,
                    const TwipsRect &area, const QString &subject);
// A picture to click: action is what a screen reader says it does, tip what its tooltip says.
Picture *newClickablePicture(QWidget *parent, const QString &name, const QString &picture,
                             const TwipsRect &area, const QString &action, const QString &tip);
Shape *newShape(QWidget *parent, const QString &name, const TwipsRect &area);
Line *newLine(QWidget *parent, const QString &name, QPointF from, QPointF to, const QColor &colour,
              int widthInPixels = 1);

// A push button, option button or check box with its caption.
template<typename Button>
Button *newButton(QWidget *parent, const QString &name, const QString &caption,
                  const TwipsRect &area)
{
    auto *button = new Button(caption, parent);
    button->setObjectName(name);
    Twips::place(button, area);
    return button;
}
