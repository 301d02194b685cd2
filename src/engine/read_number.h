// How every field of the main window is read as a number: the leading number of the text,
// with "." as decimal point whatever the user's locale, so "70,5" reads as 70 and "abc" as 0.
#pragma once

#include <string_view>

// Blanks, tabs and line feeds are ignored wherever they stand. An optional sign, digits with at
// most one ".", and an optional exponent (E or D in either case, optional sign, digits) are
// read; "&H" and "&O" read a hexadecimal or octal integer instead. Reading stops at the first
// character that cannot continue the number; no number reads as 0. Throws ArithmeticOverflow
// when the number lies beyond the double range (a number too small for it reads as 0).
double readNumber(std::string_view utf8Text);
