// Sobrimetre: estimates a blood-alcohol level and tells whether one may drive.
#include "app/application.h"

#include <QWidget>

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Sobrimetre"));
    window.show();
    return QApplication::exec();
}
