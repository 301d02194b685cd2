#include "texts.h"

using namespace Qt::StringLiterals;

namespace {

const QString instructionText
        = u"Indiquez d'abord votre poids, puis renseignez les rubriques en spécifiant votre "
          u"corpulence (normale ou forte), votre sexe et votre consommation de boissons "
          u"alcoolisées. Précisez si vous avez pris un repas et le nombre d'heures écoulées "
          u"depuis la dernière prise d'alcool (1 heure au minimum)."_s;

const QString cautionText
        = u"ATTENTION ! L'alcoolémie estimée ne dépasse pas le seuil légal, mais vos réflexes "
          u"peuvent déjà être altérés. Autant que possible, attendez encore un peu avant de "
          u"prendre la route et SOYEZ PRUDENT !"_s;

const QString stopText
        = u"STOP ! VOUS N'ÊTES PAS EN ÉTAT DE PRENDRE LE VOLANT. ATTENDEZ ENCORE AU MINIMUM "
          u"PENDANT LA DURÉE INDIQUÉE CI-CONTRE."_s;

const QString weightMissingText
        = u"Poids manquant : indiquez votre poids (plus de 0 kg) pour obtenir une estimation."_s;

} // namespace

QString noteTextOf(const ResultDisplay &display, const QString &journalFailure)
{
    switch (display.message) {
    case NoteMessage::Caution:
        return cautionText;
    case NoteMessage::Stop:
        return stopText;
    case NoteMessage::Failed:
        return overflowWarning;
    case NoteMessage::WeightMissing:
        return weightMissingText;
    case NoteMessage::ImpossibleValue:
        if (!display.impossibleValues.empty())
            return impossibleValueText(display.impossibleValues.front());
        break;
    case NoteMessage::JournalUnavailable:
        return u"Journal de la soirée inaccessible : %1 Aucune estimation tant qu'il ne peut pas "
               u"être lu et enregistré ; les verres notés entre-temps sont gardés."_s.arg(
                       journalFailure);
    case NoteMessage::Instruction:
        break;
    }
    return instructionText;
}

QString impossibleValueText(const ImpossibleValue &value)
{
    const char *const boxes[] = {"le nombre de verres", "le volume", "le degré"};
    const DrinkCategoryInfo &drink = drinkCategories[indexOf(value.category)];
    return u"Valeur impossible : %1 %2 « %3 » %4. Corrigez-la pour obtenir une estimation."_s
            .arg(QString::fromUtf8(boxes[static_cast<std::size_t>(value.field)]),
                 QString::fromUtf8(drink.of), QString::fromUtf8(drink.heading),
                 value.aboveHundred ? u"dépasse 100"_s : u"est négatif"_s);
}

const QString weightWarning = u"Vous devez saisir une valeur correcte pour le poids."_s;

const QString delayWarning
        = u"L'alcoolémie ne peut être évaluée que pour un délai supérieur ou égal à 1 heure."_s;

const QString overflowWarning = u"Calcul impossible : une valeur saisie est trop grande."_s;
