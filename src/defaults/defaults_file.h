// Defaut.dat in the current directory, where the main window keeps the user's usual values:
// start-up and the reload command read it, the save command writes it. The bytes themselves
// are those of defaults_format.h; a link to the file is followed as file_location.h tells.
#pragma once

#include "defaults_record.h"

#include <QString>

extern const QString defaultsFileName;

// The values Defaut.dat holds, with the factory value for each one it lacks; the file is created
// empty when there is none. Anything that cannot be read as a regular file (a folder, a FIFO, a
// device, a refused link, a file without read rights) holds nothing and is left as it is: all
// the values are then the factory ones. Never waits on the file, never reads past the records,
// and goes on silently either way. Also removes what killed saves of Defaut.dat and of the
// evening's journal left behind.
DefaultsRecord readDefaultsFile();

// Writes the whole file beside the old one and puts it in the old one's place in one step, so
// the saved values are either all new or all as before. The saved file keeps the old one's
// permissions, always with read and write rights for its owner, so that the next start reads it.
// Refuses anything but a regular file. On failure returns false with the reason in *reason; the
// old file is then left as it was. On success *savedPath, when asked for, is the absolute path
// of the file written: Defaut.dat in the current directory, or the file that the user's links
// lead to, as the user would look for it.
bool saveDefaults(const DefaultsRecord &record, QString *reason, QString *savedPath = nullptr);
