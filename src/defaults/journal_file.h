// Soiree.csv, the evening's journal, beside Defaut.dat in the current directory: a link to it is
// followed as file_location.h tells, and it is read and replaced the way Defaut.dat is
// (regular_file.h, file_replacement.h); its bytes are those of journal_format.h.
//
// Several running copies of the program may share the file. Each change is made under the
// file's lock to what the file holds at that moment, so that no copy loses another's glasses;
// a copy hears of the others' changes by watching journalFilePath().
#pragma once

#include "journal_format.h"

#include <QString>

#include <functional>
#include <vector>

extern const QString journalFileName;

struct JournalReading
{
    JournalContents contents;
    // Why the file could not be read, in French; empty when it was, or when there is none.
    QString failure;
};

// What the file holds. A missing file is an empty journal, and is not created. Anything else
// that cannot be read as a regular file (a refused link, a file without read rights, a folder, a
// FIFO, a file of more than 16 MiB) is a failure, never an empty journal. Never waits on the
// file.
JournalReading readJournalFile();

using JournalChange = std::function<void(std::vector<JournalEntry> &)>;

struct JournalUpdate
{
    std::vector<JournalEntry> entries; // what the file holds now, in time order
    QString failure; // why the file was left as it was, in French; empty on success
    QString keptCopy; // the absolute path of the copy of unreadable lines it made, if it made one
};

// Takes the file's lock, reads the entries the file holds, applies change to them and writes
// them back in place of the file (creating it when there is none), so that the file holds
// either all of the change or none of it. Lines that cannot be read are not written back:
// the file's bytes are kept first as Soiree.csv.illisible beside it, or as
// Soiree.csv.illisible.2, .3... when that name holds other bytes, unless one of them holds
// these already; the file is left as it was when they cannot be. Waits at most 3 seconds for
// the lock, which another copy holds only while it writes, but which anyone who may read the
// file can take and keep.
JournalUpdate updateJournalFile(const JournalChange &change);

// The absolute path of the file, at the end of the user's links: what a running copy watches to
// reload. Each update puts a new file in the place of the old one, so a watcher of the file
// itself must watch it again after each change, or watch its folder.
QString journalFilePath();

// Removes the leftovers of killed updates of the journal and of its copies, as
// temporary_files.h tells, beside the file.
void removeJournalLeftovers();
