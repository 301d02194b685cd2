// What a screen reader says of the main window's text boxes, bar and results, in French. The
// pictures are named by their subjects where they are made; buttons and options by their
// captions.
#include "sobrimetre.h"

#include "toolkit/shape.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

void Sobrimetre::nameForAccessibility()
{
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const DrinkColumn column = drinkColumn(drink.category);
        const QString kind = QString::fromUtf8(drink.kind);
        column.count->setAccessibleName(u"Nombre de verres, "_s + kind);
        column.volume->setAccessibleName(u"Volume par verre en cl, "_s + kind);
        column.degree->setAccessibleName(u"Degré alcoolique, "_s + kind);
    }
    Poids->setAccessibleName(u"Poids en kg"_s);
    Délai->setAccessibleName(u"Heures écoulées depuis la dernière prise d'alcool"_s);

    Colonne->setAccessibleName(u"Barre de l'alcoolémie"_s);
    Alcoolémie->setAccessibleName(u"Alcoolémie estimée"_s);
    Attente->setAccessibleName(u"Heures à attendre encore"_s);
    Note->setAccessibleName(u"Message"_s);
    for (QLabel *result : {Alcoolémie, Attente, Note})
        result->setAccessibleDescription(result->text());
}
