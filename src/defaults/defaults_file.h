// Defaut.dat in the current directory, where the main window keeps the user's usual values:
// start-up and the reload command read it, the save command writes it. The bytes themselves
// are those of defaults_format.h.
#pragma once

#include "defaults_record.h"

#include <QString>

extern const QString defaultsFileName;

// The values Defaut.dat holds, with the factory value for each one it lacks; the file is created
// empty when there is none. A file that cannot be opened or read holds nothing: all the values
// are then the factory ones. Start-up goes on silently either way.
DefaultsRecord readDefaultsFile();

// Writes the whole file beside the old one and puts it in the old one's place in one step, so
// the saved values are either all new or all as before. On failure returns false with the
// system's reason in *reason; the old file is then left as it was.
bool saveDefaults(const DefaultsRecord &record, QString *reason);
