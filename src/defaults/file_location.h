// Where the bytes of a file named in the current directory really are: at that name, or where a
// link of the user's own, or of root, leads, link after link. A link that another user owns is
// not followed, as the kernel's protected-symlinks rule does in shared folders: in a folder that
// others may write to, such a link may have been planted to make a save overwrite one of the
// user's files, or make start-up create a file of the planter's choosing.
//
// The way is walked by descriptor: each link is opened itself, and its owner and its target are
// read from what was opened, so that a link swapped for another between the two cannot lend its
// owner to the other's target. The file's folder is then held open, and the file is read,
// created and replaced relative to it, so that no name is looked up twice.
#pragma once

#include "descriptor.h"

#include <QString>

#include <string>

struct FileLocation
{
    // The folder that holds the file, open for lookups only; -1 when the file is refused.
    Descriptor folder;
    // The file's name in that folder; it may not exist yet.
    std::string name;
    // The file's path from the current directory, as messages name it.
    std::string path;
    // Why the file is not used, in the user's words, when it is refused.
    QString refusal;
};

FileLocation locateFile(const std::string &name);

// path, from the current directory, as an absolute path, as the user would look for the file.
QString absolutePathOf(const std::string &path);
