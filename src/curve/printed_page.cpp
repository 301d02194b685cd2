#include "printed_page.h"

#include "toolkit/appearance.h"
#include "toolkit/colors.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr double millimetresPerInch = 25.4;

QFont pageNumberFont()
{
    return arial(9, FontStyle::Regular);
}

// Writes the page from top to bottom: each call paints at the cursor and moves it below what
// it painted.
class PageWriter
{
public:
    PageWriter(QPainter &painter, const QRectF &page)
        : m_painter(painter)
        , m_page(page)
        , m_cursor(page.top())
        , m_millimetre(painter.device()->logicalDpiY() / millimetresPerInch)
    { }

    double millimetres(double count) const { return count * m_millimetre; }
    double cursor() const { return m_cursor; }
    void moveTo(double y) { m_cursor = y; }
    void skip(double millimetreCount) { m_cursor += millimetres(millimetreCount); }

    // Text wrapped within the given left and width (the page's by default).
    void paragraph(const QString &text, const QFont &font, const QColor &colour = Colour::black)
    {
        paragraphIn(text, font, colour, m_page.left(), m_page.width());
    }

    void paragraphIn(const QString &text, const QFont &font, const QColor &colour, double left,
                     double width)
    {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        QRectF bounds;
        m_painter.drawText(QRectF(left, m_cursor, width, m_page.bottom() - m_cursor),
                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text, &bounds);
        m_cursor += bounds.height();
    }

    // Height of text wrapped across the page's width.
    double heightOf(const QString &text, const QFont &font) const
    {
        m_painter.setFont(font);
        return m_painter
                .boundingRect(QRectF(m_page.left(), 0, m_page.width(), m_page.height()),
                              Qt::TextWordWrap, text)
                .height();
    }

    // Labels in bold, their values beside them, one per line, in a column of the page.
    void facts(const QList<PageFacts::Fact> &facts, double left, double width)
    {
        const QFont labelFont = arial(10, FontStyle::Bold);
        const QFont valueFont = arial(10, FontStyle::Regular);
        const QFontMetricsF labelMetrics(labelFont, m_painter.device());
        double labelWidth = 0;
        for (const PageFacts::Fact &fact : facts)
            labelWidth = std::max(labelWidth, labelMetrics.horizontalAdvance(fact.label + u" :"_s));
        const double valueLeft = left + labelWidth + millimetres(2);
        for (const PageFacts::Fact &fact : facts) {
            const double top = m_cursor;
            paragraphIn(fact.label + u" :"_s, labelFont, Colour::black, left, labelWidth);
            m_cursor = top;
            paragraphIn(fact.value, valueFont, Colour::black, valueLeft, left + width - valueLeft);
        }
    }

    // A table whose first row is its heading. Its words, the first textColumns columns, are
    // left-aligned, each textShare of the width; its numbers, the other columns, are
    // right-aligned in equal columns.
    void table(const QList<QStringList> &rows, double left, double width, int textColumns = 1,
               double textShare = 0.4)
    {
        const qsizetype columns = rows.isEmpty() ? 0 : rows.first().size();
        const double textWidth = width * textShare;
        const double numberWidth = columns > textColumns
                                           ? (width - textColumns * textWidth)
                                                     / static_cast<double>(columns - textColumns)
                                           : 0;
        bool heading = true;
        for (const QStringList &row : rows) {
            m_painter.setFont(arial(10, heading ? FontStyle::Bold : FontStyle::Regular));
            m_painter.setPen(Colour::black);
            const double height = QFontMetricsF(m_painter.font(), m_painter.device()).height();
            double cellLeft = left;
            for (qsizetype column = 0; column < row.size(); ++column) {
                const bool text = column < textColumns;
                const double cellWidth = text ? textWidth : numberWidth;
                m_painter.drawText(QRectF(cellLeft, m_cursor, cellWidth, height),
                                   (text ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop,
                                   row[column]);
                cellLeft += cellWidth;
            }
            m_cursor += height;
            heading = false;
        }
    }

private:
    QPainter &m_painter;
    QRectF m_page;
    double m_cursor;
    double m_millimetre;
};

QString printedAtText(const QDateTime &printedAt)
{
    const QLocale french(QLocale::French, QLocale::France);
    return u"Imprimé le %1 à %2 h %3"_s
            .arg(french.toString(printedAt.date(), u"d MMMM yyyy"_s),
                 QString::number(printedAt.time().hour()),
                 QString::number(printedAt.time().minute()).rightJustified(2, u'0'));
}

// The number at the foot of each page, "Page 2 sur 3", right-aligned.
void paintPageNumber(QPainter &painter, const QRectF &page, int number, int count)
{
    painter.setFont(pageNumberFont());
    painter.setPen(Colour::black);
    painter.drawText(page, Qt::AlignRight | Qt::AlignBottom,
                     u"Page %1 sur %2"_s.arg(number).arg(count));
}

// The first page: everything but the evening's glasses.
void paintFirstPage(QPainter &painter, const QRectF &page, const QDateTime &printedAt,
                    const PageFacts &facts, double heightPerWidth,
                    const std::function<void(QPainter &, const QRectF &)> &paintFigure)
{
    PageWriter writer(painter, page);
    writer.paragraph(u"Sobrimetre : estimation de l'alcoolémie"_s, arial(16, FontStyle::Bold),
                     Colour::darkRed);
    writer.paragraph(printedAtText(printedAt), arial(9, FontStyle::Regular));
    writer.skip(5);

    // The person on the left, the drinks on the right.
    const double columnsTop = writer.cursor();
    const double gap = writer.millimetres(8);
    const double personWidth = (page.width() - gap) * 0.42;
    const double drinksLeft = page.left() + personWidth + gap;
    const QFont heading = arial(11, FontStyle::Bold);
    writer.paragraphIn(u"La personne"_s, heading, Colour::black, page.left(), personWidth);
    writer.skip(1);
    writer.facts(facts.person, page.left(), personWidth);
    const double personBottom = writer.cursor();
    writer.moveTo(columnsTop);
    writer.paragraphIn(u"Les boissons"_s, heading, Colour::black, drinksLeft,
                       page.right() - drinksLeft);
    writer.skip(1);
    QList<QStringList> drinks{{u"Boisson"_s, u"Verres"_s, u"Volume (cl)"_s, u"Degré"_s}};
    drinks += facts.drinks;
    writer.table(drinks, drinksLeft, page.right() - drinksLeft);
    writer.moveTo(std::max(personBottom, writer.cursor()));
    writer.skip(3);
    writer.paragraph(u"Options : "_s + facts.options, arial(10, FontStyle::Regular));
    writer.skip(5);

    writer.paragraph(u"Le résultat"_s, heading);
    writer.skip(1);
    writer.facts(facts.result, page.left(), page.width());
    writer.skip(6);

    // The curve takes the page's width, or less where the caution at the foot needs the room.
    const QFont cautionFont = arial(9, FontStyle::Italic);
    const double cautionTop = page.bottom() - writer.heightOf(facts.caution, cautionFont);
    const double room = cautionTop - writer.millimetres(4) - writer.cursor();
    const double width = std::min(page.width(), room / heightPerWidth);
    if (width > 0) {
        const QRectF figure(page.left() + (page.width() - width) / 2, writer.cursor(), width,
                            width * heightPerWidth);
        painter.save();
        painter.setClipRect(figure);
        paintFigure(painter, figure);
        painter.restore();
    }
    writer.moveTo(cautionTop);
    writer.paragraph(facts.caution, cautionFont, Colour::darkRed);
}

const QString glassesHeading = u"Les verres de la soirée"_s;
const QStringList glassesColumns{u"Heure"_s, u"Boisson"_s, u"Volume (cl)"_s, u"Degré"_s};
// The glasses' pages: a heading, then the table down to the page's number at the foot. Every row
// is one line high, so that each page holds as many as the first.
class GlassPages
{
public:
    GlassPages(QPainter &painter, const QRectF &page, const QList<QStringList> &glasses)
        : m_painter(painter)
        , m_page(page)
        , m_glasses(glasses)
    {
        PageWriter writer(painter, page);
        const double top = writer.heightOf(glassesHeading, headingFont) + writer.millimetres(2);
        const QPaintDevice *device = painter.device();
        const double tableHeight = m_page.height() - top
                                   - QFontMetricsF(pageNumberFont(), device).height()
                                   - writer.millimetres(2)
                                   - QFontMetricsF(arial(10, FontStyle::Bold), device).height();
        const double rowHeight = QFontMetricsF(arial(10, FontStyle::Regular), device).height();
        m_perPage = std::max<qsizetype>(1, static_cast<qsizetype>(tableHeight / rowHeight));
    }

    int count() const { return static_cast<int>((m_glasses.size() + m_perPage - 1) / m_perPage); }

    // The index-th of the glasses' pages, from 0.
    void paint(int index)
    {
        PageWriter writer(m_painter, m_page);
        writer.paragraph(index == 0 ? glassesHeading : glassesHeading + u" (suite)"_s, headingFont);
        writer.skip(2);
        writer.table(QList<QStringList>{glassesColumns}
                             + m_glasses.mid(index * m_perPage, m_perPage),
                     m_page.left(), m_page.width());
    }

private:
    const QFont headingFont = arial(11, FontStyle::Bold);
    QPainter &m_painter;
    QRectF m_page;
    const QList<QStringList> &m_glasses;
    qsizetype m_perPage = 1;
};

} // namespace

void paintPages(QPainter &painter, const QRectF &page, const QDateTime &printedAt,
                const PageFacts &facts, double heightPerWidth,
                const std::function<void(QPainter &, const QRectF &)> &paintFigure,
                const std::function<bool()> &newPage)
{
    painter.save();
    GlassPages glassPages(painter, page, facts.glasses);
    const int count = 1 + glassPages.count();
    if (count == 1) {
        paintFirstPage(painter, page, printedAt, facts, heightPerWidth, paintFigure);
        painter.restore();
        return;
    }
    // The first page leaves the room of its number at its foot.
    const double numberRoom = QFontMetricsF(pageNumberFont(), painter.device()).height() * 1.5;
    paintFirstPage(painter, page.adjusted(0, 0, 0, -numberRoom), printedAt, facts, heightPerWidth,
                   paintFigure);
    paintPageNumber(painter, page, 1, count);
    for (int index = 0; index < glassPages.count() && newPage(); ++index) {
        glassPages.paint(index);
        paintPageNumber(painter, page, index + 2, count);
    }
    painter.restore();
}
