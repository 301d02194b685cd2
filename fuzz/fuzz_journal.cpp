// Any bytes read as the evening's journal give glasses and unreadable lines, never a crash.
// Every line is a glass, an unreadable line, the header or blank, and is read alone as it is
// read among the others, so that nothing readable is lost and nothing is read twice. The
// glasses written and read again are the same glasses, in time order, and written again the
// same bytes.
//
// Local times are those of Paris, whose clock changes put some of them in an hour skipped or
// shown twice: a glass read from a time without an offset is written back with the offset the
// clock had at its minute, at the same clock time, unless the clock changed within a day of it.
#include "defaults/journal_format.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t timeWithoutOffsetLength = 16; // 2026-12-09 20:00

void mustHold(bool condition, int line = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}

std::vector<std::string_view> linesOf(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

int zoneOffsetSeconds(std::int64_t minute)
{
    return QTimeZone::systemTimeZone().offsetFromUtc(
            QDateTime::fromSecsSinceEpoch(minute * 60, Qt::UTC));
}

// A time read without an offset, taken apart by Qt's own reading of dates and clock times.
void checkLocalTime(std::string_view line, const JournalEntry &entry)
{
    const std::string_view time = line.substr(0, line.find(';'));
    if (time.size() != timeWithoutOffsetLength)
        return;
    mustHold(std::abs(zoneOffsetSeconds(entry.glass.minute) - entry.utcOffsetMinutes * 60) <= 30);
    const QString text = QString::fromLatin1(time.data(), static_cast<qsizetype>(time.size()));
    const QDateTime clock(QDate::fromString(text.left(10), u"yyyy-MM-dd"),
                          QTime::fromString(text.mid(11), u"HH:mm"), Qt::UTC);
    mustHold(clock.isValid());
    const std::int64_t localMinute = clock.toSecsSinceEpoch() / 60;
    const std::int64_t shown = entry.glass.minute + entry.utcOffsetMinutes;
    mustHold(
            shown == localMinute
            || (shown > localMinute
                && zoneOffsetSeconds(localMinute - 1440) != zoneOffsetSeconds(localMinute + 1440)));
}

bool hasDigit(std::string_view line)
{
    return std::ranges::any_of(line, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("TZ", "Europe/Paris", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const JournalContents contents = readJournal(bytes);
    for (const JournalEntry &entry : contents.entries) {
        const LoggedGlass &glass = entry.glass;
        mustHold(std::isfinite(glass.volumeCl) && glass.volumeCl >= 0);
        mustHold(std::isfinite(glass.degree) && glass.degree >= 0 && glass.degree <= 100);
    }

    const std::string written = writeJournal(contents.entries);
    const JournalContents again = readJournal(written);
    mustHold(again.entries == contents.entries && again.unreadableLines.empty());
    mustHold(writeJournal(again.entries) == written);

    // Each line alone; a line after the first follows a blank one, so that it is not the
    // file's start, where a byte-order mark is skipped.
    std::vector<JournalEntry> entries;
    std::vector<int> unreadableLines;
    const std::vector<std::string_view> lines = linesOf(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string alone = (i == 0 ? "" : "\n") + std::string(lines[i]);
        const JournalContents read = readJournal(alone);
        const int number = i == 0 ? 1 : 2;
        mustHold(read.entries.size() + read.unreadableLines.size() <= 1);
        if (!read.unreadableLines.empty()) {
            mustHold(read.unreadableLines.front() == number);
            unreadableLines.push_back(static_cast<int>(i) + 1);
        } else if (read.entries.empty()) {
            // The header or a blank line: nothing that could have been a glass.
            mustHold(!hasDigit(lines[i]));
        } else {
            checkLocalTime(lines[i], read.entries.front());
            entries.push_back(read.entries.front());
        }
    }
    std::ranges::stable_sort(entries, {}, [](const JournalEntry &e) { return e.glass.minute; });
    mustHold(entries == contents.entries);
    mustHold(unreadableLines == contents.unreadableLines);
    return 0;
}
