// The bytes of Defaut.dat: 16 records of 128 bytes, no header, each value at the start of its
// record. Record 1 is the weight, 2 to 4 the sex, corpulence and meal codes, then volume and
// degree of each category in the order K, B, A, V, D, C. Texts take 6 bytes in Windows-1252,
// blank-padded; codes are 16-bit little-endian. Three options follow only while one is on, so
// that a file of the usual values alone stays the 16 records any reader knows: a 17th record
// holds the 0.2 g/l limit's code (1 on, 0 off), an 18th the prudent estimate's, a 19th the
// evening journal's. Each of them is written when its option is on or when a later one follows,
// so the file ends at the record of the last option on. The file layer reads and writes whole
// files with these two routines.
#pragma once

#include "defaults_record.h"

#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t defaultsRecordSize = 128;
inline constexpr std::size_t defaultsRecordCount = 16;
inline constexpr std::size_t defaultsFileSize = defaultsRecordSize * defaultsRecordCount;
// With the record of the 0.2 g/l limit, then that of the prudent estimate, then the journal's.
inline constexpr std::size_t probationaryFileSize = defaultsFileSize + defaultsRecordSize;
inline constexpr std::size_t prudentFileSize = probationaryFileSize + defaultsRecordSize;
inline constexpr std::size_t journalFileSize = prudentFileSize + defaultsRecordSize;
inline constexpr std::size_t largestDefaultsFileSize = journalFileSize;
inline constexpr std::size_t textFieldLength = 6;

// The whole file: defaultsFileSize bytes, probationaryFileSize with the 0.2 g/l limit on alone,
// prudentFileSize with the prudent estimate on and not the journal, journalFileSize with the
// journal on; the bytes after each value are zero.
std::string writeDefaults(const DefaultsRecord &record);

// Reads every value that lies whole within fileBytes into record. A value that is missing or
// cut off by the end of the file keeps what record held, so a short or empty file leaves the
// factory values in a fresh record. A text ends at its first zero byte. The 0.2 g/l limit is on
// exactly when the 17th record is whole and holds code 1, the prudent estimate exactly when the
// 18th does, the journal exactly when the 19th does; bytes past it are ignored.
void readDefaults(std::string_view fileBytes, DefaultsRecord &record);

// text blank-padded or cut to six characters, as a text field holds it.
std::string fitToTextField(std::string_view utf8Text);
