#include "temporary_files.h"

#include "file_location.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view nameCharacters
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t randomPartLength = 6;
constexpr std::time_t leftoverAge = 60;

bool isTemporaryNameOf(std::string_view entry, std::string_view fileName)
{
    if (entry.size() != fileName.size() + 1 + randomPartLength || !entry.starts_with(fileName)
        || entry[fileName.size()] != '.')
        return false;
    const std::string_view randomPart = entry.substr(fileName.size() + 1);
    return std::ranges::all_of(randomPart, [](char c) {
        return nameCharacters.find(c) != std::string_view::npos;
    });
}

} // namespace

int createTemporaryBeside(const std::string &path, std::string *temporaryPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = path + '.';
        for (std::size_t i = 0; i < randomPartLength; ++i)
            name += nameCharacters[QRandomGenerator::global()->bounded(
                    static_cast<quint32>(nameCharacters.size()))];
        const int descriptor = open(name.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            *temporaryPath = name;
            return descriptor;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

void removeLeftoverTemporaries(const std::string &path)
{
    const std::string folder = folderOf(path);
    const std::string fileName = path.substr(folder.size());
    DIR *directory = opendir(folder.empty() ? "." : folder.c_str());
    if (directory == nullptr)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = readdir(directory)) {
        struct stat status = {};
        if (isTemporaryNameOf(entry->d_name, fileName)
            && fstatat(dirfd(directory), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(status.st_mode) && status.st_uid == geteuid()
            && now - status.st_mtime > leftoverAge)
            unlinkat(dirfd(directory), entry->d_name, 0);
    }
    closedir(directory);
}
