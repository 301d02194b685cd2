// The curve of the level over a day, as the curve window draws it from what the main window
// shows: the level rises to its peak one hour after the last drink, then falls to zero at a
// steady rate, 0.12 g/l per hour for the average person. The peak is taken back from the
// displayed level and the delay.
#pragma once

#include <string_view>

struct CurvePeak
{
    double level = 0; // g/l, one hour after the last drink
    double fallHours = 0; // from the peak down to zero
};

// The delay as every field is read. A number beyond the double range, which the two-character
// box cannot hold, reads as no delay, so nothing is added to the level.
double readDelay(std::string_view utf8Text);

// Each hour beyond the first adds eliminationRate g/l to the displayed level; a zero level stays
// flat, with no peak taken back. Nothing is clamped.
CurvePeak curvePeak(double delayHours, double displayedLevel, double eliminationRate);
