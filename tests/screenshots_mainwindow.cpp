// The main window as it opens, then after a green, a yellow, a red and a severe estimate: a man
// of 70 kg and glasses of wine of 12 cl at 11 degrees, typed as a user types them.
#include "mainwindow/sobrimetre.h"
#include "screenshot_support.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

namespace {

// Gives the box the focus and writes the text one character after the other over what the box
// held, so that the box is marked as edited even when it held that text already.
void type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    for (qsizetype typed = 1; typed <= text.size(); ++typed)
        box->setText(text.left(typed));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    useFrenchLocale();
    const QString folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."))
                                   .absolutePath();
    // Start-up reads and creates Defaut.dat in the current directory.
    const TemporaryWorkingDirectory workingDirectory;

    Sobrimetre window;
    saveScreenshot(&window, folder, QStringLiteral("mainwindow"));
    QApplication::setActiveWindow(&window);

    type(window.Poids, QStringLiteral("70"));
    type(window.VOL_V, QStringLiteral("12"));
    type(window.DEG_V, QStringLiteral("11"));
    type(window.NB_V, QStringLiteral("1"));
    saveScreenshot(&window, folder, QStringLiteral("mainwindow_vert"));

    type(window.NB_V, QStringLiteral("3"));
    window.CocheR->setChecked(true);
    saveScreenshot(&window, folder, QStringLiteral("mainwindow_jaune"));

    window.CocheR->setChecked(false);
    saveScreenshot(&window, folder, QStringLiteral("mainwindow_rouge"));

    type(window.NB_V, QStringLiteral("6"));
    saveScreenshot(&window, folder, QStringLiteral("mainwindow_noir"));
    return 0;
}
