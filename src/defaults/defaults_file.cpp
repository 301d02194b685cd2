#include "defaults_file.h"

#include "defaults_format.h"
#include "file_location.h"
#include "temporary_files.h"

#include <QFile>

#include <cerrno>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

const QString defaultsFileName = u"Defaut.dat"_s;

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int descriptor)
        : m_descriptor(descriptor)
    { }
    ~Descriptor()
    {
        if (m_descriptor >= 0)
            close(m_descriptor);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_descriptor; }
    // Closes now, reporting the failure of a write the system had delayed; false with errno set.
    bool closeNow() { return close(std::exchange(m_descriptor, -1)) == 0; }

private:
    int m_descriptor;
};

QString notRegularReason(const std::string &path)
{
    return u"%1 n'est pas un fichier ordinaire."_s.arg(QFile::decodeName(path.c_str()));
}

// The first bytes of the regular file at path, at most limit of them; a missing file is created
// empty and reads as no bytes. Opened without waiting, so that a FIFO or a device is only seen
// for what it is; nullopt for anything but a regular file, and on any failure.
std::optional<std::string> readOrCreate(const std::string &path, std::size_t limit)
{
    const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (file.get() < 0) {
        if (errno == ENOENT) {
            const Descriptor created(
                    open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
            if (created.get() >= 0)
                return std::string();
        }
        return std::nullopt;
    }
    struct stat status = {};
    if (fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::string bytes(limit, '\0');
    std::size_t length = 0;
    while (length < limit) {
        const ssize_t count = read(file.get(), bytes.data() + length, limit - length);
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

// The permissions of the new file: those of the file it replaces or, for a first save, those
// the system gives a new file; always with read and write rights for the owner.
bool setPermissions(int descriptor, const std::optional<mode_t> &oldMode)
{
    struct stat status = {};
    if (!oldMode && fstat(descriptor, &status) != 0)
        return false;
    const mode_t mode = (oldMode ? *oldMode : status.st_mode) & 0777;
    return fchmod(descriptor, mode | S_IRUSR | S_IWUSR) == 0;
}

// Puts a file holding bytes in place of the one at path in one step; the reason on failure,
// with the old file as it was and no temporary file left, or an empty text on success.
QString replaceFile(const std::string &path, const std::string &bytes)
{
    struct stat old = {};
    std::optional<mode_t> oldMode;
    if (lstat(path.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode))
            return notRegularReason(path);
        if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
            return systemReason(errno);
        oldMode = old.st_mode;
    }
    std::string temporaryPath;
    Descriptor file(createTemporaryBeside(path, &temporaryPath));
    if (file.get() < 0)
        return systemReason(errno);
    // The file's data reach the disk before its name does, so that a power cut leaves either the
    // old file or the whole new one.
    if (setPermissions(file.get(), oldMode) && writeAll(file.get(), bytes) && fsync(file.get()) == 0
        && file.closeNow() && rename(temporaryPath.c_str(), path.c_str()) == 0)
        return {};
    const int error = errno;
    unlink(temporaryPath.c_str());
    return systemReason(error);
}

} // namespace

DefaultsRecord readDefaultsFile()
{
    DefaultsRecord record;
    const FileLocation file = locateFile(QFile::encodeName(defaultsFileName).toStdString());
    if (!file.refusal.isEmpty())
        return record;
    const std::optional<std::string> bytes = readOrCreate(file.path, largestDefaultsFileSize);
    if (!bytes)
        return record;
    // Only beside a file that a save may replace: none was ever written elsewhere.
    removeLeftoverTemporaries(file.path);
    readDefaults(*bytes, record);
    return record;
}

bool saveDefaults(const DefaultsRecord &record, QString *reason)
{
    const FileLocation file = locateFile(QFile::encodeName(defaultsFileName).toStdString());
    const QString failure = file.refusal.isEmpty() ? replaceFile(file.path, writeDefaults(record))
                                                   : file.refusal;
    if (!failure.isEmpty() && reason)
        *reason = failure;
    return failure.isEmpty();
}
