// Sobrimetre: estimates a blood-alcohol level and tells whether one may drive.
#include "mainwindow/sobrimetre.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Sobrimetre window;
    window.show();
    return QApplication::exec();
}
