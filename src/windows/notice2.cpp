#include "notice2.h"

#include "help_page.h"
#include "notice1.h"
#include "toolkit/appearance.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// Cleared as soon as the page is closed, before Qt destroys it, so that a page on its way out
// is never shown again.
Notice2 *loadedPage = nullptr;

} // namespace

void Notice2::showPage(QWidget *owner)
{
    if (loadedPage == nullptr)
        loadedPage = new Notice2(owner);
    loadedPage->show();
    loadedPage->raise();
    loadedPage->activateWindow();
}

Notice2 *Notice2::loaded()
{
    return loadedPage;
}

Notice2::Notice2(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    createWidgets();
    connectEvents();
}

Notice2::~Notice2()
{
    if (loadedPage == this)
        loadedPage = nullptr;
}

void Notice2::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted() && loadedPage == this)
        loadedPage = nullptr;
}

void Notice2::createWidgets()
{
    createHelpPageFrame(this, QStringLiteral("Notice2"), QStringLiteral("Notice : page 2"));

    Etiquette6 = addHelpText(this, QStringLiteral("Etiquette6"),
                             QStringLiteral("La commande RÉTABLIR du menu OPTIONS permet de "
                                            "restaurer les valeurs d'origine proposées par "
                                            "SOBRIMETRE."),
                             1080, 495);
    Etiquette4 = addHelpText(
            this, QStringLiteral("Etiquette4"),
            QStringLiteral("Le NOMBRE D'HEURES saisi dans la zone \"APRÈS\" s'entend à partir de "
                           "la FIN DU REPAS ou de la DERNIÈRE PRISE de boisson alcoolisée. "
                           "L'évaluation de l'alcoolémie ne peut être faite que pour un délai "
                           "minimum de 1 heure après la dernière prise d'alcool. Le programme "
                           "indique, s'il y a lieu, dans le cadre \"ATTENDRE ENCORE...\", le délai "
                           "minimum d'attente supplémentaire à respecter avant de prendre le "
                           "volant."),
            1680, 1095);
    Etiquette11 = addHelpText(
            this, QStringLiteral("Etiquette11"),
            QStringLiteral("MAIS ATTENTION ! IL NE S'AGIT QUE D'ÉVALUATION ET NON DE MESURE !"),
            2880, 255);
    Etiquette12 = addHelpText(
            this, QStringLiteral("Etiquette12"),
            QStringLiteral("Il existe en effet d'importantes VARIATIONS INDIVIDUELLES portant sur "
                           "la tolérance à alcoolémie égale et sur la rapidité du retour à la "
                           "normale après l'absorption de boissons alcoolisées."),
            3240, 495);
    Etiquette15 = addHelpText(
            this, QStringLiteral("Etiquette15"),
            QStringLiteral("D'autres facteurs, qui ne sont pas pris en compte par ce programme, "
                           "peuvent aussi interagir avec l'alcool, comme la prise de "
                           "MÉDICAMENTS :"),
            3840, 495);
    Etiquette13 = addHelpText(
            this, QStringLiteral("Etiquette13"),
            QStringLiteral("Certains médicaments potentialisent les effets de l'alcool : "
                           "TRANQUILLISANTS et autres psychotropes, mais aussi analgésiques, "
                           "antihistaminiques, vasodilatateurs... La prise d'ASPIRINE peut "
                           "également élever l'alcoolémie..."),
            4440, 735);
    Etiquette14 = addHelpText(this, QStringLiteral("Etiquette14"),
                              QStringLiteral(
                                      "PRUDENCE ET SOBRIÉTÉ RESTENT DONC LES MAÎTRES MOTS DE "
                                      "LA SÉCURITÉ AU VOLANT !"),
                              5280, 255);
    for (QLabel *warning : {Etiquette11, Etiquette14}) {
        warning->setFont(arial(9, FontStyle::Bold));
        setTextColor(warning, QColor(255, 0, 0));
    }
    Etiquette5 = addPageHint(this, QStringLiteral("Etiquette5"),
                             QStringLiteral("CLIQUER SUR  <<  POUR AFFICHER LA PAGE PRÉCÉDENTE "));

    PagePréc = addPageButton(this, QStringLiteral("PagePréc"), QStringLiteral("<<"));
    PagePréc->setAccessibleName(QStringLiteral("Page précédente"));
    Fermer = addCloseButton(this);
}

void Notice2::connectEvents()
{
    connect(PagePréc, &QPushButton::clicked, this, &Notice2::PagePréc_Click);
    connect(Fermer, &QPushButton::clicked, this, &Notice2::Fermer_Click);
}

void Notice2::PagePréc_Click()
{
    Notice1::showPage(parentWidget());
    close();
}

// Closes page 1 too, whether it is hidden behind this page or shown beside it.
void Notice2::Fermer_Click()
{
    if (Notice1 *page1 = Notice1::loaded())
        page1->close();
    close();
}
