#include "notice1.h"

#include "help_page.h"
#include "notice2.h"
#include "toolkit/appearance.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// Cleared as soon as the page is closed, before Qt destroys it, so that a page on its way out
// is never shown again.
Notice1 *loadedPage = nullptr;

} // namespace

void Notice1::showPage(QWidget *owner)
{
    if (loadedPage == nullptr)
        loadedPage = new Notice1(owner);
    loadedPage->show();
    loadedPage->raise();
    loadedPage->activateWindow();
}

Notice1 *Notice1::loaded()
{
    return loadedPage;
}

Notice1::Notice1(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    createWidgets();
    connectEvents();
}

Notice1::~Notice1()
{
    if (loadedPage == this)
        loadedPage = nullptr;
}

void Notice1::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && loadedPage == this)
        loadedPage = nullptr;
}

void Notice1::createWidgets()
{
    createHelpPageFrame(this, QStringLiteral("Notice1"), QStringLiteral("Notice : page 1"));

    Etiquette4 = addHelpText(
            this, QStringLiteral("Etiquette4"),
            QStringLiteral("L'alcoolémie tolérable au volant peut être rapidement dépassée, avec "
                           "les conséquences dramatiques que l'actualité de la route nous "
                           "rappelle trop souvent..."),
            1080, 495);
    Etiquette5 = addHelpText(
            this, QStringLiteral("Etiquette5"),
            QStringLiteral("Or, combien de personnes atteignent, sans vraiment s'en rendre compte, "
                           "ce seuil fatidique au cours d'un repas ou d'une soirée entre amis et "
                           "se sentent à tort capables de conduire ?"),
            1560, 495);
    Etiquette6 = addHelpText(
            this, QStringLiteral("Etiquette6"),
            QStringLiteral("Ce logiciel propose une évaluation, nécessairement approximative, mais "
                           "facile (et préventive !) de l'alcoolémie en fonction des principaux "
                           "paramètres qui la déterminent :"),
            2040, 495);
    Etiquette7 = addHelpText(this, QStringLiteral("Etiquette7"),
                             QStringLiteral("- le poids, la corpulence et le sexe de l'individu ;"),
                             1200, 2520, 6135, 255);
    Etiquette8 = addHelpText(this, QStringLiteral("Etiquette8"),
                             QStringLiteral(
                                     "- le volume et le degré alcoolique des boissons absorbées ;"),
                             1200, 2760, 6135, 255);
    Etiquette9 = addHelpText(this, QStringLiteral("Etiquette9"),
                             QStringLiteral("- la prise d'aliments (le fait de boire à jeun est un "
                                            "facteur de risque supplémentaire) ;"),
                             1200, 3000, 7215, 255);
    Etiquette10 = addHelpText(this, QStringLiteral("Etiquette10"),
                              QStringLiteral("- enfin, le temps écoulé depuis l'absorption."), 1200,
                              3240, 6135, 255);
    for (QLabel *item : {Etiquette7, Etiquette8, Etiquette9, Etiquette10})
        setTextColor(item, darkGreen());
    Etiquette14 = addHelpText(
            this, QStringLiteral("Etiquette14"),
            QStringLiteral("Il suffit de renseigner les rubriques en commençant par le POIDS de la "
                           "personne. La CORPULENCE doit aussi être prise en considération car, à "
                           "poids égal, la concentration d'alcool dans le sang sera plus élevée "
                           "pour un sujet obèse."),
            3600, 735);
    Etiquette11 = addHelpText(
            this, QStringLiteral("Etiquette11"),
            QStringLiteral("Indiquer ensuite si vous avez ou non pris un REPAS et le NOMBRE DE "
                           "VERRES consommés. Modifier si nécessaire le VOLUME et le DEGRÉ "
                           "alcoolique des différentes sortes de boissons."),
            4320, 495);
    Etiquette13 = addHelpText(
            this, QStringLiteral("Etiquette13"),
            QStringLiteral("Les valeurs saisies pour le poids, la corpulence, le sexe, la prise de "
                           "repas, les volumes et degrés alcooliques des boissons peuvent être "
                           "enregistrées comme valeurs par défaut par la commande SAUVEGARDER du "
                           "menu OPTIONS, puis rappelées par la commande INITIALISER."),
            4920, 855);
    Etiquette12 = addPageHint(this, QStringLiteral("Etiquette12"),
                              QStringLiteral("CLIQUER SUR  >> POUR AFFICHER LA PAGE SUIVANTE "));

    PageSuiv = addPageButton(this, QStringLiteral("PageSuiv"), QStringLiteral(">>"));
    PageSuiv->setAccessibleName(QStringLiteral("Page suivante"));
    Fermer = addCloseButton(this);
}

void Notice1::connectEvents()
{
    connect(PageSuiv, &QPushButton::clicked, this, &Notice1::PageSuiv_Click);
    connect(Fermer, &QPushButton::clicked, this, &Notice1::Fermer_Click);
}

// Page 1 stays loaded behind page 2, hidden, until "<<" or "Fermer" on page 2.
void Notice1::PageSuiv_Click()
{
    Notice2::showPage(parentWidget());
    hide();
}

void Notice1::Fermer_Click()
{
    close();
}
