// The first help page, "Notice : page 1": what the program estimates and how to fill in the
// main window. The main window's "Notice" command (F1) shows it; ">>" leads to the second page
// and hides this one, "Fermer" unloads it.
#pragma once

#include "help_page.h"

class Notice1 : public HelpPage
{
    Q_OBJECT
    friend class HelpPage;

private:
    explicit Notice1(QWidget *owner);
    void createWidgets();
    void connectEvents();

    void PageSuiv_Click();
    void Fermer_Click();

    QLabel *Etiquette4{}, *Etiquette5{}, *Etiquette6{};
    // The factors of the estimate, in dark green.
    QLabel *Etiquette7{}, *Etiquette8{}, *Etiquette9{}, *Etiquette10{};
    QLabel *Etiquette14{}, *Etiquette11{}, *Etiquette13{}, *Etiquette12{};
    QPushButton *PageSuiv{}, *Fermer{};
};
