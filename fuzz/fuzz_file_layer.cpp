// Whatever stands at Defaut.dat, start-up gets the values a plain reading of its bytes gives, or
// the factory ones, and the save either replaces a regular file with the values it was given or
// refuses and leaves everything as it was. The first input byte chooses what stands there, the
// rest is the file's content. Nothing may block: run with libFuzzer's -timeout, a read that
// waits on a FIFO or a device shows as a timeout.
#include "defaults/defaults_file.h"
#include "defaults/defaults_format.h"

#include <QFile>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

enum class Kind : std::uint8_t {
    RegularFile,
    Fifo,
    OwnLink,
    ForeignLink,
    Folder,
    FileWithoutRights,
    LinkToDevice,
    DanglingOwnLink,
    Count
};

constexpr const char *defaultsName = "Defaut.dat";
constexpr const char *elsewhere = "ailleurs.dat";
constexpr const char *device = "zero";
constexpr uid_t nobody = 65534;

// Aborts, naming the check that failed, so that a finding tells what went wrong.
void mustHold(bool condition, int line = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}

void writeWhole(const char *path, std::string_view bytes, mode_t mode)
{
    const int file = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    mustHold(file >= 0);
    mustHold(write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    mustHold(fchmod(file, mode) == 0 && close(file) == 0);
}

std::string contentOf(const char *path)
{
    std::string bytes;
    const int file = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return "(none)";
    std::array<char, 4096> buffer{};
    ssize_t count = 0;
    while ((count = read(file, buffer.data(), buffer.size())) > 0)
        bytes.append(buffer.data(), static_cast<std::size_t>(count));
    close(file);
    return bytes;
}

bool isKind(const char *path, mode_t type)
{
    struct stat status = {};
    return lstat(path, &status) == 0 && (status.st_mode & S_IFMT) == type;
}

void clearFolder()
{
    unlink(defaultsName);
    rmdir(defaultsName);
    unlink(elsewhere);
    unlink(device);
}

void plant(Kind kind, std::string_view content)
{
    switch (kind) {
    case Kind::RegularFile:
        writeWhole(defaultsName, content, 0644);
        break;
    case Kind::FileWithoutRights:
        writeWhole(defaultsName, content, 0);
        break;
    case Kind::Fifo:
        mustHold(mkfifo(defaultsName, 0644) == 0);
        break;
    case Kind::Folder:
        mustHold(mkdir(defaultsName, 0755) == 0);
        break;
    case Kind::LinkToDevice:
        // Root gets a device node of its own, so that a save that wrote through the link could
        // not replace /dev/zero itself.
        if (geteuid() == 0)
            mustHold(mknod(device, S_IFCHR | 0666, makedev(1, 5)) == 0);
        mustHold(symlink(geteuid() == 0 ? device : "/dev/zero", defaultsName) == 0);
        break;
    case Kind::OwnLink:
    case Kind::ForeignLink:
        writeWhole(elsewhere, content, 0644);
        mustHold(symlink(elsewhere, defaultsName) == 0);
        if (kind == Kind::ForeignLink)
            mustHold(lchown(defaultsName, nobody, nobody) == 0);
        break;
    case Kind::DanglingOwnLink:
        mustHold(symlink(elsewhere, defaultsName) == 0);
        break;
    case Kind::Count:
        break;
    }
}

// Whether the values of the planted file are to be read and the file replaced by a save.
bool isUsable(Kind kind)
{
    switch (kind) {
    case Kind::RegularFile:
    case Kind::OwnLink:
    case Kind::DanglingOwnLink:
        return true;
    case Kind::FileWithoutRights:
        // Permission bits do not stop root.
        return geteuid() == 0;
    default:
        return false;
    }
}

// What the folder holds, as far as a failed save must leave it alone.
std::string snapshot()
{
    std::string state;
    for (const mode_t type : {S_IFREG, S_IFIFO, S_IFDIR, S_IFLNK})
        state += isKind(defaultsName, type) ? '1' : '0';
    return state + contentOf(elsewhere)
           + contentOf(isKind(defaultsName, S_IFREG) ? defaultsName : elsewhere);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A folder in memory where there is one: the save forces its file to the disk each time.
    static std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz_file_layer.XXXXXX"
                                                              : "/tmp/fuzz_file_layer.XXXXXX";
    mustHold(mkdtemp(folder.data()) != nullptr && chdir(folder.c_str()) == 0);
    // libFuzzer ends through exit() once its runs are done; after a finding the folder stays.
    std::atexit([] {
        clearFolder();
        rmdir(folder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto kind = static_cast<Kind>(data[0] % static_cast<std::uint8_t>(Kind::Count));
    if (kind == Kind::ForeignLink && geteuid() != 0)
        return 0;
    const std::string_view content(reinterpret_cast<const char *>(data) + 1, size - 1);
    clearFolder();
    plant(kind, content);
    const std::string planted = snapshot();

    DefaultsRecord expected;
    if (isUsable(kind))
        readDefaults(kind == Kind::DanglingOwnLink ? std::string_view() : content, expected);
    const DefaultsRecord read = readDefaultsFile();
    mustHold(read == expected);
    if (kind == Kind::DanglingOwnLink)
        mustHold(isKind(elsewhere, S_IFREG) && contentOf(elsewhere).empty());
    else
        mustHold(snapshot() == planted);

    const std::string beforeSave = snapshot();
    QString reason;
    const bool saved = saveDefaults(read, &reason);
    mustHold(saved == isUsable(kind) && saved == reason.isEmpty());
    if (saved) {
        DefaultsRecord again;
        readDefaults(writeDefaults(read), again);
        mustHold(readDefaultsFile() == again);
        mustHold(access(defaultsName, R_OK | W_OK) == 0);
    } else {
        mustHold(snapshot() == beforeSave);
    }
    return 0;
}
