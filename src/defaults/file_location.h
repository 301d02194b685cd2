// Where the bytes of a file named in the current directory really are: at that name, or where a
// link of the user's own, or of root, leads, link after link. A link that another user owns is
// not followed, as the kernel's protected-symlinks rule does in shared folders: in a folder that
// others may write to, such a link may have been planted to make a save overwrite one of the
// user's files, or make start-up create a file of the planter's choosing.
#pragma once

#include <QString>

#include <string>

struct FileLocation
{
    // The file to read or to replace; it may not exist yet. Empty when the file is refused.
    std::string path;
    // Why the file is not used, in the user's words, when it is refused.
    QString refusal;
};

FileLocation locateFile(const std::string &name);

// The folder part of path, with its final "/", or "" for a bare name.
std::string folderOf(const std::string &path);

// The system's words for an error number, in the user's language where Qt translates them.
QString systemReason(int error);
