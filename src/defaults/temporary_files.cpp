#include "temporary_files.h"

#include "descriptor.h"

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
constexpr std::string_view programMark = ".sobrimetre-";
constexpr std::size_t randomPartLength = 6;
constexpr std::time_t leftoverAge = 60;

std::string temporaryPrefix(const std::string &fileName)
{
    return '.' + fileName + std::string(programMark);
}

bool isTemporaryNameOf(std::string_view entry, const std::string &fileName)
{
    const std::string prefix = temporaryPrefix(fileName);
    if (entry.size() != prefix.size() + randomPartLength || !entry.starts_with(prefix))
        return false;
    return std::ranges::all_of(entry.substr(prefix.size()), [](char c) {
        return nameCharacters.find(c) != std::string_view::npos;
    });
}

} // namespace

int createTemporaryIn(int folder, const std::string &fileName, std::string *temporaryName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryPrefix(fileName);
        for (std::size_t i = 0; i < randomPartLength; ++i)
            name += nameCharacters[QRandomGenerator::global()->bounded(
                    static_cast<quint32>(nameCharacters.size()))];
        const int descriptor = openat(folder, name.c_str(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                      S_IRUSR | S_IWUSR);
        if (descriptor >= 0) {
            *temporaryName = name;
            return descriptor;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

void removeLeftoverTemporaries(int folder, const std::string &fileName)
{
    // The folder held for lookups cannot be listed; it is opened again, for reading, through
    // the same descriptor.
    Descriptor listable(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listable.get() < 0)
        return;
    DIR *directory = fdopendir(listable.get());
    if (directory == nullptr)
        return;
    // closedir closes the descriptor.
    const int descriptor = listable.release();
    const std::time_t now = std::time(nullptr);
    while (const dirent *entry = readdir(directory)) {
        struct stat status = {};
        if (isTemporaryNameOf(entry->d_name, fileName)
            && fstatat(descriptor, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(status.st_mode) && status.st_uid == geteuid()
            && now - status.st_mtime > leftoverAge)
            unlinkat(descriptor, entry->d_name, 0);
    }
    closedir(directory);
}
