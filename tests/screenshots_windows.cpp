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

    HelpPage::showPage<Notice1>(nullptr);
    saveScreenshot(HelpPage::loaded<Notice1>(), folder, QStringLiteral("notice1"));
    HelpPage::loaded<Notice1>()->findChild<QPushButton *>(QStringLiteral("PageSuiv"))->click();
    saveScreenshot(HelpPage::loaded<Notice2>(), folder, QStringLiteral("notice2"));
    return 0;
}
