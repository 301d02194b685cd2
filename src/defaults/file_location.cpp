#include "file_location.h"

#include <QFile>

#include <array>
#include <cerrno>
#include <climits>

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

// Where the link at path leads, relative to the link's own folder; empty on failure, errno set.
std::string linkTarget(const std::string &path)
{
    std::array<char, PATH_MAX> target{};
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length < 0)
        return {};
    if (static_cast<std::size_t>(length) >= target.size()) {
        errno = ENAMETOOLONG;
        return {};
    }
    std::string resolved(target.data(), static_cast<std::size_t>(length));
    return resolved.starts_with('/') ? resolved : folderOf(path) + resolved;
}

} // namespace

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

QString systemReason(int error)
{
    return qt_error_string(error);
}

FileLocation locateFile(const std::string &name)
{
    std::string path = name;
    for (int links = 0; links <= mostLinksInARow; ++links) {
        struct stat status = {};
        // Whatever stands in the way of looking (no such file, no folder any more) is met again,
        // with its own reason, by the reading or the saving that follows.
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return {path, {}};
        if (!isTrustedOwner(status.st_uid))
            return {{},
                    u"le lien symbolique %1 appartient à un autre utilisateur."_s.arg(
                            QFile::decodeName(path.c_str()))};
        path = linkTarget(path);
        if (path.empty())
            return {{}, systemReason(errno)};
    }
    return {{}, systemReason(ELOOP)};
}
