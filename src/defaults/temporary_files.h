// The save writes the new file under a temporary name beside the old one, "<name>.XXXXXX", then
// renames it into place. A save killed between the two (kill -9, a power cut) leaves that file
// behind; start-up removes such leftovers.
#pragma once

#include <string>

// Creates an empty file named path + "." + six random letters or digits, with the usual
// permissions of a new file; returns its open descriptor, for writing, and its name in
// *temporaryPath, or -1 with errno set.
int createTemporaryBeside(const std::string &path, std::string *temporaryPath);

// Removes the leftover temporary files of saves of path: regular files of that naming, owned by
// the user and left alone for more than a minute, so that a save in progress in another window
// of the program keeps its file.
void removeLeftoverTemporaries(const std::string &path);
