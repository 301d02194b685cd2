// How every field of the main window is read as a number: the leading number of the text,
// with "." as decimal point whatever the user's locale, so "70,5" reads as 70 and "abc" as 0.
#pragma once

#include <string_view>

// What the eye does not see is ignored wherever it stands: every Unicode space (blank, tab, line
// feed, CR, no-break spaces...) and invisible format character (zero-width space, direction
// marks, BOM...). An optional sign, digits with at most one ".", and an optional exponent (E or
// D in either case, optional sign, digits) are read; "&H" and "&O" read a hexadecimal or octal
// integer instead. A decimal digit of any script ("７５", "٧٥") counts as its value wherever a
// digit may stand. Reading stops at the first character that cannot continue the number,
// malformed UTF-8 included; no number reads as 0. Throws ArithmeticOverflow when the number lies
// beyond the double range (a number too small for it reads as 0).
double readNumber(std::string_view utf8Text);

// Whether the first character the reading does not ignore is a minus sign: the sign of a
// number too large to read.
bool hasMinusSign(std::string_view utf8Text);
