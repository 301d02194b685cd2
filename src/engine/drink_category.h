// The six categories of drinks. Each letter also forms the names of its column's widgets
// (NB_K, VOL_K, DEG_K); the columns stand on screen in the order K, B, A, V, D, C.
#pragma once

#include <array>
#include <cstddef>

enum class DrinkCategory { A, B, C, D, K, V };

inline constexpr std::size_t drinkCategoryCount = 6;

// The columns of the main window from left to right; also the order of Defaut.dat.
inline constexpr std::array<DrinkCategory, drinkCategoryCount> onScreenOrder{DrinkCategory::K,
                                                                             DrinkCategory::B,
                                                                             DrinkCategory::A,
                                                                             DrinkCategory::V,
                                                                             DrinkCategory::D,
                                                                             DrinkCategory::C};

constexpr std::size_t indexOf(DrinkCategory category)
{
    return static_cast<std::size_t>(category);
}

constexpr char letterOf(DrinkCategory category)
{
    constexpr std::array<char, drinkCategoryCount> letters{'A', 'B', 'C', 'D', 'K', 'V'};
    return letters[indexOf(category)];
}
