// The few UTF-8 steps the program needs: it holds texts as UTF-8, while Defaut.dat holds one
// byte per character, so texts are taken apart into characters and put back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr char32_t replacementCharacter = U'\uFFFD';

// The characters of text; a malformed sequence gives one replacement character per byte.
std::vector<char32_t> decodeUtf8(std::string_view text);

void appendUtf8(std::string &text, char32_t character);
