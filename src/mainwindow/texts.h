// The messages of the main window's Note panel: the instructions shown at rest and below
// 0.3 g/l, the caution from 0.3 g/l and the stop from the legal limit on; and its warning
// when a value is too large to compute with.
#pragma once

#include <QString>

inline const QString instructionText = QStringLiteral(
        "Indiquez d'abord votre poids, puis renseignez les rubriques en spécifiant votre "
        "corpulence (normale ou forte), votre sexe et votre consommation de boissons "
        "alcoolisées. Précisez si vous avez pris un repas et le nombre d'heures écoulées depuis "
        "la dernière prise d'alcool (1 heure au minimum).");

inline const QString cautionText = QStringLiteral(
        "ATTENTION ! L'alcoolémie estimée ne dépasse pas le seuil légal, mais vos réflexes "
        "peuvent déjà être altérés. Autant que possible, attendez encore un peu avant de prendre "
        "la route et SOYEZ PRUDENT !");

inline const QString stopText = QStringLiteral(
        "STOP ! VOUS N'ÊTES PAS EN ÉTAT DE PRENDRE LE VOLANT. ATTENDEZ ENCORE AU MINIMUM PENDANT "
        "LA DURÉE INDIQUÉE CI-CONTRE.");

// The warning when a value typed in exponent notation is beyond what the estimate can compute.
inline const QString overflowWarning = QStringLiteral(
        "Calcul impossible : une valeur saisie est trop grande.");
