// What a screen reader says of the main window's pictures, text boxes and results: the picture's
// subject or what the widget holds, in French. Buttons and options are named by their captions.
#include "mainwindow/sobrimetre.h"

#include "toolkit/picture.h"
#include "toolkit/shape.h"

#include <QLabel>
#include <QLineEdit>

namespace {

struct DrinkNames
{
    DrinkCategory category;
    const char16_t *glass; // "Ajouter un verre de ..."
    const char16_t *kind; // the category in the boxes' names
};

constexpr DrinkNames drinkNames[] = {
        {DrinkCategory::K, u"Ajouter un cocktail", u"cocktails"},
        {DrinkCategory::B, u"Ajouter un verre de bière", u"bière, cidre"},
        {DrinkCategory::A, u"Ajouter un verre d'apéritif", u"apéritifs, whisky"},
        {DrinkCategory::V, u"Ajouter un verre de vin", u"vins"},
        {DrinkCategory::D, u"Ajouter un verre de digestif", u"liqueurs, digestifs"},
        {DrinkCategory::C, u"Ajouter une coupe de champagne", u"champagne"},
};

QString text(const char16_t *utf16)
{
    return QString::fromUtf16(utf16);
}

} // namespace

void Sobrimetre::nameForAccessibility()
{
    for (const DrinkNames &names : drinkNames) {
        const DrinkColumn column = drinkColumn(names.category);
        const QString kind = text(names.kind);
        column.button->setAccessibleName(text(names.glass));
        column.count->setAccessibleName(QStringLiteral("Nombre de verres, ") + kind);
        column.volume->setAccessibleName(QStringLiteral("Volume par verre en cl, ") + kind);
        column.degree->setAccessibleName(QStringLiteral("Degré alcoolique, ") + kind);
    }
    Poids->setAccessibleName(QStringLiteral("Poids en kg"));
    Délai->setAccessibleName(QStringLiteral("Heures écoulées depuis la dernière prise d'alcool"));

    Homme->setAccessibleName(QStringLiteral("Homme"));
    Femme->setAccessibleName(QStringLiteral("Femme"));
    Repas->setAccessibleName(QStringLiteral("Repas : fourchette, couteau et cuillère"));
    Horloge->setAccessibleName(QStringLiteral("Horloge"));
    GraphImg->setAccessibleName(QStringLiteral("Graphique de l'alcoolémie sur 24 heures"));
    FeuVert->setAccessibleName(QStringLiteral("Feu vert"));
    FeuJaune->setAccessibleName(QStringLiteral("Feu orange"));
    FeuRouge->setAccessibleName(QStringLiteral("Feu rouge"));
    Alerte1->setAccessibleName(QStringLiteral("Panneau de danger : réflexes altérés"));
    Alerte2->setAccessibleName(QStringLiteral("Panneau stop : seuil légal dépassé"));
    Alerte3->setAccessibleName(QStringLiteral("Fauteuil roulant : danger grave"));
    Colonne->setAccessibleName(QStringLiteral("Barre de l'alcoolémie"));

    Alcoolémie->setAccessibleName(QStringLiteral("Alcoolémie estimée"));
    Attente->setAccessibleName(QStringLiteral("Heures à attendre encore"));
    Note->setAccessibleName(QStringLiteral("Message"));
    for (QLabel *result : {Alcoolémie, Attente, Note})
        result->setAccessibleDescription(result->text());
}
