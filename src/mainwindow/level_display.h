// How the main window shows the level: its text with the user's decimal separator, and the bar
// that grows upwards from the foot of the scale, 2295 twips per g/l, up to its cap.
#pragma once

#include <QString>

inline constexpr float barBottom = 4500;
inline constexpr float restingBarHeight = 15;
inline constexpr float barCapHeight = 4230;
inline constexpr double barCapLevel = 1.83;
inline constexpr double barTwipsPerLevel = 2295;

// "0,65" under French settings: two decimals, rounded half away from zero.
QString levelText(double level);
