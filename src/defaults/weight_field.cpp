#include "weight_field.h"

#include "defaults_format.h"
#include "engine/arithmetic_overflow.h"
#include "engine/read_number.h"

bool hasPositiveWeight(std::string_view utf8Text)
{
    try {
        return readNumber(utf8Text) > 0;
    } catch (const ArithmeticOverflow &) {
        return !hasMinusSign(utf8Text);
    }
}

std::string weightField(std::string_view utf8Text)
{
    return fitToTextField(hasPositiveWeight(utf8Text) ? utf8Text : std::string_view());
}
