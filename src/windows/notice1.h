// The first help page, "Notice : page 1": what the program estimates and how to fill in the
// main window. The main window's "Notice" command (F1) shows it; ">>" leads to the second page
// and hides this one (notice_navigation.h), "Fermer" unloads it.
#pragma once

#include "help_page.h"

class Notice1 : public HelpPage
{
    Q_OBJECT
    friend class HelpPage;

    explicit Notice1(QWidget *owner);

    void PageSuiv_Click();
    void Fermer_Click();

    QPushButton *PageSuiv;
    QPushButton *Fermer;
};
