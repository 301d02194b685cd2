#include "appearance.h"

#include <QPalette>
#include <QWidget>

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
    return makeFont(QStringLiteral("Arial"), points, style);
}

QFont timesNewRoman(double points, FontStyle style)
{
    return makeFont(QStringLiteral("Times New Roman"), points, style);
}

QColor textColor(const QWidget *widget)
{
    return widget->palette().color(widget->foregroundRole());
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == color && palette.color(QPalette::Text) == color
        && palette.color(QPalette::ButtonText) == color)
        return;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    }
    widget->setPalette(palette);
}

QColor backgroundColor(const QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

void setBackgroundColor(QWidget *widget, const QColor &color)
{
    if (widget->autoFillBackground() && backgroundColor(widget) == color)
        return;
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setBold(QWidget *widget, bool bold)
{
    if (widget->font().bold() == bold)
        return;
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void setPointSize(QWidget *widget, double points)
{
    if (widget->font().pointSizeF() == points)
        return;
    QFont font = widget->font();
    font.setPointSizeF(points);
    widget->setFont(font);
}
