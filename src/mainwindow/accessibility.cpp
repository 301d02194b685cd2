// What a screen reader says of the main window's text boxes and frames, in French. The
// pictures and the results are named where they are made; buttons and options by their
// captions.
#include "sobrimetre.h"

#include "toolkit/frame.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

void Sobrimetre::nameForAccessibility()
{
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const DrinkColumn &column = drinkColumn(drink.category);
        const QString kind = QString::fromUtf8(drink.kind);
        column.count->setAccessibleName(u"Nombre de verres, "_s + kind);
        column.volume->setAccessibleName(u"Volume par verre en cl, "_s + kind);
        column.degree->setAccessibleName(u"Degré alcoolique, "_s + kind);
    }
    Poids->setAccessibleName(u"Poids en kg"_s);
    Délai->setAccessibleName(u"Heures écoulées depuis la dernière prise d'alcool"_s);

    // Inside the subject's frame, its own group for the corpulence options.
    Cadre4->setAccessibleName(Cadre4->title());
}
