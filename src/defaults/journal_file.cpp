#include "journal_file.h"

#include "file_location.h"
#include "file_replacement.h"
#include "regular_file.h"
#include "system_reason.h"
#include "temporary_files.h"

#include <QFile>

#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

const QString journalFileName = u"Soiree.csv"_s;

namespace {

// Half a million glasses: far beyond any evening, far below the memory of any computer.
constexpr std::size_t largestJournalSize = std::size_t(16) << 20;
constexpr auto lockPatience = 3s;
constexpr auto lockRetryPause = 10ms;
constexpr std::string_view copySuffix = ".illisible";
constexpr int mostCopies = 1000;

using Clock = std::chrono::steady_clock;

FileLocation locateJournal()
{
    return locateFile(QFile::encodeName(journalFileName).toStdString());
}

// The whole of the open file, or nullopt with the reason in *failure.
std::optional<std::string> readWhole(int descriptor, QString *failure)
{
    std::optional<std::string> bytes = readUpTo(descriptor, largestJournalSize + 1);
    if (!bytes)
        *failure = systemReason(errno);
    else if (bytes->size() > largestJournalSize)
        *failure = systemReason(EFBIG);
    else
        return bytes;
    return std::nullopt;
}

QString busyReason(const FileLocation &file)
{
    return u"%1 est en cours de modification par un autre programme."_s.arg(
            QFile::decodeName(file.path.c_str()));
}

// Whether the open file is still the one at the file's name: one that another copy of the
// program replaced while this one waited for its lock no longer is.
bool isAtItsName(const FileLocation &file, int descriptor)
{
    struct stat opened = {};
    struct stat named = {};
    return fstat(descriptor, &opened) == 0
           && fstatat(file.folder.get(), file.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0
           && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

struct LockedFile
{
    Descriptor file; // open for reading and writing, locked; -1 on failure
    QString failure;
};

// The file open and locked while it is still the one at its name, created empty when missing so
// that there is one to lock.
LockedFile lockJournal(const FileLocation &file)
{
    const int folder = file.folder.get();
    const Clock::time_point deadline = Clock::now() + lockPatience;
    // Whoever keeps the lock, or keeps putting other files in place, is waited for only so long.
    while (Clock::now() < deadline) {
        // Open for writing too: network file systems take the lock as a lock for writing.
        OpenedFile opened = openRegularFile(folder, file.name, file.path, O_RDWR);
        if (opened.missing) {
            if (!createEmptyFile(folder, file.name) && errno != EEXIST)
                return {Descriptor(), systemReason(errno)};
            continue;
        }
        if (!opened.failure.isEmpty())
            return {Descriptor(), opened.failure};
        const bool busy = flock(opened.file.get(), LOCK_EX | LOCK_NB) != 0;
        if (busy && errno != EWOULDBLOCK && errno != EINTR)
            return {Descriptor(), systemReason(errno)};
        if (!busy && isAtItsName(file, opened.file.get()))
            return {std::move(opened.file), QString()};
        if (busy)
            std::this_thread::sleep_for(lockRetryPause);
    }
    return {Descriptor(), busyReason(file)};
}

// Keeps bytes under the first name of Soiree.csv.illisible, .illisible.2, ... that is free,
// unless one before it holds them already: a name that holds anything else, or that cannot be
// read, is never written over. The reason on failure, else an empty text, with the path of the
// copy in *keptCopy when one was made.
QString keepCopy(const FileLocation &file, const std::string &bytes, mode_t mode, QString *keptCopy)
{
    const int folder = file.folder.get();
    for (int number = 1; number <= mostCopies; ++number) {
        std::string name = file.name + std::string(copySuffix);
        if (number > 1)
            name += '.' + std::to_string(number);
        const std::string path = file.path + name.substr(file.name.size());
        const OpenedFile existing = openRegularFile(folder, name, path);
        if (existing.missing) {
            const int error = addNewFile(folder, file.name, name, bytes, mode);
            if (error == 0)
                *keptCopy = absolutePathOf(path);
            if (error != EEXIST)
                return error == 0 ? QString() : systemReason(error);
        } else if (existing.failure.isEmpty()
                   && readUpTo(existing.file.get(), bytes.size() + 1) == bytes) {
            return {};
        }
    }
    return u"aucun nom n'est libre pour garder une copie de %1."_s.arg(
            QFile::decodeName(file.path.c_str()));
}

} // namespace

JournalReading readJournalFile()
{
    JournalReading reading;
    const FileLocation file = locateJournal();
    if (!file.refusal.isEmpty()) {
        reading.failure = file.refusal;
        return reading;
    }
    const OpenedFile opened = openRegularFile(file.folder.get(), file.name, file.path);
    reading.failure = opened.failure;
    if (opened.file.get() < 0)
        return reading;
    if (const std::optional<std::string> bytes = readWhole(opened.file.get(), &reading.failure))
        reading.contents = readJournal(*bytes);
    return reading;
}

JournalUpdate updateJournalFile(const JournalChange &change)
{
    JournalUpdate update;
    const FileLocation file = locateJournal();
    LockedFile locked = file.refusal.isEmpty() ? lockJournal(file)
                                               : LockedFile{Descriptor(), file.refusal};
    update.failure = locked.failure;
    if (!update.failure.isEmpty())
        return update;
    const std::optional<std::string> bytes = readWhole(locked.file.get(), &update.failure);
    struct stat status = {};
    if (bytes && fstat(locked.file.get(), &status) != 0)
        update.failure = systemReason(errno);
    if (!update.failure.isEmpty())
        return update;
    JournalContents contents = readJournal(*bytes);
    if (!contents.unreadableLines.empty())
        update.failure = keepCopy(file, *bytes, status.st_mode, &update.keptCopy);
    if (!update.failure.isEmpty())
        return update;
    change(contents.entries);
    putInTimeOrder(contents.entries);
    update.failure = replaceFile(file, writeJournal(contents.entries));
    if (update.failure.isEmpty())
        update.entries = std::move(contents.entries);
    return update;
}

QString journalFilePath()
{
    const FileLocation file = locateJournal();
    return absolutePathOf(
            file.refusal.isEmpty() ? file.path : QFile::encodeName(journalFileName).toStdString());
}

void removeJournalLeftovers()
{
    const FileLocation file = locateJournal();
    if (file.refusal.isEmpty())
        removeLeftoverTemporaries(file.folder.get(), file.name);
}
