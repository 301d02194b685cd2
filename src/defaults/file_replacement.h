// Writing the user's files so that none is ever seen half-written, for Defaut.dat and the
// evening's journal alike: the new bytes go to a temporary file beside the old one
// (temporary_files.h), private to its owner until they are all written and on the disk, which
// then takes its final name in one step, and the folder is forced to the disk after it.
#pragma once

#include "file_location.h"

#include <QString>

#include <string>

#include <sys/types.h>

// Puts a file holding bytes in place of the one located; the reason on failure, with the old
// file as it was and no temporary file left, or an empty text on success. The new file keeps
// the old one's permissions, or takes those of a new file, always with read and write rights for
// its owner. Refuses anything but a regular file, and a file the user may not write.
QString replaceFile(const FileLocation &file, const std::string &bytes);

// Writes a file holding bytes at name in folder, with mode and read and write rights for its
// owner, but only where nothing stands: a name taken meanwhile is left as it is. Its temporary
// file is one of savedFileName's, which start-up removes if the program is killed meanwhile.
// 0 on success, else the error number, EEXIST when the name is taken.
int addNewFile(int folder, const std::string &savedFileName, const std::string &name,
               const std::string &bytes, mode_t mode);
