// The six categories of drinks, with all that the program knows of each: its letter, which also
// forms the names of its column's widgets (NB_K, VOL_K, DEG_K), the heading of its column, its
// glass button and picture, its factory volume and degree, and what a screen reader says of its
// button and boxes. Texts are UTF-8. The columns stand on screen in the order K, B, A, V, D, C,
// which is also the order of the categories in Defaut.dat.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Declared in the order of the columns.
enum class DrinkCategory { K, B, A, V, D, C };

inline constexpr std::size_t drinkCategoryCount = 6;

constexpr std::size_t indexOf(DrinkCategory category)
{
    return static_cast<std::size_t>(category);
}

struct DrinkCategoryInfo
{
    DrinkCategory category;
    char letter;
    std::string_view heading; // the caption above the column
    std::string_view button; // the glass button's name
    std::string_view picture; // the button's picture, named without its extension
    std::string_view factoryVolume; // centilitres per glass, as the box shows it
    std::string_view factoryDegree; // percent by volume
    std::string_view addGlass; // a screen reader's name for the button
    std::string_view kind; // the category in a screen reader's names for the boxes
    std::string_view of; // what a sentence puts before the heading: "le volume des « Vins »"
};

// In the order of the columns on screen, left to right.
inline constexpr std::array<DrinkCategoryInfo, drinkCategoryCount> drinkCategories{{
        {DrinkCategory::K, 'K', "Cocktails, long drinks", "Cocktail", "cocktail", "12", "12",
         "Ajouter un cocktail", "cocktails", "des"},
        {DrinkCategory::B, 'B', "Bière, cidre", "Bière", "biere", "25", "5",
         "Ajouter un verre de bière", "bière, cidre", "des"},
        {DrinkCategory::A, 'A', "Apéritifs, Whisky", "Apéritif", "aperitif", "4", "44",
         "Ajouter un verre d'apéritif", "apéritifs, whisky", "des"},
        {DrinkCategory::V, 'V', "Vins", "Vin", "vin", "12", "11", "Ajouter un verre de vin", "vins",
         "des"},
        {DrinkCategory::D, 'D', "Liqueurs, digestifs", "Digestif", "digestif", "4", "40",
         "Ajouter un verre de digestif", "liqueurs, digestifs", "des"},
        {DrinkCategory::C, 'C', "Champagne", "Champagne", "champagne", "12", "12",
         "Ajouter une coupe de champagne", "champagne", "du"},
}};

static_assert([] {
    for (std::size_t i = 0; i < drinkCategoryCount; ++i) {
        if (indexOf(drinkCategories[i].category) != i)
            return false;
    }
    return true;
}());
