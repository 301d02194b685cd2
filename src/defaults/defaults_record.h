// The user's usual values as Defaut.dat keeps them: weight, sex, corpulence, meal, and the
// volume and degree of each drink category. The main window fills one from its widgets to
// save, and copies one into its widgets at start-up and reload; a fresh record holds the
// factory values, which the restore command puts back.
#pragma once

#include "engine/drink_category.h"

#include <array>
#include <cstdint>
#include <string>

inline constexpr std::int16_t sexMan = 1;
inline constexpr std::int16_t sexWoman = 2;
inline constexpr std::int16_t corpulenceNormal = 1;
inline constexpr std::int16_t corpulenceStrong = 2;
inline constexpr std::int16_t mealTaken = 1;
inline constexpr std::int16_t noMeal = 0;
inline constexpr std::int16_t probationaryLimitOn = 1;
inline constexpr std::int16_t probationaryLimitOff = 0;
inline constexpr std::int16_t prudentEstimateOn = 1;
inline constexpr std::int16_t prudentEstimateOff = 0;
inline constexpr std::int16_t eveningJournalOn = 1;
inline constexpr std::int16_t eveningJournalOff = 0;

// Volume per glass (cl) and alcohol degree of one category, as the boxes' texts.
struct DrinkDefaults
{
    std::string volume;
    std::string degree;

    bool operator==(const DrinkDefaults &) const = default;
};

struct DefaultsRecord
{
    DefaultsRecord();

    // Texts are UTF-8. A value read from the file is its six characters as stored, trailing
    // blanks included; codes are kept as read, whatever their value.
    std::string weight;
    std::int16_t sexCode = sexMan;
    std::int16_t corpulenceCode = corpulenceNormal;
    std::int16_t mealCode = noMeal;
    std::array<DrinkDefaults, drinkCategoryCount> drinks;
    // The 0.2 g/l limit of probationary drivers, the prudent estimate and the evening's journal,
    // kept in records after the 16 only while one is on, so that a file of the usual values
    // alone stays the 16 records any reader knows.
    bool probationary = false;
    bool prudent = false;
    bool journal = false;

    DrinkDefaults &operator[](DrinkCategory category) { return drinks[indexOf(category)]; }
    const DrinkDefaults &operator[](DrinkCategory category) const
    {
        return drinks[indexOf(category)];
    }

    bool operator==(const DefaultsRecord &) const = default;
};
