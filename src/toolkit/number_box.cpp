#include "number_box.h"

#include "colors.h"

#include <QKeyEvent>
#include <QPainter>
#include <QValidator>

using namespace Qt::StringLiterals;

namespace {

// Sees every text that lands in the box, whether typed, pasted, dropped or set by the program,
// and gives it back with its commas as points and without its format characters. The box's
// maximum length is applied before: a text too long is cut first.
class PointForComma : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        QString landed;
        int cursor = pos;
        int offset = 0;
        for (const char32_t character : input.toUcs4()) {
            const int width = QChar::requiresSurrogates(character) ? 2 : 1;
            if (QChar::category(character) != QChar::Other_Format)
                landed += QChar::fromUcs4(character == U',' ? U'.' : character);
            else if (offset < pos)
                cursor -= width;
            offset += width;
        }
        input = landed;
        pos = cursor;
        return Acceptable;
    }
};

} // namespace

NumberBox::NumberBox(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new PointForComma(this));
}

// The keypad's decimal key gives a comma, a point or another sign depending on the keyboard
// layout; in a number box it always puts in a point.
void NumberBox::keyPressEvent(QKeyEvent *event)
{
    const bool decimalKey = event->modifiers().testFlag(Qt::KeypadModifier)
                            && (event->key() == Qt::Key_Comma || event->key() == Qt::Key_Period);
    if (!decimalKey || event->text() == u"."_s) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent point(event->type(), event->key(), event->modifiers(), u"."_s, event->isAutoRepeat(),
                    static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&point);
    event->setAccepted(point.isAccepted());
}

void NumberBox::flagImpossible(const QString &reason)
{
    if (reason == m_reason)
        return;
    m_reason = reason;
    setToolTip(reason);
    setAccessibleDescription(reason);
    update();
}

// The red frame lies inside the box's edges, two pixels wide, over whatever frame the style draws.
void NumberBox::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!isFlagged())
        return;
    QPainter painter(this);
    constexpr int frameWidth = 2;
    painter.setPen(QPen(Colour::red, frameWidth));
    painter.drawRect(QRectF(rect()).adjusted(frameWidth / 2.0, frameWidth / 2.0, -frameWidth / 2.0,
                                             -frameWidth / 2.0));
}
