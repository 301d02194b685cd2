// A label's text laid out once for its box and drawn as often as the label is repainted. Laying
// a text out (shaping its letters, breaking its lines) cost nearly as much as drawing it: the
// scale's values are repainted each time the level bar moves under them, and the results go back
// and forth between a few texts as a person types. The text is laid out and placed in its box as
// QPainter::drawText(box, flags, text) does, and each line drawn through the same QTextLine::draw,
// so the pixels are those of a label that draws itself.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>

#include <deque>
#include <memory>

class QPaintDevice;
class QPainter;

class LaidOutText
{
public:
    // What the text is laid out for: its font for a device, the size of its box and the flags of
    // QPainter::drawText (alignment, word wrap, a forced direction).
    struct Setting
    {
        QString text;
        QFont font;
        int dpi = 0;
        QSizeF box;
        int flags = 0;
        bool operator==(const Setting &) const = default;
    };

    // Whether a text is laid out here as drawText lays it out: not for tabs, shortcut marks, lines
    // of several lengths, right-to-left text or drawn decorations (underline...), which only it
    // knows how to place.
    static bool canLayOut(const QString &text, const QFont &font, int flags);

    LaidOutText(const Setting &setting, const QPaintDevice *device);

    const Setting &setting() const { return m_setting; }
    // Draws the lines with the painter's pen in box, of the size laid out for.
    void draw(QPainter *painter, const QRectF &box) const;

private:
    Setting m_setting;
    QTextLayout m_layout;
    QSizeF m_size;
};

// The few texts a label shows in turn, each laid out once.
class LaidOutTexts
{
public:
    const LaidOutText &layOut(const LaidOutText::Setting &setting, const QPaintDevice *device);

private:
    static constexpr std::size_t kept = 4;
    std::deque<std::unique_ptr<LaidOutText>> m_texts;
};
