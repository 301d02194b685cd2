#include "defaults_file.h"

#include "defaults_format.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

const QString defaultsFileName = u"Defaut.dat"_s;

DefaultsRecord readDefaultsFile()
{
    DefaultsRecord record;
    QFile file(defaultsFileName);
    // Read-write only to create a missing file: a saved file the user may only read still
    // holds the usual values.
    if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::ReadOnly))
        return record;
    // Bytes past the records mean nothing, so a huge file is not read whole.
    const QByteArray bytes = file.read(static_cast<qint64>(largestDefaultsFileSize));
    if (file.error() != QFileDevice::NoError)
        return record;
    readDefaults(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                 record);
    return record;
}

namespace {

// Writes bytes in as many calls as the system needs; false when one of them fails, with the
// system's reason left in file's errorString().
bool writeAll(QSaveFile &file, const std::string &bytes)
{
    qint64 written = 0;
    const auto size = static_cast<qint64>(bytes.size());
    while (written < size) {
        const qint64 count = file.write(bytes.data() + written, size - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

} // namespace

bool saveDefaults(const DefaultsRecord &record, QString *reason)
{
    QSaveFile file(defaultsFileName);
    // Unbuffered, so that a write the disk cuts short (full disk, quota) fails here with its
    // reason: commit() does not report a failure of the final flush of a buffered file and
    // would put the cut-off file in place of the old one. Without commit() the old file stays.
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
                       && writeAll(file, writeDefaults(record)) && file.commit();
    if (!saved && reason)
        *reason = file.errorString();
    return saved;
}
