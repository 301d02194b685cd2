// The main window's own texts: the messages of its Note panel and the warnings it gives.
#pragma once

#include "engine/result_display.h"

#include <QString>

// The Note panel's text for a display: the instructions, shown at rest and below 0.3 g/l; the
// caution from 0.3 g/l; the stop from the legal limit on; or why there is no verdict, with the
// reason the evening's journal gave when it is the journal's.
QString noteTextOf(const ResultDisplay &display, const QString &journalFailure = {});

// Why a value cannot be, and what to do: "Valeur impossible : le volume des « Bière, cidre » est
// négatif. Corrigez-la pour obtenir une estimation."
QString impossibleValueText(const ImpossibleValue &value);

extern const QString weightWarning;
extern const QString delayWarning;
// A value typed in exponent notation beyond what the estimate can compute.
extern const QString overflowWarning;
