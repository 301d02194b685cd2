// What the reading of fields must know of Unicode so that it counts what the eye sees: which
// characters show nothing between digits, and which are decimal digits, whatever their script.
#pragma once

// For characters from U+0080 on; the inline functions below answer ASCII themselves, because
// nearly every field holds nothing else.
bool isNonAsciiWhiteSpaceOrFormat(char32_t character);
int nonAsciiDecimalDigitValue(char32_t character);

// Whether character is a space (the White_Space property: blank, tab, line feed, CR, VT, FF,
// U+0085, the Zs spaces, U+2028, U+2029) or an invisible format character (category Cf: soft
// hyphen, zero-width space and joiners, direction marks, word joiner, BOM...).
inline bool isWhiteSpaceOrFormat(char32_t character)
{
    if (character < 0x80)
        return character == U' ' || (character >= U'\t' && character <= U'\r');
    return isNonAsciiWhiteSpaceOrFormat(character);
}

// The value of character as a decimal digit of any script (category Nd), or -1.
inline int decimalDigitValue(char32_t character)
{
    if (character < 0x80)
        return character >= U'0' && character <= U'9' ? static_cast<int>(character - U'0') : -1;
    return nonAsciiDecimalDigitValue(character);
}
