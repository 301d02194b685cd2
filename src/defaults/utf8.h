// The program holds texts as UTF-8, while Defaut.dat holds one byte per character: its texts
// are taken apart into characters and put back, with ICU's UTF-8 steps.
#pragma once

#include <string>
#include <string_view>

inline constexpr char32_t replacementCharacter = U'\uFFFD';

// The characters of text; each byte of a malformed sequence gives one replacement character, so
// that a field holds as many characters as the bytes it stands for.
std::u32string decodeUtf8(std::string_view text);

void appendUtf8(std::string &text, char32_t character);
