// A second reading of a field, written plainly from the rule stated in engine/read_number.h and
// slow on purpose, against which the fuzzer checks readNumber and hasMinusSign.
#pragma once

#include <optional>
#include <string_view>

// The number that the rule reads in utf8Text, or nothing where the rule throws
// ArithmeticOverflow.
std::optional<double> referenceReading(std::string_view utf8Text);

bool referenceMinusSign(std::string_view utf8Text);
