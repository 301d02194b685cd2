#include "defaults_file.h"

#include "defaults_format.h"
#include "file_location.h"
#include "file_replacement.h"
#include "journal_file.h"
#include "regular_file.h"
#include "temporary_files.h"

#include <QFile>

#include <optional>
#include <string>

using namespace Qt::StringLiterals;

const QString defaultsFileName = u"Defaut.dat"_s;

namespace {

// The first bytes of the regular file in place, at most limit of them; a missing file is created
// empty, and reads as no bytes. nullopt for anything but a regular file, and on any failure.
std::optional<std::string> readOrCreate(const FileLocation &file, std::size_t limit)
{
    const OpenedFile opened = openRegularFile(file.folder.get(), file.name, file.path);
    if (opened.missing && createEmptyFile(file.folder.get(), file.name))
        return std::string();
    if (opened.file.get() < 0)
        return std::nullopt;
    return readUpTo(opened.file.get(), limit);
}

} // namespace

DefaultsRecord readDefaultsFile()
{
    // Start-up reads this file first, whether the journal is on or not.
    removeJournalLeftovers();
    DefaultsRecord record;
    const FileLocation file = locateFile(QFile::encodeName(defaultsFileName).toStdString());
    if (!file.refusal.isEmpty())
        return record;
    const std::optional<std::string> bytes = readOrCreate(file, largestDefaultsFileSize);
    if (!bytes)
        return record;
    // Only beside a file that a save may replace: none was ever written elsewhere.
    removeLeftoverTemporaries(file.folder.get(), file.name);
    readDefaults(*bytes, record);
    return record;
}

bool saveDefaults(const DefaultsRecord &record, QString *reason, QString *savedPath)
{
    const FileLocation file = locateFile(QFile::encodeName(defaultsFileName).toStdString());
    const QString failure = file.refusal.isEmpty() ? replaceFile(file, writeDefaults(record))
                                                   : file.refusal;
    if (!failure.isEmpty() && reason)
        *reason = failure;
    if (failure.isEmpty() && savedPath)
        *savedPath = absolutePathOf(file.path);
    return failure.isEmpty();
}
