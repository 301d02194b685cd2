#include "read_number.h"

#include "arithmetic_overflow.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace {

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Spaces and invisible format characters, which the eye does not see between digits.
bool isIgnored(UChar32 character)
{
    return u_isUWhiteSpace(character) || u_charType(character) == U_FORMAT_CHAR;
}

// What isIgnored says of each ASCII character, asked of ICU once: nearly every text read is
// ASCII, and asking ICU for each of its characters cost most of a reading.
using AsciiAnswers = std::array<bool, 0x80>;
const AsciiAnswers &ignoredAscii()
{
    static const AsciiAnswers answers = [] {
        AsciiAnswers ignored{};
        for (UChar32 character = 0; character < 0x80; ++character)
            ignored[static_cast<std::size_t>(character)] = isIgnored(character);
        return ignored;
    }();
    return answers;
}

// What a character beyond ASCII is to a reading: invisible, a decimal digit of that value, or the
// end of the number.
constexpr std::int8_t ignoredCharacter = -2;
constexpr std::int8_t endOfNumber = -1;

std::int8_t meaningAskedOfIcu(UChar32 character)
{
    if (isIgnored(character))
        return ignoredCharacter;
    const std::int8_t digit = u_charDigitValue(character);
    return digit < 0 ? endOfNumber : digit;
}

// The meanings of the last characters beyond ASCII met, asked of ICU once: each key typed in any
// box reads every box again, and a weight pasted with a no-break space and full-width digits was
// read by three or four questions to ICU for each of its characters.
std::int8_t meaningOf(UChar32 character)
{
    struct Known
    {
        UChar32 character = -1;
        std::int8_t meaning = endOfNumber;
    };
    thread_local std::array<Known, 8> known{};
    thread_local std::size_t replaced = 0;
    for (const Known &entry : known) {
        if (entry.character == character)
            return entry.meaning;
    }
    const std::int8_t meaning = meaningAskedOfIcu(character);
    known[replaced] = {character, meaning};
    replaced = (replaced + 1) % known.size();
    return meaning;
}

// The text as the reading below sees it, in ASCII: without the spaces and invisible characters,
// with the decimal digits of every script as ASCII digits, and cut at the first other character
// beyond ASCII (a letter of another script, malformed UTF-8), since none can continue a number.
std::string significantCharacters(std::string_view utf8Text)
{
    std::string kept;
    kept.reserve(utf8Text.size());
    const AsciiAnswers &ignored = ignoredAscii();
    const auto *const bytes = reinterpret_cast<const std::uint8_t *>(utf8Text.data());
    const std::size_t length = utf8Text.size();
    std::size_t i = 0;
    while (i < length) {
        if (bytes[i] < 0x80) {
            if (!ignored[bytes[i]])
                kept.push_back(static_cast<char>(bytes[i]));
            ++i;
            continue;
        }
        UChar32 character = 0;
        U8_NEXT(bytes, i, length, character);
        if (character < 0)
            break;
        const std::int8_t meaning = meaningOf(character);
        if (meaning == ignoredCharacter)
            continue;
        if (meaning == endOfNumber)
            break;
        kept.push_back(static_cast<char>('0' + meaning));
    }
    return kept;
}

// Digit value of c in the given radix, or -1.
int digitValue(char c, int radix)
{
    int value = -1;
    if (isDecimalDigit(c))
        value = c - '0';
    else if (upper(c) >= 'A' && upper(c) <= 'F')
        value = upper(c) - 'A' + 10;
    return value < radix ? value : -1;
}

// The same integer in hexadecimal: the three bits of each octal digit, regrouped by four from
// the last digit on.
std::string octalAsHexadecimal(std::string_view octalDigits)
{
    constexpr std::string_view hexadecimalDigits = "0123456789ABCDEF";
    std::string hexadecimal;
    unsigned bits = 0;
    int bitCount = 0;
    for (std::size_t i = octalDigits.size(); i > 0; --i) {
        bits |= static_cast<unsigned>(octalDigits[i - 1] - '0') << bitCount;
        bitCount += 3;
        if (bitCount >= 4) {
            hexadecimal.push_back(hexadecimalDigits[bits & 0xF]);
            bits >>= 4;
            bitCount -= 4;
        }
    }
    if (bitCount > 0)
        hexadecimal.push_back(hexadecimalDigits[bits]);
    std::ranges::reverse(hexadecimal);
    return hexadecimal;
}

// The integer that the leading digits of text write in radix 16 or 8, rounded once to the
// nearest double: summing digit by digit in double would round at every step past 2^53.
double readRadixInteger(std::string_view text, int radix)
{
    std::size_t length = 0;
    while (length < text.size() && digitValue(text[length], radix) >= 0)
        ++length;
    const std::string_view digits = text.substr(0, length);
    const std::string hexadecimal = radix == 8 ? octalAsHexadecimal(digits) : std::string(digits);
    double value = 0;
    const auto [end, error] = std::from_chars(hexadecimal.data(),
                                              hexadecimal.data() + hexadecimal.size(), value,
                                              std::chars_format::hex);
    (void)end;
    if (error == std::errc::result_out_of_range)
        throwOverflow("entier hexadécimal ou octal");
    return value;
}

// Beyond the double range on either side, by this many powers of ten: 10^-324 rounds to 0, and
// 10^309 is infinite.
constexpr long exponentMargin = 400;

// Reads the decimal number at the start of text: sign, digits with at most one point, exponent.
double readDecimal(std::string_view text)
{
    const bool hasSign = !text.empty() && (text[0] == '+' || text[0] == '-');
    // from_chars reads a minus sign, not a plus sign.
    const std::size_t mantissaStart = hasSign && text[0] == '+' ? 1 : 0;
    std::size_t i = hasSign ? 1 : 0;
    bool seenPoint = false;
    bool seenDigit = false;
    // Digits before the first significant one, and the place of the point, tell on overflow
    // whether the number was too large or too small.
    long significantPlace = 0;
    bool seenSignificant = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDecimalDigit(c)) {
            seenDigit = true;
            if (c != '0')
                seenSignificant = true;
            if (seenSignificant && !seenPoint)
                ++significantPlace;
            else if (!seenSignificant && seenPoint)
                --significantPlace;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;
    // The sign, the digits and the point, as from_chars reads them.
    const std::string_view mantissa = text.substr(mantissaStart, i - mantissaStart);

    const bool hasExponent = i < text.size() && (upper(text[i]) == 'E' || upper(text[i]) == 'D');
    long exponent = 0;
    std::string withExponent;
    if (hasExponent) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negative = text[j] == '-';
            ++j;
        }
        // The mantissa's digits move its value by at most mantissa.size() powers of ten, so an
        // exponent past that plus the margin gives the same verdict as the exact one: it is
        // capped there, and an exponent of any length is read without wrapping.
        const long exponentCap = static_cast<long>(mantissa.size()) + exponentMargin;
        for (; j < text.size() && isDecimalDigit(text[j]); ++j)
            exponent = std::min(exponent * 10 + (text[j] - '0'), exponentCap);
        if (negative)
            exponent = -exponent;
        withExponent = std::string(mantissa) + 'e' + std::to_string(exponent);
    }
    const std::string_view number = hasExponent ? std::string_view(withExponent) : mantissa;

    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (seenSignificant && significantPlace + exponent > 0)
            throw ArithmeticOverflow("nombre hors des limites");
        return 0;
    }
    return value;
}

} // namespace

double readNumber(std::string_view utf8Text)
{
    const std::string text = significantCharacters(utf8Text);
    if (text.size() >= 2 && text[0] == '&') {
        if (upper(text[1]) == 'H')
            return readRadixInteger(std::string_view(text).substr(2), 16);
        if (upper(text[1]) == 'O')
            return readRadixInteger(std::string_view(text).substr(2), 8);
    }
    return readDecimal(text);
}

bool hasMinusSign(std::string_view utf8Text)
{
    return significantCharacters(utf8Text).starts_with('-');
}
