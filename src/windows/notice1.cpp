#include "notice1.h"

#include "notice_navigation.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The page's texts, top to bottom: why estimate, the factors the estimate weighs, and how to
// fill in the main window.
constexpr HelpText firstPageTexts[] = {
        {u"Etiquette4",
         {360, 1080, 8535, 495},
         HelpText::Body,
         u"L'alcoolémie tolérable au volant peut être rapidement dépassée, avec les conséquences "
         u"dramatiques que l'actualité de la route nous rappelle trop souvent..."},
        {u"Etiquette5",
         {360, 1560, 8535, 495},
         HelpText::Body,
         u"Or, combien de personnes atteignent, sans vraiment s'en rendre compte, ce seuil "
         u"fatidique au cours d'un repas ou d'une soirée entre amis et se sentent à tort capables "
         u"de conduire ?"},
        {u"Etiquette6",
         {360, 2040, 8535, 495},
         HelpText::Body,
         u"Ce logiciel propose une évaluation, nécessairement approximative, mais facile (et "
         u"préventive !) de l'alcoolémie en fonction des principaux paramètres qui la "
         u"déterminent :"},
        {u"Etiquette7",
         {1200, 2520, 6135, 255},
         HelpText::Item,
         u"- le poids, la corpulence et le sexe de l'individu ;"},
        {u"Etiquette8",
         {1200, 2760, 6135, 255},
         HelpText::Item,
         u"- le volume et le degré alcoolique des boissons absorbées ;"},
        {u"Etiquette9",
         {1200, 3000, 7215, 255},
         HelpText::Item,
         u"- la prise d'aliments (le fait de boire à jeun est un facteur de risque "
         u"supplémentaire) ;"},
        {u"Etiquette10",
         {1200, 3240, 6135, 255},
         HelpText::Item,
         u"- enfin, le temps écoulé depuis l'absorption."},
        {u"Etiquette14",
         {360, 3600, 8535, 735},
         HelpText::Body,
         u"Il suffit de renseigner les rubriques en commençant par le POIDS de la personne. La "
         u"CORPULENCE doit aussi être prise en considération car, à poids égal, la concentration "
         u"d'alcool dans le sang sera plus élevée pour un sujet obèse."},
        {u"Etiquette11",
         {360, 4320, 8535, 495},
         HelpText::Body,
         u"Indiquer ensuite si vous avez ou non pris un REPAS et le NOMBRE DE VERRES consommés. "
         u"Modifier si nécessaire le VOLUME et le DEGRÉ alcoolique des différentes sortes de "
         u"boissons."},
        {u"Etiquette13",
         {360, 4920, 8535, 855},
         HelpText::Body,
         u"Les valeurs saisies pour le poids, la corpulence, le sexe, la prise de repas, les "
         u"volumes et degrés alcooliques des boissons peuvent être enregistrées comme valeurs par "
         u"défaut par la commande SAUVEGARDER du menu OPTIONS, puis rappelées par la commande "
         u"INITIALISER."},
        {u"Etiquette12", HelpText::hintArea, HelpText::Hint,
         u"CLIQUER SUR  >> POUR AFFICHER LA PAGE SUIVANTE "},
};

} // namespace

Notice1::Notice1(QWidget *owner)
    : HelpPage(owner, u"Notice1"_s, u"Notice : page 1"_s, firstPageTexts)
    , PageSuiv(addPageButton(u"PageSuiv"_s, u">>"_s, u"Page suivante"_s))
    , Fermer(addCloseButton())
{
    connect(PageSuiv, &QPushButton::clicked, this, &Notice1::PageSuiv_Click);
    connect(Fermer, &QPushButton::clicked, this, &Notice1::Fermer_Click);
}

void Notice1::PageSuiv_Click()
{
    NoticeNavigation::showSecondPage(this);
}

void Notice1::Fermer_Click()
{
    close();
}
