// The save writes the new file under a temporary name beside the old one, then renames it into
// place. The name is hidden and bears the program's mark, ".Defaut.dat.sobrimetre-XXXXXX", so
// that no file of the user's can look like one. A save killed between the two steps (kill -9, a
// power cut) leaves that file behind; start-up removes such leftovers, and nothing else.
#pragma once

#include <string>

// Creates an empty file in the folder open as folder, named after fileName as above, readable
// and writable by its owner alone from its creation on; returns its open descriptor, for
// writing, and its name in *temporaryName, or -1 with errno set.
int createTemporaryIn(int folder, const std::string &fileName, std::string *temporaryName);

// Removes the leftover temporary files of saves of fileName from the folder open as folder:
// regular files of exactly that naming, owned by the user and left alone for more than a minute,
// so that a save in progress in another window of the program keeps its file.
void removeLeftoverTemporaries(int folder, const std::string &fileName);
