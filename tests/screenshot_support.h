// Writes PNG images of windows for people to look at: `make screenshots` runs each
// screenshots_* program at scale 1 and 2, with the folder to write into as its argument.
#pragma once

#include <QApplication>
#include <QDir>
#include <QWidget>

using namespace Qt::StringLiterals;

inline void saveScreenshot(QWidget *window, const QString &folder, const QString &name)
{
    window->show();
    QApplication::processEvents();
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + u".png"_s));
}
