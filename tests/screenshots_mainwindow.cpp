// The main window as it opens, before start-up fills its fields.
#include "mainwindow/sobrimetre.h"
#include "screenshot_support.h"
#include "test_support.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    useFrenchLocale();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    Sobrimetre window;
    saveScreenshot(&window, folder, QStringLiteral("mainwindow"));
    return 0;
}
