#include "regular_file.h"

#include "system_reason.h"

#include <QFile>

#include <cerrno>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

OpenedFile openRegularFile(int folder, const std::string &name, const std::string &path, int access)
{
    OpenedFile opened;
    opened.file = Descriptor(
            openat(folder, name.c_str(), access | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (opened.file.get() < 0) {
        opened.missing = errno == ENOENT;
        if (!opened.missing)
            opened.failure = systemReason(errno);
        return opened;
    }
    struct stat status = {};
    if (fstat(opened.file.get(), &status) != 0)
        opened.failure = systemReason(errno);
    else if (!S_ISREG(status.st_mode))
        opened.failure = notRegularReason(path);
    if (!opened.failure.isEmpty())
        opened.file = Descriptor();
    return opened;
}

std::optional<std::string> readUpTo(int descriptor, std::size_t limit)
{
    std::string bytes(limit, '\0');
    std::size_t length = 0;
    while (length < limit) {
        const ssize_t count = read(descriptor, bytes.data() + length, limit - length);
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

bool createEmptyFile(int folder, const std::string &name)
{
    const Descriptor created(openat(folder, name.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (created.get() < 0)
        return false;
    fchmod(created.get(), newFileMode() | ownerReadWrite);
    return true;
}

// The mask is read, not set and put back, so that no other thread ever creates a file under a
// wrong mask; where it cannot be read, a new file is the owner's alone.
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

QString notRegularReason(const std::string &path)
{
    return u"%1 n'est pas un fichier ordinaire."_s.arg(QFile::decodeName(path.c_str()));
}
