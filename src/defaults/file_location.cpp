#include "file_location.h"

#include "system_reason.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// As many links in a row as the system itself follows before it reports a loop.
constexpr int mostLinksInARow = 40;

bool isTrustedOwner(uid_t owner)
{
    return owner == geteuid() || owner == 0;
}

// The folder part of path, with its final "/", or "" for a bare name.
std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Where the link opened as link leads; empty on failure, errno set.
std::string linkTarget(const Descriptor &link)
{
    std::array<char, PATH_MAX> target{};
    const ssize_t length = readlinkat(link.get(), "", target.data(), target.size());
    if (length < 0)
        return {};
    if (static_cast<std::size_t>(length) >= target.size()) {
        errno = ENAMETOOLONG;
        return {};
    }
    return {target.data(), static_cast<std::size_t>(length)};
}

FileLocation refused(QString reason)
{
    FileLocation location;
    location.refusal = std::move(reason);
    return location;
}

} // namespace

FileLocation locateFile(const std::string &name)
{
    FileLocation location;
    location.folder = Descriptor(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (location.folder.get() < 0)
        return refused(systemReason(errno));
    location.name = name;
    location.path = name;
    for (int links = 0; links <= mostLinksInARow; ++links) {
        const Descriptor entry(openat(location.folder.get(), location.name.c_str(),
                                      O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat status = {};
        // Whatever stands in the way of looking (no such file, a folder without rights) is met
        // again, with its own reason, by the reading or the saving that follows.
        if (entry.get() < 0 || fstat(entry.get(), &status) != 0 || !S_ISLNK(status.st_mode))
            return location;
        if (!isTrustedOwner(status.st_uid))
            return refused(u"le lien symbolique %1 appartient à un autre utilisateur."_s.arg(
                    QFile::decodeName(location.path.c_str())));
        const std::string target = linkTarget(entry);
        if (target.empty())
            return refused(systemReason(errno));
        // A relative target starts from the link's own folder, the one held open.
        const std::string targetFolder = folderOf(target);
        if (!targetFolder.empty()) {
            location.folder = Descriptor(openat(location.folder.get(), targetFolder.c_str(),
                                                O_PATH | O_DIRECTORY | O_CLOEXEC));
            if (location.folder.get() < 0)
                return refused(systemReason(errno));
        }
        location.path = target.starts_with('/') ? target : folderOf(location.path) + target;
        location.name = target.substr(targetFolder.size());
        // A link to a folder ("dossier/") names the folder itself.
        if (location.name.empty())
            location.name = ".";
    }
    return refused(systemReason(ELOOP));
}

QString absolutePathOf(const std::string &path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(QFile::decodeName(path.c_str())));
}
