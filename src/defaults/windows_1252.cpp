#include "windows_1252.h"

#include "engine/utf8.h"

#include <array>

namespace {

// Characters of the bytes 0x80 to 0x9F. The five bytes the code page leaves undefined stand for
// the C1 control characters of the same number, as Windows itself decodes them.
constexpr std::array<char32_t, 32> upperControlBlock{U'\u20AC', U'\u0081', U'\u201A', U'\u0192',
                                                     U'\u201E', U'\u2026', U'\u2020', U'\u2021',
                                                     U'\u02C6', U'\u2030', U'\u0160', U'\u2039',
                                                     U'\u0152', U'\u008D', U'\u017D', U'\u008F',
                                                     U'\u0090', U'\u2018', U'\u2019', U'\u201C',
                                                     U'\u201D', U'\u2022', U'\u2013', U'\u2014',
                                                     U'\u02DC', U'\u2122', U'\u0161', U'\u203A',
                                                     U'\u0153', U'\u009D', U'\u017E', U'\u0178'};

constexpr char32_t blockStart = 0x80;
constexpr char32_t blockEnd = 0xA0;

char32_t characterOf(unsigned char byte)
{
    if (byte >= blockStart && byte < blockEnd)
        return upperControlBlock[byte - blockStart];
    return byte;
}

char byteOf(char32_t character)
{
    const bool latin1OutsideBlock = character < blockStart
                                    || (character >= blockEnd && character <= 0xFF);
    if (latin1OutsideBlock)
        return static_cast<char>(character);
    for (std::size_t i = 0; i < upperControlBlock.size(); ++i) {
        if (upperControlBlock[i] == character)
            return static_cast<char>(blockStart + i);
    }
    return unmappableByte;
}

} // namespace

std::string toWindows1252(std::string_view utf8Text)
{
    std::string bytes;
    for (const char32_t character : decodeUtf8(utf8Text))
        bytes.push_back(byteOf(character));
    return bytes;
}

std::string fromWindows1252(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        appendUtf8(text, characterOf(static_cast<unsigned char>(byte)));
    return text;
}
