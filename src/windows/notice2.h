// The second help page, "Notice : page 2": how to read the delay and the wait, and the limits
// of an estimate. Page 1's ">>" shows it; "<<" goes back to page 1 and unloads this page,
// "Fermer" unloads both pages.
#pragma once

#include "help_page.h"

class Notice2 : public HelpPage
{
    Q_OBJECT
    friend class HelpPage;

private:
    explicit Notice2(QWidget *owner);
    void createWidgets();
    void connectEvents();

    void PagePréc_Click();
    void Fermer_Click();

    QLabel *Etiquette6{}, *Etiquette4{}, *Etiquette11{}, *Etiquette12{}, *Etiquette15{},
            *Etiquette13{}, *Etiquette14{}, *Etiquette5{};
    QPushButton *PagePréc{}, *Fermer{};
};
