// Closes every modal message box that opens while the watcher lives, and records its title and
// text, so a test can count the warnings a user would have seen. Other modal windows (the curve,
// About) are closed too, and their captions recorded apart.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

class MessageBoxWatcher
{
public:
    MessageBoxWatcher()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { closeOpenBox(); });
        m_timer.start();
    }

    int count() const { return static_cast<int>(m_texts.size()); }
    const QStringList &titles() const { return m_titles; }
    const QStringList &texts() const { return m_texts; }
    QMessageBox::Icon lastIcon() const { return m_lastIcon; }
    const QStringList &otherModalWindows() const { return m_otherModalWindows; }

private:
    void closeOpenBox()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box == nullptr) {
            m_otherModalWindows.append(modal->windowTitle());
            modal->close();
            return;
        }
        m_titles.append(box->windowTitle());
        m_texts.append(box->text());
        m_lastIcon = box->icon();
        box->done(QMessageBox::Ok);
    }

    QTimer m_timer;
    QStringList m_titles;
    QStringList m_texts;
    QStringList m_otherModalWindows;
    QMessageBox::Icon m_lastIcon = QMessageBox::NoIcon;
};
