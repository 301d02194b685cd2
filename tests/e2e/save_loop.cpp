// The victim's side of the link race (link_race.sh): saves the usual values to Defaut.dat in the
// current directory, as the main window's save command does, and puts one glass in the evening's
// journal, Soiree.csv, as a change of the journal does, again and again for the given number of
// seconds, and tells how many of each went through and how many were refused.
#include "defaults/defaults_file.h"
#include "defaults/defaults_record.h"
#include "defaults/journal_file.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_loop SECONDS\n");
        return 2;
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[1]));
    DefaultsRecord record;
    record.weight = "72";
    const JournalEntry glass = journalEntryAt({29947380, DrinkCategory::V, 12, 11});
    long saved = 0;
    long refused = 0;
    long updated = 0;
    long updatesRefused = 0;
    while (std::chrono::steady_clock::now() < end) {
        ++(saveDefaults(record, nullptr) ? saved : refused);
        const JournalUpdate update = updateJournalFile(
                [&glass](std::vector<JournalEntry> &entries) { entries = {glass}; });
        ++(update.failure.isEmpty() ? updated : updatesRefused);
    }
    std::printf("%ld saves, %ld refused; %ld journal updates, %ld refused\n", saved, refused,
                updated, updatesRefused);
    return saved > 0 && updated > 0 ? 0 : 1;
}
