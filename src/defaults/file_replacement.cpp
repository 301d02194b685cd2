#include "file_replacement.h"

#include "regular_file.h"
#include "system_reason.h"
#include "temporary_files.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Naming { Replace, OnlyWhereFree };

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

// Gives the temporary file its final name, in one step either way.
bool giveName(int folder, const std::string &temporaryName, const std::string &name, Naming naming)
{
    if (naming == Naming::Replace)
        return renameat(folder, temporaryName.c_str(), folder, name.c_str()) == 0;
    if (renameat2(folder, temporaryName.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system that cannot rename without replacing gives the file a second name, which is
    // refused as well where one stands; the temporary one goes then.
    if (errno != EINVAL || linkat(folder, temporaryName.c_str(), folder, name.c_str(), 0) != 0)
        return false;
    unlinkat(folder, temporaryName.c_str(), 0);
    return true;
}

// The file's data reach the disk before its name does, so that a power cut leaves either the
// old file or the whole new one. The new file gets its permissions only once written, so that it
// is private to its owner until then.
int putFile(int folder, const std::string &savedFileName, const std::string &name,
            const std::string &bytes, mode_t mode, Naming naming)
{
    std::string temporaryName;
    Descriptor temporary(createTemporaryIn(folder, savedFileName, &temporaryName));
    if (temporary.get() < 0)
        return errno;
    if (writeAll(temporary.get(), bytes)
        && fchmod(temporary.get(), (mode & 0777) | ownerReadWrite) == 0
        && fsync(temporary.get()) == 0 && temporary.closeNow()
        && giveName(folder, temporaryName, name, naming)) {
        syncFolder(folder);
        return 0;
    }
    const int error = errno;
    unlinkat(folder, temporaryName.c_str(), 0);
    return error;
}

} // namespace

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
    const int error = putFile(folder, file.name, file.name, bytes, mode, Naming::Replace);
    return error == 0 ? QString() : systemReason(error);
}

int addNewFile(int folder, const std::string &savedFileName, const std::string &name,
               const std::string &bytes, mode_t mode)
{
    return putFile(folder, savedFileName, name, bytes, mode, Naming::OnlyWhereFree);
}
