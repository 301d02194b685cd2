#include "weight_field.h"

#include "defaults_format.h"
#include "engine/arithmetic_overflow.h"
#include "engine/read_number.h"

namespace {

// The sign of a number too large to read: its first character once the blanks the reading
// ignores are skipped ("&H" numbers have no sign and are positive).
bool isNegativeNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\n");
    return first != std::string_view::npos && text[first] == '-';
}

} // namespace

bool hasPositiveWeight(std::string_view utf8Text)
{
    try {
        return readNumber(utf8Text) > 0;
    } catch (const ArithmeticOverflow &) {
        return !isNegativeNumber(utf8Text);
    }
}

std::string weightField(std::string_view utf8Text)
{
    return fitToTextField(hasPositiveWeight(utf8Text) ? utf8Text : std::string_view());
}
