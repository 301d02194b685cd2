// The second help page, "Notice : page 2": how to read the delay and the wait, and the limits
// of an estimate. Page 1's ">>" shows it; "<<" goes back to page 1 and unloads this page,
// "Fermer" unloads both pages (notice_navigation.h).
#pragma once

#include "help_page.h"

class Notice2 : public HelpPage
{
    Q_OBJECT
    friend class HelpPage;

    explicit Notice2(QWidget *owner);

    void PagePréc_Click();
    void Fermer_Click();

    QPushButton *PagePréc;
    QPushButton *Fermer;
};
