// The evening's journal: the glasses drunk, each with the minute it was drunk, kept in Soiree.csv
// beside Defaut.dat. Every change is made to the file as it stands, under its lock, so that two
// running copies of the program share it; a copy reloads when the file changes. While the file
// cannot be read or replaced, the changes made meanwhile stay here and are written with the next
// change that can be, and the journal tells why: it then gives no verdict, never the green of a
// journal it could not read.
#pragma once

#include "defaults/journal_file.h"
#include "engine/logged_glass.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QFileSystemWatcher;

class Journal : public QObject
{
    Q_OBJECT
public:
    explicit Journal(QObject *parent = nullptr);

    // Reads the file and follows its changes from now on; close stops following. The glasses
    // stay in the file either way.
    void open();
    void close();
    bool isOpen() const { return m_watcher != nullptr; }

    // In time order.
    const std::vector<LoggedGlass> &glasses() const { return m_glasses; }
    // Why the journal is not what its file holds, in French; empty while it is.
    const QString &failure() const { return m_failure; }
    // The lines of the file that could not be read when it was opened; the path of the copy kept
    // of a file that had such lines, once one was made.
    const std::vector<int> &unreadableLines() const { return m_unreadableLines; }
    const QString &keptCopy() const { return m_keptCopy; }

    void add(const LoggedGlass &glass);
    void replace(const LoggedGlass &old, const LoggedGlass &updated);
    void remove(const LoggedGlass &glass);
    void clear();

    // What leaves the journal whenever it is written: the glasses of evenings long over. Set by
    // whoever knows the person whose evening it is.
    using Expiry = std::function<void(std::vector<JournalEntry> &)>;
    void setExpiry(Expiry expiry) { m_expiry = std::move(expiry); }

Q_SIGNALS:
    // The glasses or the failure changed.
    void changed();

private:
    // Applies change, with the changes not yet written, to what the file holds, or to the
    // glasses here when the file cannot be written.
    void apply(const JournalChange &change);
    void reload();
    void show(std::vector<JournalEntry> entries, const QString &failure);
    void watch();

    std::vector<LoggedGlass> m_glasses;
    // What the file held when it was last read or written.
    std::vector<JournalEntry> m_fileEntries;
    std::vector<JournalChange> m_unwritten;
    QString m_failure;
    std::vector<int> m_unreadableLines;
    QString m_keptCopy;
    Expiry m_expiry;
    QFileSystemWatcher *m_watcher = nullptr;
};
