// Files in the tests' current directory: their bytes, and a snapshot of everything there, so a
// test sees any change a command made or should not have made.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;

inline QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The current directory's entries (FIFOs and links too, with where each link leads) with the
// contents of its files, and of the files inside a folder (such as a folder standing where
// Defaut.dat should be).
inline QStringList directorySnapshot()
{
    QStringList snapshot;
    const auto entries = QDir(u"."_s).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot
                                                            | QDir::Hidden | QDir::System,
                                                    QDir::Name);
    for (const QFileInfo &entry : entries) {
        snapshot << entry.fileName();
        if (entry.isSymLink())
            snapshot << u"-> "_s + entry.symLinkTarget();
        if (entry.isFile())
            snapshot << QString::fromLatin1(contentOf(entry.filePath()).toHex());
        for (const QFileInfo &inner : QDir(entry.filePath()).entryInfoList(QDir::Files))
            snapshot << inner.fileName() << QString::fromLatin1(contentOf(inner.filePath()));
    }
    return snapshot;
}
