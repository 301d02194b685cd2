// A second reading of a field, written plainly from the rule stated in engine/read_number.h and
// slow on purpose, against which the fuzzer checks readNumber and hasMinusSign. It knows the
// characters beyond ASCII of its own short lists only (a few spaces, invisible characters and
// scripts' digits), and says nothing of a text where the rule has to look at another one.
#pragma once

#include <optional>
#include <string_view>

struct ReferenceReading
{
    std::optional<double> value; // nothing where the rule throws ArithmeticOverflow
    bool minusSign = false; // whether the first character not ignored is a minus sign
};

// The rule's reading of utf8Text, or nothing when the text holds a character the reference does
// not know before the reading stops.
std::optional<ReferenceReading> referenceReading(std::string_view utf8Text);
