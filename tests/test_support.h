// What every GUI test of the program shares: the French locale of its users, a fresh temporary
// folder as the current directory, where Defaut.dat is read and written, and the widgets of a
// window found by their names, as a screen reader or a test tool finds them.
#pragma once

#include <QDir>
#include <QLocale>
#include <QObject>
#include <QTemporaryDir>
#include <QVariant>

// The widget (or menu item) called name inside window. A name that the window lacks ends the
// test program at once: every check of that widget would be meaningless.
template<typename T = QWidget>
T *child(const QObject *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (found == nullptr)
        qFatal("%s has no %s named %s", qPrintable(window->objectName()),
               T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// The main window's Ready flag: 0 while the program itself fills the fields.
inline qint16 readyOf(const QObject *window)
{
    return window->property("Ready").value<qint16>();
}

inline void setReady(QObject *window, qint16 ready)
{
    window->setProperty("Ready", QVariant::fromValue(ready));
}

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
