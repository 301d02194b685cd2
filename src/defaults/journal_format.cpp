#include "journal_format.h"

#include "local_time.h"

#include <QDate>
#include <QString>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <optional>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr char fieldSeparator = ';';
constexpr std::size_t fieldCount = 4;
constexpr qint64 julianDayOfUnixEpoch = 2440588; // 1970-01-01
// In a shape, '0' stands for any digit of the file, which are ASCII's; other characters stand
// for themselves.
constexpr std::string_view localTimeShape = "0000-00-00 00:00";
constexpr std::string_view offsetShape = "00:00";
constexpr double largestDegree = 100;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool matches(std::string_view text, std::string_view shape)
{
    return text.size() == shape.size() && std::ranges::equal(text, shape, [](char t, char s) {
               return s == '0' ? isDigit(t) : t == s;
           });
}

// The value of the digits of text from start, count of them, already known to be digits.
int valueOf(std::string_view text, std::size_t start, std::size_t count)
{
    int value = 0;
    for (const char digit : text.substr(start, count))
        value = value * 10 + (digit - '0');
    return value;
}

struct ReadTime
{
    std::int64_t minute;
    int utcOffsetMinutes;
};

// The offset of "+01:00" or "-05:00" in minutes.
std::optional<int> offsetIn(std::string_view text)
{
    if (text.empty() || (text[0] != '+' && text[0] != '-') || !matches(text.substr(1), offsetShape))
        return std::nullopt;
    const int hours = valueOf(text, 1, 2);
    const int minutes = valueOf(text, 4, 2);
    if (hours >= 24 || minutes >= 60)
        return std::nullopt;
    return (text[0] == '-' ? -1 : 1) * (hours * 60 + minutes);
}

std::optional<ReadTime> timeIn(std::string_view text)
{
    if (!matches(text.substr(0, localTimeShape.size()), localTimeShape))
        return std::nullopt;
    const QDate date(valueOf(text, 0, 4), valueOf(text, 5, 2), valueOf(text, 8, 2));
    const int hour = valueOf(text, 11, 2);
    const int minute = valueOf(text, 14, 2);
    if (!date.isValid() || hour >= 24 || minute >= 60)
        return std::nullopt;
    const int minuteOfDay = hour * 60 + minute;
    const std::int64_t localMinute = (date.toJulianDay() - julianDayOfUnixEpoch) * minutesPerDay
                                     + minuteOfDay;
    const std::string_view offsetText = text.substr(localTimeShape.size());
    if (offsetText.empty()) {
        const std::int64_t read = minuteOfLocalTime(localMinute);
        return ReadTime{read, localOffsetMinutes(read)};
    }
    const std::optional<int> offset = offsetIn(offsetText);
    if (!offset)
        return std::nullopt;
    return ReadTime{localMinute - *offset, *offset};
}

std::optional<DrinkCategory> categoryIn(std::string_view text)
{
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        if (text == std::string_view(&drink.letter, 1))
            return drink.category;
    }
    return std::nullopt;
}

std::optional<double> numberIn(std::string_view text)
{
    const std::size_t separator = text.find_first_of(",.");
    const std::string_view whole = text.substr(0, separator);
    const bool hasFraction = separator != std::string_view::npos;
    const std::string_view fraction = hasFraction ? text.substr(separator + 1) : "";
    if (whole.empty() || !std::ranges::all_of(whole, isDigit)
        || (hasFraction && (fraction.empty() || !std::ranges::all_of(fraction, isDigit))))
        return std::nullopt;
    std::string withPoint(text);
    if (hasFraction)
        withPoint[separator] = '.';
    double value = 0;
    const char *end = withPoint.data() + withPoint.size();
    const auto [last, error] = std::from_chars(withPoint.data(), end, value,
                                               std::chars_format::fixed);
    if (error != std::errc() || last != end)
        return std::nullopt;
    return value;
}

std::optional<JournalEntry> entryIn(std::string_view line)
{
    std::array<std::string_view, fieldCount> fields;
    std::size_t count = 0;
    for (std::size_t start = 0; start <= line.size(); ++count) {
        const std::size_t end = std::min(line.find(fieldSeparator, start), line.size());
        if (count == fieldCount)
            return std::nullopt;
        fields[count] = line.substr(start, end - start);
        start = end + 1;
    }
    if (count != fieldCount)
        return std::nullopt;
    const std::optional<ReadTime> time = timeIn(fields[0]);
    const std::optional<DrinkCategory> category = categoryIn(fields[1]);
    const std::optional<double> volume = numberIn(fields[2]);
    const std::optional<double> degree = numberIn(fields[3]);
    if (!time || !category || !volume || !degree || *degree > largestDegree)
        return std::nullopt;
    return JournalEntry{{time->minute, *category, *volume, *degree}, time->utcOffsetMinutes};
}

bool isBlank(std::string_view line)
{
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())).trimmed().isEmpty();
}

std::string timeText(const JournalEntry &entry)
{
    const std::int64_t localMinute = entry.glass.minute + entry.utcOffsetMinutes;
    // The day rounded down, also before 1970.
    std::int64_t day = localMinute / minutesPerDay;
    if (localMinute % minutesPerDay < 0)
        --day;
    const auto minuteOfDay = static_cast<int>(localMinute - day * minutesPerDay);
    const QDate date = QDate::fromJulianDay(julianDayOfUnixEpoch + day);
    const int offset = std::abs(entry.utcOffsetMinutes);
    return QString::asprintf("%04d-%02d-%02d %02d:%02d%c%02d:%02d", date.year(), date.month(),
                             date.day(), minuteOfDay / 60, minuteOfDay % 60,
                             entry.utcOffsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60)
            .toStdString();
}

std::string numberText(double value)
{
    // Room for the longest double in fixed notation: 309 digits before the point, or 17
    // significant digits after 307 zeros and a sign.
    std::array<char, 512> text{};
    char *end = std::to_chars(text.data(), text.data() + text.size(), value,
                              std::chars_format::fixed)
                        .ptr;
    std::string number(text.data(), end);
    std::ranges::replace(number, '.', ',');
    return number;
}

} // namespace

JournalContents readJournal(std::string_view bytes)
{
    JournalContents contents;
    if (bytes.starts_with(byteOrderMark))
        bytes.remove_prefix(byteOrderMark.size());
    int number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line == journalHeader || isBlank(line))
            continue;
        if (const std::optional<JournalEntry> entry = entryIn(line))
            contents.entries.push_back(*entry);
        else
            contents.unreadableLines.push_back(number);
    }
    putInTimeOrder(contents.entries);
    return contents;
}

std::string writeJournal(std::vector<JournalEntry> entries)
{
    putInTimeOrder(entries);
    std::string file(journalHeader);
    file += '\n';
    for (const JournalEntry &entry : entries) {
        file += timeText(entry);
        file += fieldSeparator;
        file += drinkCategories[indexOf(entry.glass.category)].letter;
        file += fieldSeparator;
        file += numberText(entry.glass.volumeCl);
        file += fieldSeparator;
        file += numberText(entry.glass.degree);
        file += '\n';
    }
    return file;
}

JournalEntry journalEntryAt(const LoggedGlass &glass)
{
    return {glass, localOffsetMinutes(glass.minute)};
}

void putInTimeOrder(std::vector<JournalEntry> &entries)
{
    std::ranges::stable_sort(entries, {},
                             [](const JournalEntry &entry) { return entry.glass.minute; });
}
