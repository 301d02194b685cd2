#include "reference_reading.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The characters of text up to its first malformed sequence, which ends it. A sequence is
// well-formed when its bytes lie in the ranges of Unicode's table of well-formed UTF-8 (which
// excludes overlong forms, surrogates and code points beyond U+10FFFF).
std::u32string wellFormedPrefix(std::string_view text)
{
    std::u32string characters;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t character = 0;
        unsigned char secondLow = 0x80;
        unsigned char secondHigh = 0xBF;
        if (lead < 0x80) {
            length = 1;
            character = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            character = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            character = lead & 0x0Fu;
            secondLow = lead == 0xE0 ? 0xA0 : 0x80;
            secondHigh = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            character = lead & 0x07u;
            secondLow = lead == 0xF0 ? 0x90 : 0x80;
            secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            break;
        }
        if (i + length > text.size())
            break;
        bool wellFormed = true;
        for (std::size_t k = 1; k < length && wellFormed; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            const unsigned char low = k == 1 ? secondLow : 0x80;
            const unsigned char high = k == 1 ? secondHigh : 0xBF;
            wellFormed = byte >= low && byte <= high;
            character = (character << 6) | (byte & 0x3Fu);
        }
        if (!wellFormed)
            break;
        characters.push_back(character);
        i += length;
    }
    return characters;
}

// What the reference knows of a character beyond ASCII, from its own short lists written from
// the Unicode standard: a space or an invisible format character, a decimal digit, a character
// that stops the reading, or nothing it can tell.
struct CharacterKind
{
    enum { Ignored, Digit, Stop, Unknown } kind;
    int digit = 0;
};

struct CodePoints
{
    char32_t first;
    char32_t last;
};

CharacterKind kindOf(char32_t character)
{
    // White_Space beyond ASCII, and the format characters (Cf) among their neighbours.
    constexpr CodePoints ignored[] = {{0x85, 0x85},       {0xA0, 0xA0},      {0xAD, 0xAD},
                                      {0x1680, 0x1680},   {0x2000, 0x200F},  {0x2028, 0x202F},
                                      {0x205F, 0x2064},   {0x3000, 0x3000},  {0xFEFF, 0xFEFF},
                                      {0xE0001, 0xE0001}, {0xE0020, 0xE007F}};
    // The zeros of a few scripts' digits, each followed by the nine others: Arabic-Indic,
    // extended Arabic-Indic, Devanagari, full-width, mathematical bold.
    constexpr char32_t zeros[] = {0x660, 0x6F0, 0x966, 0xFF10, 0x1D7CE};
    // The rest of Latin-1 and the full-width capitals: neither spaces nor digits.
    constexpr CodePoints stops[] = {{0xA1, 0xAC}, {0xAE, 0xFF}, {0xFF21, 0xFF3A}};

    const auto within = [character](CodePoints range) {
        return character >= range.first && character <= range.last;
    };
    if (std::ranges::any_of(ignored, within))
        return {CharacterKind::Ignored};
    for (const char32_t zero : zeros) {
        if (character >= zero && character <= zero + 9)
            return {CharacterKind::Digit, static_cast<int>(character - zero)};
    }
    if (std::ranges::any_of(stops, within))
        return {CharacterKind::Stop};
    return {CharacterKind::Unknown};
}

// What the rule reads of the text: its characters without the ignored ones, every decimal
// digit as its ASCII digit, up to the first other character beyond ASCII; nothing when a
// character it reaches is not in the reference's lists.
std::optional<std::string> visibleAscii(std::string_view utf8Text)
{
    std::string visible;
    for (const char32_t character : wellFormedPrefix(utf8Text)) {
        const bool asciiBlank = character == U' ' || (character >= U'\t' && character <= U'\r');
        if (asciiBlank)
            continue;
        if (character < 0x80) {
            visible.push_back(static_cast<char>(character));
            continue;
        }
        const CharacterKind kind = kindOf(character);
        if (kind.kind == CharacterKind::Unknown)
            return std::nullopt;
        if (kind.kind == CharacterKind::Stop)
            break;
        if (kind.kind == CharacterKind::Digit)
            visible.push_back(static_cast<char>('0' + kind.digit));
    }
    return visible;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The integer that the leading digits of text write, with bitsPerDigit bits a digit (3 for
// octal, 4 for hexadecimal): its bits are rewritten as hexadecimal for strtod, which rounds
// them to the nearest double.
std::optional<double> readInteger(std::string_view text, int bitsPerDigit)
{
    std::string bits;
    for (const char c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0 || digit >= (1 << bitsPerDigit))
            break;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            bits.push_back(((digit >> bit) & 1) != 0 ? '1' : '0');
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hexadecimal = "0x0";
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hexadecimal.push_back("0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)]);
    const double value = std::strtod(hexadecimal.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The decimal number at the start of text, rewritten as d.ddd...e<power> for strtod, which
// rounds it to the nearest double.
std::optional<double> readDecimal(std::string_view text)
{
    std::size_t i = 0;
    std::string sign;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        sign = text[i++] == '-' ? "-" : "";
    std::string digits;
    std::optional<std::size_t> digitsBeforePoint;
    for (; i < text.size(); ++i) {
        if (isAsciiDigit(text[i]))
            digits.push_back(text[i]);
        else if (text[i] == '.' && !digitsBeforePoint)
            digitsBeforePoint = digits.size();
        else
            break;
    }
    if (digits.empty())
        return 0.0;

    // Past a billion the exponent is out of range whatever the digits, so it stops growing.
    long exponent = 0;
    if (i < text.size() && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negative = text[i++] == '-';
        for (; i < text.size() && isAsciiDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1'000'000'000L);
        if (negative)
            exponent = -exponent;
    }

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return std::strtod((sign + "0").c_str(), nullptr);
    // The power of ten of the first significant digit.
    const long power = static_cast<long>(digitsBeforePoint.value_or(digits.size()))
                       - static_cast<long>(first) - 1 + exponent;
    const std::string scientific = sign + digits[first] + '.' + digits.substr(first + 1) + 'e'
                                   + std::to_string(power);
    const double value = std::strtod(scientific.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    // Too small for a double: 0, whatever the sign.
    return value == 0 ? 0.0 : value;
}

} // namespace

std::optional<ReferenceReading> referenceReading(std::string_view utf8Text)
{
    const std::optional<std::string> visible = visibleAscii(utf8Text);
    if (!visible)
        return std::nullopt;
    const std::string &text = *visible;
    ReferenceReading reading;
    reading.minusSign = text.starts_with('-');
    if (text.starts_with("&H") || text.starts_with("&h"))
        reading.value = readInteger(std::string_view(text).substr(2), 4);
    else if (text.starts_with("&O") || text.starts_with("&o"))
        reading.value = readInteger(std::string_view(text).substr(2), 3);
    else
        reading.value = readDecimal(text);
    return reading;
}
