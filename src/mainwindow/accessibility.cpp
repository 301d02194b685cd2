// What a screen reader says of the main window's pictures, text boxes and results: the picture's
// subject or what the widget holds, in French. Buttons and options are named by their captions.
#include "sobrimetre.h"

#include "toolkit/picture.h"
#include "toolkit/shape.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

void Sobrimetre::nameForAccessibility()
{
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const DrinkColumn column = drinkColumn(drink.category);
        const QString kind = QString::fromUtf8(drink.kind);
        column.button->setAccessibleName(QString::fromUtf8(drink.addGlass));
        column.count->setAccessibleName(u"Nombre de verres, "_s + kind);
        column.volume->setAccessibleName(u"Volume par verre en cl, "_s + kind);
        column.degree->setAccessibleName(u"Degré alcoolique, "_s + kind);
    }
    Poids->setAccessibleName(u"Poids en kg"_s);
    Délai->setAccessibleName(u"Heures écoulées depuis la dernière prise d'alcool"_s);

    const std::pair<QWidget *, QString> subjects[] = {
            {Homme, u"Homme"_s},
            {Femme, u"Femme"_s},
            {Repas, u"Repas : fourchette, couteau et cuillère"_s},
            {Horloge, u"Horloge"_s},
            {GraphImg, u"Graphique de l'alcoolémie sur 24 heures"_s},
            {FeuVert, u"Feu vert"_s},
            {FeuJaune, u"Feu orange"_s},
            {FeuRouge, u"Feu rouge"_s},
            {Alerte1, u"Panneau de danger : réflexes altérés"_s},
            {Alerte2, u"Panneau stop : seuil légal dépassé"_s},
            {Alerte3, u"Fauteuil roulant : danger grave"_s},
            {Colonne, u"Barre de l'alcoolémie"_s},
            {Alcoolémie, u"Alcoolémie estimée"_s},
            {Attente, u"Heures à attendre encore"_s},
            {Note, u"Message"_s},
    };
    for (const auto &[widget, subject] : subjects)
        widget->setAccessibleName(subject);
    for (QLabel *result : {Alcoolémie, Attente, Note})
        result->setAccessibleDescription(result->text());
}
