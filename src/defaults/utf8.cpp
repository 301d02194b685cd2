#include "utf8.h"

#include <unicode/utf8.h>

#include <cstdint>

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string characters;
    characters.reserve(text.size());
    const auto *const bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = i;
        UChar32 character = 0;
        U8_NEXT(bytes, i, text.size(), character);
        if (character < 0) {
            characters.push_back(replacementCharacter);
            i = start + 1;
        } else {
            characters.push_back(static_cast<char32_t>(character));
        }
    }
    return characters;
}

void appendUtf8(std::string &text, char32_t character)
{
    std::uint8_t bytes[U8_MAX_LENGTH];
    std::size_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, character);
    text.append(reinterpret_cast<const char *>(bytes), length);
}
