// The bytes of Soiree.csv, the evening's journal: UTF-8 text, a first line
// "heure;boisson;volume_cl;degre", then one glass a line, in time order:
//     2026-12-09 20:00+01:00;V;12;11
//     2026-12-09 21:15+01:00;B;25;5,5
// the local time the glass was drunk with the clock's offset from UTC then, the category's
// letter (K, B, A, V, D, C), the volume in centilitres and the degree, both with a decimal comma
// and in the shortest form that reads back as the same number. Glasses of the same minute keep
// the order they were given in. Lines end with a line feed, and the file with the last one.
//
// Reading is kinder, as a spreadsheet or an editor may have saved the file: a byte-order mark
// at the start is skipped, a carriage return before a line feed is dropped, a line of spaces
// alone is blank and skipped, and so is the first line's text wherever it stands, which may
// also be missing. A number may take a decimal point instead of the comma; a time may come
// without its offset, and is then the local time of the system's zone as local_time.h reads it.
// Any other line is unreadable: not four fields split by ";", a time that is not a date and a
// clock time of that shape (2026-02-30, 24:00, 9:05 are not), an offset other than +HH:MM or
// -HH:MM, a letter that is no category's, a number that is not ASCII digits with at most one
// decimal comma or point and digits after it (no sign, exponent, blank, "inf" or "nan"), one
// beyond the range of a double, or a degree over 100. Such a line gives no glass, and its
// number is reported so that the user hears which lines were skipped.
#pragma once

#include "engine/logged_glass.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view journalHeader = "heure;boisson;volume_cl;degre";

struct JournalEntry
{
    LoggedGlass glass;
    // The offset from UTC of the local time the line shows, so that a line read is written back
    // as it was.
    int utcOffsetMinutes = 0;

    bool operator==(const JournalEntry &) const = default;
};

struct JournalContents
{
    std::vector<JournalEntry> entries; // in time order
    std::vector<int> unreadableLines; // ascending, the first line of the file being line 1
};

JournalContents readJournal(std::string_view bytes);

// The whole file for entries, which it puts in time order first. A volume or degree that could
// not be read (negative, over 100, infinite) is written as it is, to be read back as an
// unreadable line.
std::string writeJournal(std::vector<JournalEntry> entries);

// The entry of glass, shown at the local time of its minute.
JournalEntry journalEntryAt(const LoggedGlass &glass);

// Sorts by minute; entries of the same minute keep their order.
void putInTimeOrder(std::vector<JournalEntry> &entries);
