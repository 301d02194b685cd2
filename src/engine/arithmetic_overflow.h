// The error that abandons an estimate: a number outside the double range in a field, or a
// product, sum or division that no longer gives a finite value. Only exponent notation in a
// field ("9E300") can cause it; the main window catches it and warns the user.
#pragma once

#include <cmath>
#include <stdexcept>

class ArithmeticOverflow : public std::overflow_error
{
public:
    using std::overflow_error::overflow_error;
};

[[noreturn]] void throwOverflow(const char *step);

// Returns value, or throws ArithmeticOverflow naming the step when it is infinite or NaN.
// Inline: the estimate checks every one of its steps on every keystroke.
inline double checkedFinite(double value, const char *step)
{
    if (!std::isfinite(value))
        throwOverflow(step);
    return value;
}
