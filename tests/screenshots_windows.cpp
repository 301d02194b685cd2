// Images of the splash window, the About window and both help pages.
#include "screenshot_support.h"
#include "test_support.h"
#include "windows/accueil.h"
#include "windows/apropos.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QApplication>
#include <QPushButton>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    useFrenchLocale();
    const QString folder = screenshotFolder(argc, argv);

    saveScreenshot(Accueil::showSplash([] {}), folder, u"accueil"_s);

    APropos about(nullptr);
    saveScreenshot(&about, folder, u"apropos"_s);

    HelpPage::showPage<Notice1>(nullptr);
    saveScreenshot(HelpPage::loaded<Notice1>(), folder, u"notice1"_s);
    child<QPushButton>(HelpPage::loaded<Notice1>(), u"PageSuiv"_s)->click();
    saveScreenshot(HelpPage::loaded<Notice2>(), folder, u"notice2"_s);
    return 0;
}
