#include "defaults_file.h"

#include "defaults_format.h"
#include "file_location.h"
#include "system_reason.h"
#include "temporary_files.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fstream>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

const QString defaultsFileName = u"Defaut.dat"_s;

namespace {

constexpr mode_t ownerReadWrite = S_IRUSR | S_IWUSR;

QString notRegularReason(const std::string &path)
{
    return u"%1 n'est pas un fichier ordinaire."_s.arg(QFile::decodeName(path.c_str()));
}

// The permission bits a new file gets under the process's file mode mask. The mask is read, not
// set and put back, so that no other thread ever creates a file under a wrong mask; where it
// cannot be read, a new file is the owner's alone.
mode_t newFileMode()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "Umask:") {
            unsigned mask = 0;
            if (status >> std::oct >> mask)
                return 0666 & ~static_cast<mode_t>(mask);
            break;
        }
    }
    return ownerReadWrite;
}

// The first bytes of the regular file in place, at most limit of them; a missing file is created
// empty, with read and write rights for its owner whatever the mask, and reads as no bytes.
// Opened without waiting, so that a FIFO or a device is only seen for what it is; nullopt for
// anything but a regular file, and on any failure.
std::optional<std::string> readOrCreate(const FileLocation &file, std::size_t limit)
{
    const int folder = file.folder.get();
    const char *name = file.name.c_str();
    const Descriptor opened(openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (opened.get() < 0) {
        if (errno == ENOENT) {
            const Descriptor created(openat(folder, name,
                                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                            0666));
            if (created.get() >= 0) {
                fchmod(created.get(), newFileMode() | ownerReadWrite);
                return std::string();
            }
        }
        return std::nullopt;
    }
    struct stat status = {};
    if (fstat(opened.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::string bytes(limit, '\0');
    std::size_t length = 0;
    while (length < limit) {
        const ssize_t count = read(opened.get(), bytes.data() + length, limit - length);
        if (count > 0)
            length += static_cast<std::size_t>(count);
        else if (count == 0)
            break;
        else if (errno != EINTR)
            return std::nullopt;
    }
    bytes.resize(length);
    return bytes;
}

// Writes bytes in as many calls as the system needs; false with errno set when one fails, as
// when the disk is full or the file would pass the size allowed.
bool writeAll(int descriptor, const std::string &bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
        } else if (count == 0 || errno != EINTR) {
            errno = count == 0 ? EIO : errno;
            return false;
        }
    }
    return true;
}

// Makes the rename of a file in folder last through a power cut. A folder that cannot be forced
// to the disk does not undo the save: its new name is in place.
void syncFolder(int folder)
{
    const Descriptor readable(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (readable.get() >= 0)
        fsync(readable.get());
}

// Puts a file holding bytes in place of the one located; the reason on failure, with the old
// file as it was and no temporary file left, or an empty text on success. The new file keeps
// the old one's permissions, or takes those of a new file, always with read and write rights for
// its owner; it gets them only once written, so that it is private to its owner until then.
QString replaceFile(const FileLocation &file, const std::string &bytes)
{
    const int folder = file.folder.get();
    struct stat old = {};
    mode_t mode = newFileMode();
    if (fstatat(folder, file.name.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!S_ISREG(old.st_mode))
            return notRegularReason(file.path);
        if (faccessat(folder, file.name.c_str(), W_OK, AT_EACCESS) != 0)
            return systemReason(errno);
        mode = old.st_mode;
    }
    std::string temporaryName;
    Descriptor temporary(createTemporaryIn(folder, file.name, &temporaryName));
    if (temporary.get() < 0)
        return systemReason(errno);
    // The file's data reach the disk before its name does, so that a power cut leaves either the
    // old file or the whole new one.
    if (writeAll(temporary.get(), bytes)
        && fchmod(temporary.get(), (mode & 0777) | ownerReadWrite) == 0
        && fsync(temporary.get()) == 0 && temporary.closeNow()
        && renameat(folder, temporaryName.c_str(), folder, file.name.c_str()) == 0) {
        syncFolder(folder);
        return {};
    }
    const int error = errno;
    unlinkat(folder, temporaryName.c_str(), 0);
    return systemReason(error);
}

} // namespace

DefaultsRecord readDefaultsFile()
{
    DefaultsRecord record;
    const FileLocation file = locateFile(QFile::encodeName(defaultsFileName).toStdString());
    if (!file.refusal.isEmpty())
        return record;
    const std::optional<std::string> bytes = readOrCreate(file, largestDefaultsFileSize);
    if (!bytes)
        return record;
    // Only beside a file that a save may replace: none was ever written elsewhere.
    removeLeftoverTemporaries(file.folder.get(), file.name);
    readDefaults(*bytes, record);
    return record;
}

bool saveDefaults(const DefaultsRecord &record, QString *reason, QString *savedPath)
{
    const FileLocation file = locateFile(QFile::encodeName(defaultsFileName).toStdString());
    const QString failure = file.refusal.isEmpty() ? replaceFile(file, writeDefaults(record))
                                                   : file.refusal;
    if (!failure.isEmpty() && reason)
        *reason = failure;
    if (failure.isEmpty() && savedPath)
        *savedPath = QDir::cleanPath(
                QDir::current().absoluteFilePath(QFile::decodeName(file.path.c_str())));
    return failure.isEmpty();
}
