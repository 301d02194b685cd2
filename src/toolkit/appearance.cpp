#include "appearance.h"

#include "colors.h"

#include <QPalette>
#include <QWidget>

using namespace Qt::StringLiterals;

QFont makeFont(const QString &family, double points, FontStyle style)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(style == FontStyle::Bold || style == FontStyle::BoldItalic);
    font.setItalic(style == FontStyle::Italic || style == FontStyle::BoldItalic);
    return font;
}

QFont arial(double points, FontStyle style)
{
    return makeFont(u"Arial"_s, points, style);
}

QFont timesNewRoman(double points, FontStyle style)
{
    return makeFont(u"Times New Roman"_s, points, style);
}

QColor textColor(const QWidget *widget)
{
    return widget->palette().color(widget->foregroundRole());
}

namespace {

constexpr QPalette::ColorRole textRoles[] = {QPalette::WindowText, QPalette::Text,
                                             QPalette::ButtonText};

bool hasTextColor(const QPalette &palette, const QColor &color)
{
    return palette.color(QPalette::WindowText) == color && palette.color(QPalette::Text) == color
           && palette.color(QPalette::ButtonText) == color;
}

void putTextColor(QPalette &palette, const QColor &color)
{
    for (const auto role : textRoles) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    }
}

// Qt derives every other colour from the button face and the background: black text and white
// boxes on a light background, and the edges in shades of the button face. The widget's own
// background takes the colour too, whatever its role.
QPalette lightPaletteOn(const QWidget *widget, const QColor &background)
{
    QPalette palette(Colour::buttonFace, background);
    palette.setColor(widget->backgroundRole(), background);
    return palette;
}

bool hasBackgroundColor(const QWidget *widget, const QColor &color)
{
    return widget->autoFillBackground() && backgroundColor(widget) == color;
}

// Only a font that differs is applied: each change makes the widget lay out its text again.
void changeFont(QWidget *widget, const QFont &font)
{
    if (font != widget->font())
        widget->setFont(font);
}

} // namespace

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    if (hasTextColor(palette, color))
        return;
    putTextColor(palette, color);
    widget->setPalette(palette);
}

QColor backgroundColor(const QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

void setBackgroundColor(QWidget *widget, const QColor &color)
{
    setColors(widget, Colour::black, color);
}

void setColors(QWidget *widget, const QColor &text, const QColor &background)
{
    if (hasTextColor(widget->palette(), text) && hasBackgroundColor(widget, background))
        return;
    QPalette palette = lightPaletteOn(widget, background);
    putTextColor(palette, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setLightPalette(QWidget *widget, const QColor &background)
{
    widget->setPalette(lightPaletteOn(widget, background));
}

void setBold(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    changeFont(widget, font);
}

void setPointSize(QWidget *widget, double points)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    changeFont(widget, font);
}
