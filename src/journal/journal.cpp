#include "journal.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

#include <algorithm>
#include <utility>

Journal::Journal(QObject *parent)
    : QObject(parent)
{ }

void Journal::open()
{
    if (isOpen())
        return;
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &Journal::reload);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &Journal::reload);
    const JournalReading reading = readJournalFile();
    m_unreadableLines = reading.contents.unreadableLines;
    if (m_unwritten.empty())
        show(reading.contents.entries, reading.failure);
    else
        apply({});
    watch();
}

void Journal::close()
{
    delete std::exchange(m_watcher, nullptr);
}

void Journal::add(const LoggedGlass &glass)
{
    apply([glass](std::vector<JournalEntry> &entries) {
        entries.push_back(journalEntryAt(glass));
    });
}

// A glass is found by what it is; when another copy of the program has changed or removed it
// meanwhile, the change finds nothing to do.
void Journal::replace(const LoggedGlass &old, const LoggedGlass &updated)
{
    apply([old, updated](std::vector<JournalEntry> &entries) {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&old](const JournalEntry &entry) {
                                            return entry.glass == old;
                                        });
        if (found == entries.end())
            return;
        // A glass whose time stays keeps the offset its line was written with.
        if (updated.minute == old.minute)
            found->glass = updated;
        else
            *found = journalEntryAt(updated);
    });
}

void Journal::remove(const LoggedGlass &glass)
{
    apply([glass](std::vector<JournalEntry> &entries) {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&glass](const JournalEntry &entry) {
                                            return entry.glass == glass;
                                        });
        if (found != entries.end())
            entries.erase(found);
    });
}

void Journal::clear()
{
    apply([](std::vector<JournalEntry> &entries) { entries.clear(); });
}

void Journal::apply(const JournalChange &change)
{
    if (change)
        m_unwritten.push_back(change);
    const JournalUpdate update = updateJournalFile([this](std::vector<JournalEntry> &entries) {
        for (const JournalChange &unwritten : m_unwritten)
            unwritten(entries);
        if (m_expiry)
            m_expiry(entries);
    });
    if (!update.failure.isEmpty()) {
        show(m_fileEntries, update.failure);
        return;
    }
    m_unwritten.clear();
    if (!update.keptCopy.isEmpty())
        m_keptCopy = update.keptCopy;
    show(update.entries, {});
    watch();
}

// Another copy of the program, or this one, changed the file or its folder.
void Journal::reload()
{
    if (!isOpen())
        return;
    if (!m_unwritten.empty()) {
        apply({});
        return;
    }
    const JournalReading reading = readJournalFile();
    show(reading.failure.isEmpty() ? reading.contents.entries : m_fileEntries, reading.failure);
    watch();
}

// What the file holds, with the changes not yet written on top.
void Journal::show(std::vector<JournalEntry> fileEntries, const QString &failure)
{
    m_fileEntries = std::move(fileEntries);
    std::vector<JournalEntry> entries = m_fileEntries;
    for (const JournalChange &unwritten : m_unwritten)
        unwritten(entries);
    putInTimeOrder(entries);
    std::vector<LoggedGlass> glasses;
    glasses.reserve(entries.size());
    for (const JournalEntry &entry : entries)
        glasses.push_back(entry.glass);
    if (glasses == m_glasses && failure == m_failure)
        return;
    m_glasses = std::move(glasses);
    m_failure = failure;
    Q_EMIT changed();
}

// Each change puts a new file in the old one's place: the folder is watched for it to appear,
// and the new file itself once it is there.
void Journal::watch()
{
    if (!isOpen())
        return;
    const QFileInfo file(journalFilePath());
    for (const QString &path : {file.absolutePath(), file.absoluteFilePath()}) {
        if (QFileInfo::exists(path) && !m_watcher->files().contains(path)
            && !m_watcher->directories().contains(path))
            m_watcher->addPath(path);
    }
}
