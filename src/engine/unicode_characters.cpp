// Unicode 14.0.0 data for the reading of fields, made with Python 3.11's unicodedata module (which
// follows that version): ignoredRanges merges the code points from U+0080 whose general category
// is Zs, Zl, Zp or Cf, plus U+0085, the one other White_Space character beyond ASCII;
// digitZeros holds each character of category Nd whose unicodedata.decimal() is 0. Every Nd
// character beyond ASCII lies in one of the runs of ten that these zeros open, in value order.
#include "unicode_characters.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct CodePointRange
{
    char32_t first;
    char32_t last;
};

constexpr std::array<CodePointRange, 25> ignoredRanges{{
        {0x0085, 0x0085},   {0x00A0, 0x00A0},   {0x00AD, 0x00AD},   {0x0600, 0x0605},
        {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},
        {0x08E2, 0x08E2},   {0x1680, 0x1680},   {0x180E, 0x180E},   {0x2000, 0x200F},
        {0x2028, 0x202F},   {0x205F, 0x2064},   {0x2066, 0x206F},   {0x3000, 0x3000},
        {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
        {0x13430, 0x13438}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F},
}};

constexpr std::array<char32_t, 65> digitZeros{
        0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,  0x0C66,
        0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,  0x1810,
        0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,  0xA8D0,
        0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0,
        0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950,
        0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC,
        0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0,
};

static_assert(std::ranges::is_sorted(ignoredRanges, {}, &CodePointRange::first));
static_assert(std::ranges::is_sorted(digitZeros));

} // namespace

bool isNonAsciiWhiteSpaceOrFormat(char32_t character)
{
    const auto *const after = std::ranges::upper_bound(ignoredRanges, character, {},
                                                       &CodePointRange::first);
    return after != ignoredRanges.begin() && character <= std::prev(after)->last;
}

int nonAsciiDecimalDigitValue(char32_t character)
{
    const auto *const after = std::ranges::upper_bound(digitZeros, character);
    if (after == digitZeros.begin())
        return -1;
    const char32_t value = character - *std::prev(after);
    return value < 10 ? static_cast<int>(value) : -1;
}
