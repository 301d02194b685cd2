// Reading the user's files by descriptor, for Defaut.dat and the evening's journal alike: a file
// is opened at its name in the folder held open, never through a link and never waiting, so that
// a FIFO or a device is only seen for what it is, and only a regular file is read.
#pragma once

#include "descriptor.h"

#include <QString>

#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/types.h>

inline constexpr mode_t ownerReadWrite = 0600;

struct OpenedFile
{
    Descriptor file; // open for reading; -1 when missing or refused
    bool missing = false; // nothing stands at the name
    QString failure; // why what stands there cannot be read; empty when opened or missing
};

// name in folder, which messages call path, opened with access (O_RDONLY or O_RDWR).
OpenedFile openRegularFile(int folder, const std::string &name, const std::string &path,
                           int access = O_RDONLY);

// The first bytes of the open file, at most limit of them; nullopt with errno set on failure.
std::optional<std::string> readUpTo(int descriptor, std::size_t limit);

// Creates name in folder, empty, with the permissions of a new file and read and write rights
// for its owner whatever the mask; false with errno set when it cannot, EEXIST when something
// stands there.
bool createEmptyFile(int folder, const std::string &name);

// The permission bits a new file gets under the process's file mode mask.
mode_t newFileMode();

QString notRegularReason(const std::string &path);
