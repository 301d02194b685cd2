// Sobrimetre: estimates a blood-alcohol level and tells whether one may drive. The program
// starts on its splash window, which after one second shows the main window and closes.
#include "mainwindow/sobrimetre.h"
#include "toolkit/application.h"
#include "toolkit/translations.h"
#include "windows/accueil.h"

#include <memory>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    loadQtTranslations(application);
    // The menu entry's id: docks and Wayland compositors match the windows to the entry by it.
    QGuiApplication::setDesktopFileName(u"org.sobrimetre.Sobrimetre"_s);
    std::unique_ptr<Sobrimetre> mainWindow;
    Accueil::showSplash([&mainWindow] {
        mainWindow = std::make_unique<Sobrimetre>();
        mainWindow->show();
    });
    return QApplication::exec();
}
