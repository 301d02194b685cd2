// Defaut.dat in the current directory, where the main window keeps the user's usual values:
// start-up and the reload command read it, the save command writes it. The bytes themselves
// are those of defaults/format/defaults_format.h.
#pragma once

#include "defaults/format/defaults_record.h"

#include <QString>

inline const QString defaultsFileName = QStringLiteral("Defaut.dat");

// Fills record from Defaut.dat, creating the file empty when there is none; values the file
// does not hold keep what record held. Returns false, with record untouched, when the file
// cannot be opened or read; start-up goes on silently either way.
bool readDefaultsFile(DefaultsRecord &record);

// Writes the whole file beside the old one and puts it in the old one's place in one step, so
// the saved values are either all new or all as before. On failure returns false with the
// system's reason in *reason; the old file is then left as it was.
bool saveDefaults(const DefaultsRecord &record, QString *reason);
