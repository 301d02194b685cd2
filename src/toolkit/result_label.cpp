#include "result_label.h"

#include "accessible_items.h"

#include <QAccessible>
#include <QLocale>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

ResultLabel::ResultLabel(QString subject, Content content, QWidget *parent)
    : PlainLabel(parent)
    , m_subject(std::move(subject))
    , m_content(content)
{
    installAccessibleItems();
}

QVariant ResultLabel::number() const
{
    bool isNumber = false;
    const double value = QLocale().toDouble(text(), &isNumber);
    return isNumber ? QVariant(value) : QVariant();
}

void ResultLabel::showResult(const QString &text, const QString &detail)
{
    const QString description = detail.isEmpty() ? text : text + u". "_s + detail;
    if (this->text() == text && accessibleDescription() == description)
        return;
    setText(text);
    setToolTip(detail);
    // Each sends its change to a screen reader.
    setAccessibleName(m_subject + u" : "_s + text);
    setAccessibleDescription(description);
    if (showsNumber()) {
        QAccessibleValueChangeEvent change(this, number());
        QAccessible::updateAccessibility(&change);
    }
}

int ResultLabel::textFlags() const
{
    return static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
}

// A line of text that must be drawn smaller keeps a pixel from the border on each side.
QRectF ResultLabel::room() const
{
    const double margin = wordWrap() ? 0 : 1;
    return QRectF(contentsRect()).adjusted(margin, 0, -margin, 0);
}

// Each try lays the text out in the room the box gives at the scale found so far, and shrinks
// the scale by what the text still lacks; a message that wraps needs a try or two more.
double ResultLabel::fittingScale() const
{
    const QSizeF box = room().size();
    const auto found = std::find_if(m_fittings.cbegin(), m_fittings.cend(), [&](const Fitting &f) {
        return f.text == text() && f.font == font() && f.dpi == logicalDpiY() && f.room == box
               && f.flags == textFlags();
    });
    if (found != m_fittings.cend())
        return found->scale;
    const QFontMetricsF metrics(font(), this);
    double scale = 1;
    for (int attempt = 0; attempt < 10; ++attempt) {
        const QSizeF space = box / scale;
        const QSizeF needed = metrics.boundingRect(QRectF(QPointF(), space), textFlags(), text())
                                      .size();
        const double shrink = std::min(space.width() / needed.width(),
                                       space.height() / needed.height());
        if (shrink >= 1)
            break;
        scale *= shrink;
    }
    constexpr std::size_t kept = 4;
    if (m_fittings.size() == kept)
        m_fittings.pop_back();
    m_fittings.push_front({text(), font(), logicalDpiY(), box, textFlags(), scale});
    return scale;
}

void ResultLabel::paintEvent(QPaintEvent *event)
{
    const double scale = fittingScale();
    if (scale >= 1) {
        PlainLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRectF box = room();
    painter.translate(box.topLeft());
    painter.scale(scale, scale);
    const int direction = layoutDirection() == Qt::LeftToRight ? Qt::TextForceLeftToRight
                                                               : Qt::TextForceRightToLeft;
    drawText(&painter, QRectF(QPointF(), box.size() / scale).toRect(), textFlags() | direction);
}
