// The 8-bit code page of Defaut.dat's text fields (Windows-1252, "ANSI" on French Windows):
// one byte per character, Latin-1 plus typographic signs in 0x80 to 0x9F.
#pragma once

#include <string>
#include <string_view>

// The character stored as '?' when the code page has no byte for it.
inline constexpr char unmappableByte = '?';

// One byte per character of utf8Text.
std::string toWindows1252(std::string_view utf8Text);

// The UTF-8 text of bytes; every byte gives one character, so any bytes can be read.
std::string fromWindows1252(std::string_view bytes);
