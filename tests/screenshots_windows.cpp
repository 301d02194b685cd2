// Images of the splash window, the About window and both help pages.
#include "screenshot_support.h"
#include "test_support.h"
#include "windows/accueil.h"
#include "windows/apropos.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    useFrenchLocale();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    saveScreenshot(Accueil::showSplash([] {}), folder, QStringLiteral("accueil"));

    APropos about(nullptr);
    saveScreenshot(&about, folder, QStringLiteral("apropos"));

    Notice1::showPage(nullptr);
    saveScreenshot(Notice1::loaded(), folder, QStringLiteral("notice1"));
    Notice1::loaded()->findChild<QPushButton *>(QStringLiteral("PageSuiv"))->click();
    saveScreenshot(Notice2::loaded(), folder, QStringLiteral("notice2"));
    return 0;
}
