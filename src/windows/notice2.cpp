#include "notice2.h"

#include "caution.h"
#include "notice_navigation.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The page's texts, top to bottom: the restore command, how to read the delay and the wait,
// and the limits of an estimate.
constexpr HelpText secondPageTexts[] = {
        {u"Etiquette6",
         {360, 1080, 8535, 495},
         HelpText::Body,
         u"La commande RÉTABLIR du menu OPTIONS permet de restaurer les valeurs d'origine "
         u"proposées par SOBRIMETRE."},
        {u"Etiquette4",
         {360, 1680, 8535, 1095},
         HelpText::Body,
         u"Le NOMBRE D'HEURES saisi dans la zone \"APRÈS\" s'entend à partir de la FIN DU REPAS ou "
         u"de la DERNIÈRE PRISE de boisson alcoolisée. L'évaluation de l'alcoolémie ne peut être "
         u"faite que pour un délai minimum de 1 heure après la dernière prise d'alcool. Le "
         u"programme indique, s'il y a lieu, dans le cadre \"ATTENDRE ENCORE...\", le délai "
         u"minimum d'attente supplémentaire à respecter avant de prendre le volant."},
        {u"Etiquette11", {360, 2880, 8535, 255}, HelpText::Warning, Caution::evaluationNotMeasure},
        {u"Etiquette12", {360, 3240, 8535, 495}, HelpText::Body, Caution::individualVariations},
        {u"Etiquette15",
         {360, 3840, 8535, 495},
         HelpText::Body,
         u"D'autres facteurs, qui ne sont pas pris en compte par ce programme, peuvent aussi "
         u"interagir avec l'alcool, comme la prise de MÉDICAMENTS :"},
        {u"Etiquette13",
         {360, 4440, 8535, 735},
         HelpText::Body,
         u"Certains médicaments potentialisent les effets de l'alcool : TRANQUILLISANTS et autres "
         u"psychotropes, mais aussi analgésiques, antihistaminiques, vasodilatateurs... La prise "
         u"d'ASPIRINE peut également élever l'alcoolémie..."},
        {u"Etiquette14",
         {360, 5280, 8535, 255},
         HelpText::Warning,
         u"PRUDENCE ET SOBRIÉTÉ RESTENT DONC LES MAÎTRES MOTS DE LA SÉCURITÉ AU VOLANT !"},
        {u"Etiquette5", HelpText::hintArea, HelpText::Hint,
         u"CLIQUER SUR  <<  POUR AFFICHER LA PAGE PRÉCÉDENTE "},
};

} // namespace

Notice2::Notice2(QWidget *owner)
    : HelpPage(owner, u"Notice2"_s, u"Notice : page 2"_s, secondPageTexts)
    , PagePréc(addPageButton(u"PagePréc"_s, u"<<"_s, u"Page précédente"_s))
    , Fermer(addCloseButton())
{
    connect(PagePréc, &QPushButton::clicked, this, &Notice2::PagePréc_Click);
    connect(Fermer, &QPushButton::clicked, this, &Notice2::Fermer_Click);
}

void Notice2::PagePréc_Click()
{
    NoticeNavigation::backToFirstPage(this);
}

void Notice2::Fermer_Click()
{
    NoticeNavigation::closeBothPages(this);
}
