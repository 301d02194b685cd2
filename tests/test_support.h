// What every GUI test of the program shares: the French locale of its users, and a fresh
// temporary folder as the current directory, where Defaut.dat is read and written.
#pragma once

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

inline void useFrenchLocale()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

class TemporaryWorkingDirectory
{
public:
    TemporaryWorkingDirectory()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_directory.path());
    }
    ~TemporaryWorkingDirectory() { QDir::setCurrent(m_previous); }
    TemporaryWorkingDirectory(const TemporaryWorkingDirectory &) = delete;
    TemporaryWorkingDirectory &operator=(const TemporaryWorkingDirectory &) = delete;

    QString path() const { return m_directory.path(); }
    QString filePath(const QString &name) const { return m_directory.filePath(name); }

private:
    QString m_previous;
    QTemporaryDir m_directory;
};
