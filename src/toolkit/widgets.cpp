#include "widgets.h"

#include "appearance.h"
#include "colors.h"
#include "frame.h"
#include "line.h"
#include "number_box.h"
#include "picture.h"
#include "plain_label.h"
#include "shape.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

template<typename Widget>
Widget *named(Widget *widget, const QString &name, const TwipsRect &area)
{
    widget->setObjectName(name);
    Twips::place(widget, area);
    return widget;
}

template<typename Label>
Label *plainText(Label *label, const QString &text, Qt::Alignment alignment)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(alignment);
    return label;
}

} // namespace

QLabel *newLabel(QWidget *parent, const QString &name, const QString &text, const TwipsRect &area,
                 Qt::Alignment alignment)
{
    return plainText(named(new PlainLabel(parent), name, area), text, alignment);
}

ResultLabel *newResultLabel(QWidget *parent, const QString &name, const QString &subject,
                            ResultLabel::Content content, const QString &text,
                            const TwipsRect &area, Qt::Alignment alignment)
{
    auto *label = plainText(named(new ResultLabel(subject, content, parent), name, area), {},
                            alignment);
    label->showResult(text);
    return label;
}

NumberBox *newNumberBox(QWidget *parent, const QString &name, int maxLength, const TwipsRect &area)
{
    auto *box = named(new NumberBox(parent), name, area);
    box->setMaxLength(maxLength);
    // The boxes' texts have fixed colours (black, dark green, dark red, blue): the box is white
    // under any desktop palette.
    setLightPalette(box, Colour::white);
    return box;
}

Frame *newFrame(QWidget *parent, const QString &name, const QString &caption, const TwipsRect &area)
{
    return named(new Frame(caption, parent), name, area);
}

Picture *newPicture(QWidget *parent, const QString &name, const QString &picture,
                    const TwipsRect &area, const QString &subject)
{
    auto *shown = named(new Picture(u":/icons/"_s + picture + u".svg"_s, parent), name, area);
    shown->setAccessibleName(subject);
    return shown;
}

Picture *newClickablePicture(QWidget *parent, const QString &name, const QString &picture,
                             const TwipsRect &area, const QString &action, const QString &tip)
{
    Picture *shown = newPicture(parent, name, picture, area, action);
    shown->makeClickable();
    shown->setToolTip(tip);
    return shown;
}

Shape *newShape(QWidget *parent, const QString &name, const TwipsRect &area)
{
    auto *shape = new Shape(parent, area);
    shape->setObjectName(name);
    return shape;
}

Line *newLine(QWidget *parent, const QString &name, QPointF from, QPointF to, const QColor &colour,
              int widthInPixels)
{
    auto *line = new Line(parent);
    line->setObjectName(name);
    line->setStroke(colour, widthInPixels);
    line->setPoints(static_cast<float>(from.x()), static_cast<float>(from.y()),
                    static_cast<float>(to.x()), static_cast<float>(to.y()));
    return line;
}
