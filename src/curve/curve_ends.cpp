#include "curve_ends.h"

#include "engine/arithmetic_overflow.h"
#include "engine/estimate.h"
#include "engine/read_number.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double axisY = 5640;
constexpr double twipsPerGramPerLitre = 2400;
constexpr double peakX = 960;
constexpr double twipsPerHourOfFall = 300;

// The lines keep single precision. An absurd level beyond its range ends at its largest value
// instead of an undefined conversion.
float toSingle(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

} // namespace

double readDelay(std::string_view utf8Text)
{
    try {
        return readNumber(utf8Text);
    } catch (const ArithmeticOverflow &) {
        return 0;
    }
}

CurveEnds curveEnds(double delayHours, double displayedLevel)
{
    const double correction = delayHours <= 1 ? 0 : (delayHours - 1) * eliminationPerHour;
    const double peak = displayedLevel > 0 ? displayedLevel + correction : displayedLevel;
    const double y = axisY - twipsPerGramPerLitre * peak;
    const double x = peakX + (peak / eliminationPerHour) * twipsPerHourOfFall;
    return {toSingle(y), toSingle(x)};
}
