#include "windows_1252.h"

#include "utf8.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <memory>
#include <stdexcept>

namespace {

struct ConverterClose
{
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterClose>;

void checkIcu(UErrorCode status)
{
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("Windows-1252 : ") + u_errorName(status));
}

// Writes unmappableByte for a character the code page has no byte for, invisible ones included,
// which ICU's own substitution would leave out.
void substituteEveryCharacter(const void * /*context*/, UConverterFromUnicodeArgs *arguments,
                              const UChar * /*units*/, std::int32_t /*length*/,
                              UChar32 /*character*/, UConverterCallbackReason reason,
                              UErrorCode *status)
{
    if (reason == UCNV_UNASSIGNED || reason == UCNV_ILLEGAL || reason == UCNV_IRREGULAR) {
        *status = U_ZERO_ERROR;
        ucnv_cbFromUWriteBytes(arguments, &unmappableByte, 1, 0, status);
    }
}

// ICU's table of the code page. It reads the five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) as the C1 control characters of the same number, as Windows itself
// does, and writes them back.
Converter windows1252()
{
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open("windows-1252", &status));
    checkIcu(status);
    ucnv_setFromUCallBack(converter.get(), substituteEveryCharacter, nullptr, nullptr, nullptr,
                          &status);
    checkIcu(status);
    return converter;
}

} // namespace

std::string toWindows1252(std::string_view utf8Text)
{
    const std::u32string characters = decodeUtf8(utf8Text);
    if (characters.empty())
        return {};
    UErrorCode status = U_ZERO_ERROR;
    // Two UTF-16 units at most per character, and one byte per character.
    std::u16string utf16(characters.size() * 2, u'\0');
    std::int32_t utf16Length = 0;
    u_strFromUTF32(utf16.data(), static_cast<std::int32_t>(utf16.size()), &utf16Length,
                   reinterpret_cast<const UChar32 *>(characters.data()),
                   static_cast<std::int32_t>(characters.size()), &status);
    checkIcu(status);
    std::string bytes(characters.size(), '\0');
    const std::int32_t length = ucnv_fromUChars(windows1252().get(), bytes.data(),
                                                static_cast<std::int32_t>(bytes.size()),
                                                utf16.data(), utf16Length, &status);
    checkIcu(status);
    bytes.resize(static_cast<std::size_t>(length));
    return bytes;
}

std::string fromWindows1252(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    UErrorCode status = U_ZERO_ERROR;
    // One UTF-16 unit per byte, and at most three UTF-8 bytes for each.
    std::u16string utf16(bytes.size(), u'\0');
    const std::int32_t utf16Length = ucnv_toUChars(windows1252().get(), utf16.data(),
                                                   static_cast<std::int32_t>(utf16.size()),
                                                   bytes.data(),
                                                   static_cast<std::int32_t>(bytes.size()),
                                                   &status);
    checkIcu(status);
    std::string text(bytes.size() * 3, '\0');
    std::int32_t length = 0;
    u_strToUTF8(text.data(), static_cast<std::int32_t>(text.size()), &length, utf16.data(),
                utf16Length, &status);
    checkIcu(status);
    text.resize(static_cast<std::size_t>(length));
    return text;
}
