// The main window's own texts: the messages of its Note panel and the warnings it gives.
#pragma once

#include "engine/result_display.h"

#include <QString>

// The instructions, shown at rest and below 0.3 g/l; the caution from 0.3 g/l; the stop from
// the legal limit on.
const QString &textOf(NoteMessage message);

extern const QString weightWarning;
extern const QString delayWarning;
// A value typed in exponent notation beyond what the estimate can compute.
extern const QString overflowWarning;
