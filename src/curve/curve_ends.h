// Where the two moving segments of the curve window end, from the delay since the last drink
// and the level the main window shows. Pure arithmetic, without any window.
#pragma once

#include <string_view>

struct CurveEnds
{
    float peakY = 0; // twips: top of the rise, one hour after the last drink
    float fallEndX = 0; // twips: where the fall meets the time axis
};

// Reads the delay as the main window's fields are read. A number beyond the double range,
// which the two-character box cannot hold, reads as no delay, so no correction is added.
double readDelay(std::string_view utf8Text);

// The peak goes back from the displayed level to one hour after the last drink, at 0.12 g/l per
// hour beyond the first; a zero level stays flat. 2400 twips per g/l upwards from y 5640, and
// 300 twips per hour of fall from x 960. Nothing is clamped: a high peak leaves the window.
CurveEnds curveEnds(double delayHours, double displayedLevel);
