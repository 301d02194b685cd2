// Sobrimetre: estimates a blood-alcohol level and tells whether one may drive. The program
// starts on its splash window, which after one second shows the main window and closes.
#include "mainwindow/sobrimetre.h"
#include "toolkit/application.h"
#include "toolkit/translations.h"
#include "windows/accueil.h"

#include <memory>

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    loadQtTranslations(application);
    std::unique_ptr<Sobrimetre> mainWindow;
    Accueil::showSplash([&mainWindow] {
        mainWindow = std::make_unique<Sobrimetre>();
        mainWindow->show();
    });
    return QApplication::exec();
}
