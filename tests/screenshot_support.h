// Writes PNG images of windows for people to look at: `make screenshots` runs each
// screenshots_* program at scale 1 and 2, with the folder to write into as its argument, and once
// more at scale 1 with "dark" after it, for the windows under a dark desktop palette.
#pragma once

#include "desktop_palettes.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

using namespace Qt::StringLiterals;

// The offscreen display has no window manager, and says so each time a window asks for one
// ("This plugin does not support propagateSizeHints()"): those notices are dropped, so that what
// the program prints is what matters.
inline QtMessageHandler qtMessageHandler = nullptr;

inline void dropVirtualDisplayNotices()
{
    qtMessageHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(u"This plugin does not support "_s))
                    qtMessageHandler(type, context, message);
            });
}

// The folder named by the program's arguments (the current one when none is), after giving the
// program the dark desktop's colours when asked.
inline QString screenshotFolder(int argc, char *argv[])
{
    dropVirtualDisplayNotices();
    if (argc > 2 && QByteArray(argv[2]) == "dark")
        QApplication::setPalette(darkDesktopPalette());
    return QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s).absolutePath();
}

inline void saveScreenshot(QWidget *window, const QString &folder, const QString &name)
{
    window->show();
    QApplication::processEvents();
    QDir().mkpath(folder);
    window->grab().save(QDir(folder).filePath(name + u".png"_s));
}
