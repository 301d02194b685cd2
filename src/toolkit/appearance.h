// Fonts and colours of the program's widgets. Colours go through the palette, never through
// style sheets; a colour or font already in place is not applied again, so that a recompute
// that changes nothing costs nothing. The program's colours are a light design: a widget whose
// background the program fixes takes a whole light palette built on that background, so that
// no colour of a dark desktop palette (light text, dark text boxes) shows on it or on the
// widgets it holds.
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

// An opaque background of the given colour, with black text on it: the design's window text on
// its light colours. setColors gives the text another colour.
QColor backgroundColor(const QWidget *widget);
void setBackgroundColor(QWidget *widget, const QColor &color);

// Both colours at once: one palette change instead of two when both change together.
void setColors(QWidget *widget, const QColor &text, const QColor &background);

// The light palette on the given background without painting it: black text, white text boxes,
// button faces and edges of a light desktop. For widgets that draw their own background, such as
// text boxes.
void setLightPalette(QWidget *widget, const QColor &background);

void setBold(QWidget *widget, bool bold);
void setPointSize(QWidget *widget, double points);
