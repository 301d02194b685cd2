// The few UTF-8 steps the program needs: it holds texts as UTF-8, while the reading of fields
// looks at characters and Defaut.dat holds one byte per character, so texts are taken apart
// into characters and put back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr char32_t replacementCharacter = U'\uFFFD';

struct Utf8Character
{
    char32_t character;
    std::size_t length;
};

// The character that starts at offset (less than text's size); a malformed sequence gives the
// replacement character, one byte long.
Utf8Character decodeUtf8At(std::string_view text, std::size_t offset);

// The characters of text; a malformed sequence gives one replacement character per byte.
std::vector<char32_t> decodeUtf8(std::string_view text);

void appendUtf8(std::string &text, char32_t character);
