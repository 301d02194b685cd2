#include "notice1.h"

#include "help_page.h"
#include "notice2.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

Notice1::Notice1(QWidget *owner)
    : HelpPage(owner, u"Notice1"_s, u"Notice : page 1"_s)
{
    createWidgets();
    connectEvents();
}

void Notice1::createWidgets()
{
    Etiquette4 = addText(u"Etiquette4"_s,
                         u"L'alcoolémie tolérable au volant peut être rapidement dépassée, avec "
                         u"les conséquences dramatiques que l'actualité de la route nous "
                         u"rappelle trop souvent..."_s,
                         1080, 495);
    Etiquette5 = addText(u"Etiquette5"_s,
                         u"Or, combien de personnes atteignent, sans vraiment s'en rendre compte, "
                         u"ce seuil fatidique au cours d'un repas ou d'une soirée entre amis et "
                         u"se sentent à tort capables de conduire ?"_s,
                         1560, 495);
    Etiquette6 = addText(u"Etiquette6"_s,
                         u"Ce logiciel propose une évaluation, nécessairement approximative, mais "
                         u"facile (et préventive !) de l'alcoolémie en fonction des principaux "
                         u"paramètres qui la déterminent :"_s,
                         2040, 495);
    Etiquette7 = addText(u"Etiquette7"_s, u"- le poids, la corpulence et le sexe de l'individu ;"_s,
                         {1200, 2520, 6135, 255});
    Etiquette8 = addText(u"Etiquette8"_s,
                         u"- le volume et le degré alcoolique des boissons absorbées ;"_s,
                         {1200, 2760, 6135, 255});
    Etiquette9 = addText(u"Etiquette9"_s,
                         u"- la prise d'aliments (le fait de boire à jeun est un "
                         u"facteur de risque supplémentaire) ;"_s,
                         {1200, 3000, 7215, 255});
    Etiquette10 = addText(u"Etiquette10"_s, u"- enfin, le temps écoulé depuis l'absorption."_s,
                          {1200, 3240, 6135, 255});
    for (QLabel *item : {Etiquette7, Etiquette8, Etiquette9, Etiquette10})
        setTextColor(item, Colour::darkGreen);
    Etiquette14 = addText(u"Etiquette14"_s,
                          u"Il suffit de renseigner les rubriques en commençant par le POIDS de la "
                          u"personne. La CORPULENCE doit aussi être prise en considération car, à "
                          u"poids égal, la concentration d'alcool dans le sang sera plus élevée "
                          u"pour un sujet obèse."_s,
                          3600, 735);
    Etiquette11 = addText(u"Etiquette11"_s,
                          u"Indiquer ensuite si vous avez ou non pris un REPAS et le NOMBRE DE "
                          u"VERRES consommés. Modifier si nécessaire le VOLUME et le DEGRÉ "
                          u"alcoolique des différentes sortes de boissons."_s,
                          4320, 495);
    Etiquette13 = addText(u"Etiquette13"_s,
                          u"Les valeurs saisies pour le poids, la corpulence, le sexe, la prise de "
                          u"repas, les volumes et degrés alcooliques des boissons peuvent être "
                          u"enregistrées comme valeurs par défaut par la commande SAUVEGARDER du "
                          u"menu OPTIONS, puis rappelées par la commande INITIALISER."_s,
                          4920, 855);
    Etiquette12 = addPageHint(u"Etiquette12"_s,
                              u"CLIQUER SUR  >> POUR AFFICHER LA PAGE SUIVANTE "_s);

    PageSuiv = addPageButton(u"PageSuiv"_s, u">>"_s);
    PageSuiv->setAccessibleName(u"Page suivante"_s);
    Fermer = addCloseButton();
}

void Notice1::connectEvents()
{
    connect(PageSuiv, &QPushButton::clicked, this, &Notice1::PageSuiv_Click);
    connect(Fermer, &QPushButton::clicked, this, &Notice1::Fermer_Click);
}

// Page 1 stays loaded behind page 2, hidden, until "<<" or "Fermer" on page 2.
void Notice1::PageSuiv_Click()
{
    showPage<Notice2>(parentWidget());
    hide();
}

void Notice1::Fermer_Click()
{
    close();
}
