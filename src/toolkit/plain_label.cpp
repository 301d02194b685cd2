#include "plain_label.h"

#include <QPainter>
#include <QStyle>
#include <QTextDocument>

PlainLabel::PlainLabel(QWidget *parent)
    : QLabel(parent)
{ }

bool PlainLabel::isPlainText() const
{
    constexpr Qt::TextInteractionFlags selectable = Qt::TextSelectableByMouse
                                                    | Qt::TextSelectableByKeyboard
                                                    | Qt::TextEditable;
    const bool richText = textFormat() == Qt::RichText || textFormat() == Qt::MarkdownText
                          || (textFormat() == Qt::AutoText && Qt::mightBeRichText(text()));
    const bool shortcut = buddy() != nullptr && text().contains(u'&');
    return !richText && !shortcut && (textInteractionFlags() & selectable) == 0
           && !testAttribute(Qt::WA_StyleSheet);
}

QRect PlainLabel::textBox() const
{
    QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)
        inset = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (inset > 0) {
        const Qt::Alignment aligned = QStyle::visualAlignment(Qt::LeftToRight, alignment());
        if (aligned & Qt::AlignLeft)
            box.setLeft(box.left() + inset);
        if (aligned & Qt::AlignRight)
            box.setRight(box.right() - inset);
        if (aligned & Qt::AlignTop)
            box.setTop(box.top() + inset);
        if (aligned & Qt::AlignBottom)
            box.setBottom(box.bottom() - inset);
    }
    return box;
}

void PlainLabel::drawText(QPainter *painter, const QRect &box, int flags)
{
    if (!isEnabled() || !LaidOutText::canLayOut(text(), font(), flags)) {
        style()->drawItemText(painter, box, flags, palette(), isEnabled(), text(),
                              foregroundRole());
        return;
    }
    painter->setPen(QPen(palette().brush(foregroundRole()), painter->pen().widthF()));
    m_texts.layOut({text(), font(), logicalDpiY(), box.size(), flags}, this).draw(painter, box);
}

void PlainLabel::paintEvent(QPaintEvent *event)
{
    if (text().isEmpty() || !isPlainText() || text().isRightToLeft()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    // A label without a frame would ask the style to draw none, at each repaint.
    if (frameShape() != QFrame::NoFrame)
        drawFrame(&painter);
    const int flags = static_cast<int>(QStyle::visualAlignment(Qt::LeftToRight, alignment()))
                      | (wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextForceLeftToRight;
    drawText(&painter, textBox(), flags);
}
