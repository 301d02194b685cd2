// What the level and the wait tell on hovering, and to a screen reader: how far people lie apart,
// the level in the breath and when it is back to 0,00 g/l; when the wait before driving is over. Clock times are rounded
// up to 5 minutes, never earlier than the estimate says.
#pragma once

#include "engine/result_display.h"

#include <QDateTime>
#include <QString>

struct ResultTips
{
    QString level;
    QString wait;
    // The end of the wait's tip: "vers 22 h 50 (seuil 0,5 g/l)".
    QString driveAt;
};

// Both tips are empty while there is no estimate; now is when it ran. With the day named, as the
// evening's journal has it, a time that falls on another day says so: "demain vers 1 h 10".
ResultTips tipsOf(const ResultDisplay &display, const QDateTime &now, bool namesTheDay = false);

// What a screen reader says of an estimate in one go: "0,65 gramme par litre. Stop, ne conduisez
// pas. Attendre encore 2 heures.", with the options in force.
QString announcementOf(const ResultDisplay &display);

// How far people lie apart, "entre 0,52 et 0,81 g/l", whenever the level shown is above 0;
// empty otherwise.
QString spreadRangeOf(const ResultDisplay &display);

// text, written with "." as its decimal point, with the user's decimal separator.
QString withDecimalPoint(const std::string &text);
