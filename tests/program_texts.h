// The program's own texts that several tests quote, written once: the messages of the main
// window's Note panel and the warnings a user can meet. A test compares what the user sees with
// these; a change of wording is then made in one place.
#pragma once

#include <QString>

using namespace Qt::StringLiterals;

inline const QString instructionText
        = u"Indiquez d'abord votre poids, puis renseignez les rubriques en spécifiant votre "
          u"corpulence (normale ou forte), votre sexe et votre consommation de boissons "
          u"alcoolisées. Précisez si vous avez pris un repas et le nombre d'heures écoulées "
          u"depuis la dernière prise d'alcool (1 heure au minimum)."_s;
inline const QString cautionText
        = u"ATTENTION ! L'alcoolémie estimée ne dépasse pas le seuil légal, mais vos réflexes "
          u"peuvent déjà être altérés. Autant que possible, attendez encore un peu avant de "
          u"prendre la route et SOYEZ PRUDENT !"_s;
inline const QString stopText
        = u"STOP ! VOUS N'ÊTES PAS EN ÉTAT DE PRENDRE LE VOLANT. ATTENDEZ ENCORE AU MINIMUM "
          u"PENDANT LA DURÉE INDIQUÉE CI-CONTRE."_s;

inline const QString weightMissingText
        = u"Poids manquant : indiquez votre poids (plus de 0 kg) pour obtenir une estimation."_s;

// Every warning box bears this title.
inline const QString warningTitle = u"Attention !"_s;
inline const QString weightWarningText = u"Vous devez saisir une valeur correcte pour le poids."_s;
inline const QString delayWarningText
        = u"L'alcoolémie ne peut être évaluée que pour un délai supérieur ou égal à 1 heure."_s;
inline const QString overflowWarningText
        = u"Calcul impossible : une valeur saisie est trop grande."_s;
inline const QString fullCountWarningText = u"Impossible d'ajouter un verre : le nombre de "
                                            u"verres ne peut pas dépasser 3 caractères."_s;
// The start of the warning of a failed save; the system's reason follows it.
inline const QString saveFailureText = u"Les valeurs n'ont pas pu être enregistrées"_s;
