// Sobrimetre: estimates a blood-alcohol level and tells whether one may drive.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Sobrimetre"));
    window.show();
    return QApplication::exec();
}
