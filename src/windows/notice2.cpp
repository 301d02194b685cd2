#include "notice2.h"

#include "help_page.h"
#include "notice1.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

Notice2::Notice2(QWidget *owner)
    : HelpPage(owner, u"Notice2"_s, u"Notice : page 2"_s)
{
    createWidgets();
    connectEvents();
}

void Notice2::createWidgets()
{
    Etiquette6 = addText(u"Etiquette6"_s,
                         u"La commande RÉTABLIR du menu OPTIONS permet de "
                         u"restaurer les valeurs d'origine proposées par "
                         u"SOBRIMETRE."_s,
                         1080, 495);
    Etiquette4 = addText(u"Etiquette4"_s,
                         u"Le NOMBRE D'HEURES saisi dans la zone \"APRÈS\" s'entend à partir de "
                         u"la FIN DU REPAS ou de la DERNIÈRE PRISE de boisson alcoolisée. "
                         u"L'évaluation de l'alcoolémie ne peut être faite que pour un délai "
                         u"minimum de 1 heure après la dernière prise d'alcool. Le programme "
                         u"indique, s'il y a lieu, dans le cadre \"ATTENDRE ENCORE...\", le délai "
                         u"minimum d'attente supplémentaire à respecter avant de prendre le "
                         u"volant."_s,
                         1680, 1095);
    Etiquette11 = addText(u"Etiquette11"_s,
                          u"MAIS ATTENTION ! IL NE S'AGIT QUE D'ÉVALUATION ET NON DE MESURE !"_s,
                          2880, 255);
    Etiquette12 = addText(u"Etiquette12"_s,
                          u"Il existe en effet d'importantes VARIATIONS INDIVIDUELLES portant sur "
                          u"la tolérance à alcoolémie égale et sur la rapidité du retour à la "
                          u"normale après l'absorption de boissons alcoolisées."_s,
                          3240, 495);
    Etiquette15 = addText(u"Etiquette15"_s,
                          u"D'autres facteurs, qui ne sont pas pris en compte par ce programme, "
                          u"peuvent aussi interagir avec l'alcool, comme la prise de "
                          u"MÉDICAMENTS :"_s,
                          3840, 495);
    Etiquette13 = addText(u"Etiquette13"_s,
                          u"Certains médicaments potentialisent les effets de l'alcool : "
                          u"TRANQUILLISANTS et autres psychotropes, mais aussi analgésiques, "
                          u"antihistaminiques, vasodilatateurs... La prise d'ASPIRINE peut "
                          u"également élever l'alcoolémie..."_s,
                          4440, 735);
    Etiquette14 = addText(u"Etiquette14"_s,
                          u"PRUDENCE ET SOBRIÉTÉ RESTENT DONC LES MAÎTRES MOTS DE "
                          u"LA SÉCURITÉ AU VOLANT !"_s,
                          5280, 255);
    for (QLabel *warning : {Etiquette11, Etiquette14}) {
        warning->setFont(arial(9, FontStyle::Bold));
        setTextColor(warning, Colour::red);
    }
    Etiquette5 = addPageHint(u"Etiquette5"_s,
                             u"CLIQUER SUR  <<  POUR AFFICHER LA PAGE PRÉCÉDENTE "_s);

    PagePréc = addPageButton(u"PagePréc"_s, u"<<"_s);
    PagePréc->setAccessibleName(u"Page précédente"_s);
    Fermer = addCloseButton();
}

void Notice2::connectEvents()
{
    connect(PagePréc, &QPushButton::clicked, this, &Notice2::PagePréc_Click);
    connect(Fermer, &QPushButton::clicked, this, &Notice2::Fermer_Click);
}

void Notice2::PagePréc_Click()
{
    showPage<Notice1>(parentWidget());
    close();
}

// Closes page 1 too, whether it is hidden behind this page or shown beside it.
void Notice2::Fermer_Click()
{
    if (Notice1 *page1 = loaded<Notice1>())
        page1->close();
    close();
}
