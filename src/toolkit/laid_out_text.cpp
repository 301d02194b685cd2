#include "laid_out_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

constexpr int unsupportedFlags = Qt::TextShowMnemonic | Qt::TextHideMnemonic | Qt::TextExpandTabs
                                 | Qt::TextForceRightToLeft | Qt::TextJustificationForced
                                 | Qt::TextLongestVariant;

// The text as drawText lays it out: a line break starts a new line, a carriage return is a space.
QString asLaidOut(QString text, int flags)
{
    const QChar lineBreak = (flags & Qt::TextSingleLine) != 0 ? QChar(u' ')
                                                              : QChar(QChar::LineSeparator);
    text.replace(u'\n', lineBreak);
    text.replace(u'\r', u' ');
    return text;
}

} // namespace

bool LaidOutText::canLayOut(const QString &text, const QFont &font, int flags)
{
    return !text.isEmpty() && (flags & unsupportedFlags) == 0
           && (flags & Qt::TextForceLeftToRight) != 0 && !text.contains(u'\t')
           && !text.contains(QChar(0x9c)) && !text.isRightToLeft() && !font.underline()
           && !font.overline() && !font.strikeOut();
}

LaidOutText::LaidOutText(const Setting &setting, const QPaintDevice *device)
    : m_setting(setting)
    , m_layout(asLaidOut(setting.text, setting.flags), setting.font, device)
{
    const int flags = setting.flags;
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    // The lines are placed in the box below, not by the layout.
    option.setAlignment((flags & Qt::AlignJustify) != 0 ? Qt::AlignJustify : Qt::AlignLeft);
    if ((flags & Qt::TextWrapAnywhere) != 0)
        option.setWrapMode(QTextOption::WrapAnywhere);
    m_layout.setTextOption(option);
    m_layout.setCacheEnabled(true);

    const bool wraps = (flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere)) != 0;
    const qreal lineWidth = wraps ? std::max<qreal>(0, setting.box.width()) : 0x01000000;
    const qreal leading = QFontMetricsF(setting.font, device).leading();
    qreal height = -leading;
    qreal width = 0;
    m_layout.beginLayout();
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(lineWidth);
        height += leading;
        // Each line starts on a whole pixel.
        height = std::ceil(height);
        line.setPosition(QPointF(0, height));
        // The line's own height, not rounded up as QTextLine::height() gives it.
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
        // Lines below the box would be cut away.
        if ((flags & Qt::TextDontClip) == 0 && height >= setting.box.height())
            break;
    }
    m_layout.endLayout();
    m_size = QSizeF(width, height);
}

void LaidOutText::draw(QPainter *painter, const QRectF &box) const
{
    const int flags = m_setting.flags;
    qreal top = 0;
    if ((flags & Qt::AlignBottom) != 0) {
        top = box.height() - m_size.height();
    } else if ((flags & Qt::AlignVCenter) != 0) {
        top = (box.height() - m_size.height()) / 2;
    }
    qreal left = 0;
    if ((flags & Qt::AlignRight) != 0) {
        left = box.width() - m_size.width();
    } else if ((flags & Qt::AlignHCenter) != 0) {
        left = (box.width() - m_size.width()) / 2;
    }
    const bool clips = (flags & Qt::TextDontClip) == 0
                       && !box.contains(QRectF(box.topLeft() + QPointF(left, top), m_size));
    if (clips) {
        painter->save();
        painter->setClipRect(box, Qt::IntersectClip);
    }
    for (int i = 0; i < m_layout.lineCount(); ++i) {
        const QTextLine line = m_layout.lineAt(i);
        qreal lineLeft = 0;
        if ((flags & Qt::AlignRight) != 0)
            lineLeft = box.width() - line.horizontalAdvance();
        else if ((flags & Qt::AlignHCenter) != 0)
            lineLeft = (box.width() - line.horizontalAdvance()) / 2;
        line.draw(painter, QPointF(box.x() + lineLeft, box.y() + top));
    }
    if (clips)
        painter->restore();
}

const LaidOutText &LaidOutTexts::layOut(const LaidOutText::Setting &setting,
                                        const QPaintDevice *device)
{
    const auto found = std::find_if(m_texts.begin(), m_texts.end(),
                                    [&](const auto &text) { return text->setting() == setting; });
    if (found != m_texts.end())
        return **found;
    if (m_texts.size() == kept)
        m_texts.pop_back();
    m_texts.push_front(std::make_unique<LaidOutText>(setting, device));
    return *m_texts.front();
}
