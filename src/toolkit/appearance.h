// Fonts and colours of the program's widgets. Colours go through the palette, never through
// style sheets; a colour or font already in place is not applied again, so that a recompute
// that changes nothing costs nothing.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

enum class FontStyle { Regular, Bold, Italic, BoldItalic };

QFont makeFont(const QString &family, double points, FontStyle style);
QFont arial(double points, FontStyle style);
QFont timesNewRoman(double points, FontStyle style);

// The colour of the widget's text, whatever kind of widget it is (label, text box, button).
QColor textColor(const QWidget *widget);
void setTextColor(QWidget *widget, const QColor &color);

// An opaque background of the given colour.
QColor backgroundColor(const QWidget *widget);
void setBackgroundColor(QWidget *widget, const QColor &color);

// Both colours at once: one palette change instead of two when both change together.
void setColors(QWidget *widget, const QColor &text, const QColor &background);

void setBold(QWidget *widget, bool bold);
void setPointSize(QWidget *widget, double points);
