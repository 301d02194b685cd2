#include "curve_peak.h"

#include "arithmetic_overflow.h"
#include "estimate.h"
#include "read_number.h"

double readDelay(std::string_view utf8Text)
{
    try {
        return readNumber(utf8Text);
    } catch (const ArithmeticOverflow &) {
        return 0;
    }
}

CurvePeak curvePeak(double delayHours, double displayedLevel, double eliminationRate)
{
    const double correction = delayHours <= hoursToPeak
                                      ? 0
                                      : (delayHours - hoursToPeak) * eliminationRate;
    const double peak = displayedLevel > 0 ? displayedLevel + correction : displayedLevel;
    return {peak, peak / eliminationRate};
}
