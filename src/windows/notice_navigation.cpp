#include "notice_navigation.h"

#include "notice1.h"
#include "notice2.h"

namespace NoticeNavigation {

void showSecondPage(Notice1 *first)
{
    HelpPage::showPage<Notice2>(first->parentWidget());
    first->hide();
}

void backToFirstPage(Notice2 *second)
{
    HelpPage::showPage<Notice1>(second->parentWidget());
    second->close();
}

void closeBothPages(Notice2 *second)
{
    if (auto *first = HelpPage::loaded<Notice1>())
        first->close();
    second->close();
}

} // namespace NoticeNavigation
