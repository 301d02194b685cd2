// Any bytes read as Defaut.dat give a record, never a crash, and that record saved and read back
// is the same record with its texts blank-padded to six characters. Read as texts typed into
// the boxes, the same bytes are always saved as exactly 16 records, and every text the code page
// can hold and that holds no zero character comes back as typed, padded or cut to six.
#include "defaults/defaults_format.h"
#include "defaults/utf8.h"
#include "defaults/weight_field.h"
#include "defaults/windows_1252.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

void mustHold(bool condition)
{
    if (!condition)
        std::abort();
}

// The 13 texts of a record in file order, for the comparisons below.
std::vector<std::string> textsOf(const DefaultsRecord &record)
{
    std::vector<std::string> texts{record.weight};
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        texts.push_back(record[drink.category].volume);
        texts.push_back(record[drink.category].degree);
    }
    return texts;
}

DefaultsRecord readBack(const DefaultsRecord &record)
{
    const std::string file = writeDefaults(record);
    mustHold(file.size()
             == (record.journal        ? journalFileSize
                 : record.prudent      ? prudentFileSize
                 : record.probationary ? probationaryFileSize
                                       : defaultsFileSize));
    DefaultsRecord read;
    readDefaults(file, read);
    return read;
}

void checkFileRoundTrip(std::string_view file)
{
    DefaultsRecord record;
    readDefaults(file, record);
    const DefaultsRecord again = readBack(record);
    mustHold(again.sexCode == record.sexCode && again.corpulenceCode == record.corpulenceCode
             && again.mealCode == record.mealCode && again.probationary == record.probationary
             && again.prudent == record.prudent && again.journal == record.journal);
    const std::vector<std::string> texts = textsOf(record);
    const std::vector<std::string> textsAgain = textsOf(again);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        mustHold(decodeUtf8(texts[i]).size() <= textFieldLength);
        mustHold(textsAgain[i] == fitToTextField(texts[i]));
    }
    mustHold(readBack(again) == again);
}

// Splits data at '|' into the 13 texts of a record, the missing ones empty.
DefaultsRecord typedRecord(std::string_view data)
{
    std::vector<std::string> texts;
    std::size_t start = 0;
    while (texts.size() < 13 && start <= data.size()) {
        const std::size_t bar = std::min(data.find('|', start), data.size());
        texts.emplace_back(data.substr(start, bar - start));
        start = bar + 1;
    }
    texts.resize(13);
    DefaultsRecord record;
    record.weight = weightField(texts[0]);
    std::size_t next = 1;
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        record[drink.category].volume = texts[next++];
        record[drink.category].degree = texts[next++];
    }
    return record;
}

bool keepsEveryCharacter(const std::string &text)
{
    return text.find('\0') == std::string::npos && fromWindows1252(toWindows1252(text)) == text;
}

void checkTypedRoundTrip(std::string_view data)
{
    const DefaultsRecord record = typedRecord(data);
    mustHold(decodeUtf8(record.weight).size() == textFieldLength);
    const std::vector<std::string> texts = textsOf(record);
    const std::vector<std::string> textsAgain = textsOf(readBack(record));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        mustHold(decodeUtf8(textsAgain[i]).size() <= textFieldLength);
        if (keepsEveryCharacter(texts[i]))
            mustHold(textsAgain[i] == fitToTextField(texts[i]));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    checkFileRoundTrip(bytes);
    checkTypedRoundTrip(bytes);
    return 0;
}
