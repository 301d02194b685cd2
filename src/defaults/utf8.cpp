#include "utf8.h"

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the sequence a lead byte opens, and the smallest character it may encode, so that
// overlong forms are refused; 0 for a byte that cannot open a sequence.
struct Lead
{
    std::size_t length;
    char32_t minimum;
    char32_t bits;
};

Lead leadOf(unsigned char byte)
{
    if (byte < 0x80)
        return {1, 0, byte};
    if ((byte & 0xE0) == 0xC0)
        return {2, 0x80, byte & 0x1Fu};
    if ((byte & 0xF0) == 0xE0)
        return {3, 0x800, byte & 0x0Fu};
    if ((byte & 0xF8) == 0xF0)
        return {4, 0x10000, byte & 0x07u};
    return {0, 0, 0};
}

} // namespace

Utf8Character decodeUtf8At(std::string_view text, std::size_t offset)
{
    const Lead lead = leadOf(static_cast<unsigned char>(text[offset]));
    char32_t character = lead.bits;
    bool valid = lead.length > 0 && offset + lead.length <= text.size();
    for (std::size_t k = 1; valid && k < lead.length; ++k) {
        const auto byte = static_cast<unsigned char>(text[offset + k]);
        valid = isContinuation(byte);
        character = (character << 6) | (byte & 0x3Fu);
    }
    valid = valid && character >= lead.minimum && character <= 0x10FFFF
            && (character < 0xD800 || character > 0xDFFF);
    return valid ? Utf8Character{character, lead.length} : Utf8Character{replacementCharacter, 1};
}

std::vector<char32_t> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> characters;
    characters.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character next = decodeUtf8At(text, i);
        characters.push_back(next.character);
        i += next.length;
    }
    return characters;
}

void appendUtf8(std::string &text, char32_t character)
{
    const auto byte = [](char32_t value) {
        return static_cast<char>(value);
    };
    if (character < 0x80) {
        text.push_back(byte(character));
    } else if (character < 0x800) {
        text.push_back(byte(0xC0 | (character >> 6)));
        text.push_back(byte(0x80 | (character & 0x3F)));
    } else if (character < 0x10000) {
        text.push_back(byte(0xE0 | (character >> 12)));
        text.push_back(byte(0x80 | ((character >> 6) & 0x3F)));
        text.push_back(byte(0x80 | (character & 0x3F)));
    } else {
        text.push_back(byte(0xF0 | (character >> 18)));
        text.push_back(byte(0x80 | ((character >> 12) & 0x3F)));
        text.push_back(byte(0x80 | ((character >> 6) & 0x3F)));
        text.push_back(byte(0x80 | (character & 0x3F)));
    }
}
