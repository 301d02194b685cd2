// Whatever stands at Defaut.dat, start-up gets the values a plain reading of its bytes gives, or
// the factory ones, and the save either replaces the file with the values it was given or
// refuses; and neither changes any file but Defaut.dat and the program's own temporary files.
//
// The first input bytes choose what stands there: a chain of up to five links, each owned by
// the user, root or another user; at its end a file of the user's, a file of another user's
// reached by a hard link, a FIFO, a folder, a device, a file without rights, or nothing; the
// folder's mode (shared with others or not, sticky or not); the file mode mask; leftovers of
// killed saves (old and fresh) and files named like them. The rest is the file's content.
//
// Run as root, the target plants as root and runs start-up and the save as a plain user, so that
// the three owners differ; otherwise every owner is the user. Nothing may block: run with
// libFuzzer's -timeout, a read that waits on a FIFO or a device shows as a timeout.
#include "defaults/defaults_file.h"
#include "defaults/defaults_format.h"

#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

enum class Owner : std::uint8_t { User, Root, Other };

enum class End : std::uint8_t {
    UserFile,
    OtherUsersFile, // a hard link to a file of another user, readable by all
    Fifo,
    Folder,
    Device,
    FileWithoutRights,
    Nothing,
    Count
};

constexpr std::size_t headerSize = 6;
constexpr int mostLinks = 5;
constexpr const char *defaultsName = "Defaut.dat";
constexpr const char *endName = "ailleurs.dat";
constexpr const char *othersFile = "../autre/fichier";
constexpr std::array<mode_t, 5> masks = {022, 077, 0277, 0, 002};
// Names only the user gave: they must survive start-up and the save, whatever their age.
constexpr std::array<const char *, 4> lookAlikes = {"Defaut.dat.backup", "Defaut.dat.202401",
                                                    "Defaut.dat.a1B2c3",
                                                    ".Defaut.dat.sobrimetre-a1B2c"};

uid_t user = 0;
uid_t other = 0;

// Aborts, naming the check that failed, so that a finding tells what went wrong; as root again,
// so that libFuzzer can write the input that failed.
void mustHold(bool condition, int line = __builtin_LINE())
{
    if (condition)
        return;
    if (getuid() == 0)
        seteuid(0);
    std::fprintf(stderr, "check failed at line %d\n", line);
    std::abort();
}

struct Case
{
    int links = 0;
    std::array<Owner, mostLinks> owners{};
    End end = End::UserFile;
    bool folderShared = false;
    bool folderSticky = false;
    mode_t mask = 022;
    bool leftovers = false;
    bool withLookAlikes = false;
    std::string_view content;
};

Case caseOf(const std::uint8_t *data, std::size_t size)
{
    Case planted;
    planted.links = data[0] % (mostLinks + 1);
    const unsigned ownerBits = data[1] | (data[2] << 8U);
    for (int i = 0; i < mostLinks; ++i)
        planted.owners[i] = static_cast<Owner>(((ownerBits >> (2 * i)) & 3U) % 3);
    planted.end = static_cast<End>(data[3] % static_cast<std::uint8_t>(End::Count));
    planted.folderShared = (data[4] & 1U) != 0;
    planted.folderSticky = (data[4] & 2U) != 0;
    planted.leftovers = (data[4] & 4U) != 0;
    planted.withLookAlikes = (data[4] & 8U) != 0;
    planted.mask = masks[data[5] % masks.size()];
    planted.content = {reinterpret_cast<const char *>(data) + headerSize, size - headerSize};
    return planted;
}

uid_t uidOf(Owner owner)
{
    switch (owner) {
    case Owner::Root:
        return 0;
    case Owner::Other:
        return other;
    case Owner::User:
        break;
    }
    return user;
}

void writeWhole(const char *path, std::string_view bytes, mode_t mode, uid_t owner)
{
    const int file = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    mustHold(file >= 0);
    mustHold(write(file, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    mustHold(fchmod(file, mode) == 0 && fchown(file, owner, owner) == 0 && close(file) == 0);
}

void makeOld(const char *path)
{
    const std::array<timespec, 2> twoMinutesAgo = {timespec{time(nullptr) - 120, 0},
                                                   timespec{time(nullptr) - 120, 0}};
    mustHold(utimensat(AT_FDCWD, path, twoMinutesAgo.data(), AT_SYMLINK_NOFOLLOW) == 0);
}

std::string contentOf(const char *path)
{
    std::string bytes;
    const int file = open(path, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0)
        return "(none)";
    std::array<char, 4096> buffer{};
    ssize_t count = 0;
    while ((count = read(file, buffer.data(), buffer.size())) > 0)
        bytes.append(buffer.data(), static_cast<std::size_t>(count));
    close(file);
    return bytes;
}

// What one entry is: its type, owner and mode, with its content or where it leads.
std::string describe(const char *path)
{
    struct stat status = {};
    if (lstat(path, &status) != 0)
        return "(none)";
    std::string description = std::to_string(status.st_mode) + ' ' + std::to_string(status.st_uid)
                              + ' ' + std::to_string(status.st_nlink) + ' ';
    if (S_ISREG(status.st_mode))
        return description + contentOf(path);
    if (S_ISLNK(status.st_mode)) {
        std::array<char, 256> target{};
        const ssize_t length = readlink(path, target.data(), target.size());
        return description + std::string(target.data(), length > 0 ? length : 0);
    }
    return description;
}

// Every entry of the folder, and the other user's file.
std::map<std::string, std::string> snapshot()
{
    std::map<std::string, std::string> entries;
    DIR *folder = opendir(".");
    mustHold(folder != nullptr);
    while (const dirent *entry = readdir(folder)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            entries[entry->d_name] = describe(entry->d_name);
    }
    closedir(folder);
    entries[othersFile] = describe(othersFile);
    return entries;
}

void clearFolder()
{
    DIR *folder = opendir(".");
    mustHold(folder != nullptr);
    while (const dirent *entry = readdir(folder)) {
        if (unlink(entry->d_name) != 0 && errno == EISDIR)
            rmdir(entry->d_name);
    }
    closedir(folder);
}

// The file the save replaces: at the end of the chain, Defaut.dat itself without links.
std::string endEntryOf(const Case &planted)
{
    return planted.links == 0 ? defaultsName : endName;
}

// What a save of that file killed two minutes ago, or just now, leaves behind.
std::string oldLeftoverOf(const Case &planted)
{
    return '.' + endEntryOf(planted) + ".sobrimetre-a1B2c3";
}

std::string freshLeftoverOf(const Case &planted)
{
    return '.' + endEntryOf(planted) + ".sobrimetre-d4E5f6";
}

// The name the chain's i-th link bears, the first being Defaut.dat itself.
std::string linkName(int i)
{
    return i == 0 ? std::string(defaultsName) : "lien" + std::to_string(i);
}

void plantEnd(const Case &planted, const char *name)
{
    switch (planted.end) {
    case End::UserFile:
        writeWhole(name, planted.content, 0644, user);
        break;
    case End::FileWithoutRights:
        writeWhole(name, planted.content, 0, user);
        break;
    case End::OtherUsersFile:
        writeWhole(othersFile, planted.content, 0644, other);
        mustHold(link(othersFile, name) == 0);
        break;
    case End::Fifo:
        mustHold(mkfifo(name, 0644) == 0 && lchown(name, user, user) == 0);
        break;
    case End::Folder:
        mustHold(mkdir(name, 0755) == 0 && lchown(name, user, user) == 0);
        break;
    case End::Device:
        mustHold(mknod(name, S_IFCHR | 0666, makedev(1, 5)) == 0);
        break;
    case End::Nothing:
    case End::Count:
        break;
    }
}

void plant(const Case &planted)
{
    mode_t folderMode = planted.folderShared ? 0777 : 0755;
    if (planted.folderSticky)
        folderMode |= S_ISVTX;
    mustHold(chmod(".", folderMode) == 0);
    for (int i = 0; i < planted.links; ++i) {
        const std::string name = linkName(i);
        const std::string target = i + 1 < planted.links ? linkName(i + 1) : endName;
        mustHold(symlink(target.c_str(), name.c_str()) == 0);
        mustHold(lchown(name.c_str(), uidOf(planted.owners[i]), uidOf(planted.owners[i])) == 0);
    }
    plantEnd(planted, endEntryOf(planted).c_str());
    if (planted.leftovers) {
        for (const std::string &leftover : {oldLeftoverOf(planted), freshLeftoverOf(planted)})
            writeWhole(leftover.c_str(), "restes", 0600, user);
        makeOld(oldLeftoverOf(planted).c_str());
    }
    if (planted.withLookAlikes) {
        for (const char *name : lookAlikes) {
            writeWhole(name, "copie", 0644, user);
            makeOld(name);
        }
    }
}

bool chainIsTrusted(const Case &planted)
{
    for (int i = 0; i < planted.links; ++i) {
        if (planted.owners[i] == Owner::Other)
            return false;
    }
    return true;
}

// Whether the user may read and replace what stands at the end of the chain.
bool endIsUsable(End end)
{
    return end == End::UserFile || end == End::Nothing;
}

// Cases that only root can plant.
bool needsRoot(const Case &planted)
{
    for (int i = 0; i < planted.links; ++i) {
        if (planted.owners[i] != Owner::User)
            return true;
    }
    return planted.end == End::OtherUsersFile || planted.end == End::Device;
}

bool endIsReadable(End end)
{
    return endIsUsable(end) || end == End::OtherUsersFile;
}

// Runs what the user does under the chosen mask and as the user, then comes back to root.
template<typename Action>
auto asUser(mode_t mask, Action action)
{
    const mode_t previousMask = umask(mask);
    mustHold(seteuid(user) == 0);
    auto result = action();
    mustHold(getuid() != 0 || seteuid(0) == 0);
    umask(previousMask);
    return result;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // A folder in memory where there is one: the save forces its file to the disk each time.
    static std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm/fuzz_file_layer.XXXXXX"
                                                            : "/tmp/fuzz_file_layer.XXXXXX";
    mustHold(mkdtemp(base.data()) != nullptr && chmod(base.c_str(), 0755) == 0);
    const bool root = getuid() == 0;
    user = root ? 52001 : getuid();
    other = root ? 65534 : getuid();
    const std::string folder = base + "/dossier";
    const std::string others = base + "/autre";
    mustHold(mkdir(folder.c_str(), 0755) == 0 && chown(folder.c_str(), user, user) == 0);
    mustHold(mkdir(others.c_str(), 0755) == 0 && chown(others.c_str(), other, other) == 0);
    mustHold(chdir(folder.c_str()) == 0);
    // libFuzzer ends through exit() once its runs are done; after a finding the folder stays.
    std::atexit([] {
        clearFolder();
        unlink(othersFile);
        rmdir((base + "/dossier").c_str());
        rmdir((base + "/autre").c_str());
        rmdir(base.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < headerSize)
        return 0;
    const Case planted = caseOf(data, size);
    if (getuid() != 0 && needsRoot(planted))
        return 0;
    clearFolder();
    unlink(othersFile);
    plant(planted);
    const std::map<std::string, std::string> before = snapshot();

    const bool trusted = chainIsTrusted(planted);
    const bool readable = trusted && endIsReadable(planted.end);
    const bool usable = trusted && endIsUsable(planted.end);
    const std::string endEntry = endEntryOf(planted);
    DefaultsRecord expected;
    if (readable)
        readDefaults(planted.end == End::Nothing ? std::string_view() : planted.content, expected);

    const DefaultsRecord read = asUser(planted.mask, [] { return readDefaultsFile(); });
    mustHold(read == expected);
    std::map<std::string, std::string> afterStartUp = snapshot();
    std::map<std::string, std::string> expectedAfterStartUp = before;
    if (readable)
        expectedAfterStartUp.erase(oldLeftoverOf(planted));
    if (trusted && planted.end == End::Nothing) {
        // Created empty, the user's, with read and write rights for the user whatever the mask.
        struct stat status = {};
        mustHold(lstat(endEntry.c_str(), &status) == 0 && S_ISREG(status.st_mode)
                 && status.st_uid == user && status.st_size == 0
                 && (status.st_mode & (S_IRUSR | S_IWUSR)) == (S_IRUSR | S_IWUSR));
        expectedAfterStartUp[endEntry] = afterStartUp[endEntry];
    }
    mustHold(afterStartUp == expectedAfterStartUp);

    struct stat endAfterStartUp = {};
    lstat(endEntry.c_str(), &endAfterStartUp);
    const mode_t modeAfterStartUp = endAfterStartUp.st_mode;
    QString reason;
    const bool saved = asUser(planted.mask,
                              [&read, &reason] { return saveDefaults(read, &reason); });
    mustHold(saved == usable && saved == reason.isEmpty());
    std::map<std::string, std::string> afterSave = snapshot();
    if (saved) {
        // The values given, in a file of the user's that keeps the old one's permissions, with
        // read and write rights for the user.
        struct stat status = {};
        mustHold(lstat(endEntry.c_str(), &status) == 0 && S_ISREG(status.st_mode)
                 && status.st_uid == user);
        mustHold((status.st_mode & 07777) == ((modeAfterStartUp & 0777) | S_IRUSR | S_IWUSR));
        mustHold(contentOf(endEntry.c_str()) == writeDefaults(read));
        afterSave.erase(endEntry);
        afterStartUp.erase(endEntry);
    }
    mustHold(afterSave == afterStartUp);
    return 0;
}
