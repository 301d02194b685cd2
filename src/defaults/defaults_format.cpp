#include "defaults_format.h"

#include "utf8.h"
#include "windows_1252.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::size_t codeLength = 2;

// The options kept after the 16 records, in file order, with the codes their records hold.
struct OptionRecord
{
    bool DefaultsRecord::*option;
    std::int16_t onCode;
    std::int16_t offCode;
};

constexpr std::array<OptionRecord, 3> optionRecords{{
        {&DefaultsRecord::probationary, probationaryLimitOn, probationaryLimitOff},
        {&DefaultsRecord::prudent, prudentEstimateOn, prudentEstimateOff},
        {&DefaultsRecord::journal, eveningJournalOn, eveningJournalOff},
}};

// Calls onText(recordIndex, text) or onCode(recordIndex, code) for the 16 values in file
// order, so that reading and writing share that order.
template<typename Record, typename OnText, typename OnCode>
void visitInFileOrder(Record &record, OnText onText, OnCode onCode)
{
    std::size_t index = 0;
    onText(index++, record.weight);
    onCode(index++, record.sexCode);
    onCode(index++, record.corpulenceCode);
    onCode(index++, record.mealCode);
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        onText(index++, record[drink.category].volume);
        onText(index++, record[drink.category].degree);
    }
}

// The bytes of record index's value, or an empty view when the file ends before they do.
std::string_view valueBytes(std::string_view fileBytes, std::size_t index, std::size_t length)
{
    const std::size_t start = index * defaultsRecordSize;
    if (fileBytes.size() < start + length)
        return {};
    return fileBytes.substr(start, length);
}

// Writes a 16-bit code at the start of record index, little-endian.
void putCode(std::string &file, std::size_t index, std::int16_t code)
{
    const auto value = static_cast<std::uint16_t>(code);
    file[index * defaultsRecordSize] = static_cast<char>(value & 0xFF);
    file[index * defaultsRecordSize + 1] = static_cast<char>(value >> 8);
}

std::int16_t codeIn(std::string_view bytes)
{
    const auto low = static_cast<unsigned char>(bytes[0]);
    const auto high = static_cast<unsigned char>(bytes[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
}

} // namespace

std::string fitToTextField(std::string_view utf8Text)
{
    std::string field;
    std::size_t length = 0;
    for (const char32_t character : decodeUtf8(utf8Text)) {
        if (length == textFieldLength)
            break;
        appendUtf8(field, character);
        ++length;
    }
    field.append(textFieldLength - length, ' ');
    return field;
}

std::string writeDefaults(const DefaultsRecord &record)
{
    std::size_t optionsWritten = 0;
    for (std::size_t i = 0; i < optionRecords.size(); ++i) {
        if (record.*optionRecords[i].option)
            optionsWritten = i + 1;
    }
    std::string file(defaultsFileSize + optionsWritten * defaultsRecordSize, '\0');
    visitInFileOrder(
            record,
            [&file](std::size_t index, const std::string &text) {
                std::string bytes = toWindows1252(text);
                bytes.resize(textFieldLength, ' ');
                file.replace(index * defaultsRecordSize, textFieldLength, bytes);
            },
            [&file](std::size_t index, std::int16_t code) { putCode(file, index, code); });
    for (std::size_t i = 0; i < optionsWritten; ++i) {
        const OptionRecord &kept = optionRecords[i];
        putCode(file, defaultsRecordCount + i, record.*kept.option ? kept.onCode : kept.offCode);
    }
    return file;
}

void readDefaults(std::string_view fileBytes, DefaultsRecord &record)
{
    visitInFileOrder(
            record,
            [fileBytes](std::size_t index, std::string &text) {
                std::string_view bytes = valueBytes(fileBytes, index, textFieldLength);
                if (bytes.empty())
                    return;
                bytes = bytes.substr(0, bytes.find('\0'));
                text = fromWindows1252(bytes);
            },
            [fileBytes](std::size_t index, std::int16_t &code) {
                const std::string_view bytes = valueBytes(fileBytes, index, codeLength);
                if (!bytes.empty())
                    code = codeIn(bytes);
            });
    // Only a whole record counts: a cut one says nothing sure.
    for (std::size_t i = 0; i < optionRecords.size(); ++i) {
        const std::size_t start = defaultsFileSize + i * defaultsRecordSize;
        record.*optionRecords[i].option = fileBytes.size() >= start + defaultsRecordSize
                                          && codeIn(fileBytes.substr(start))
                                                     == optionRecords[i].onCode;
    }
}
