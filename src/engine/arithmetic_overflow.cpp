#include "arithmetic_overflow.h"

#include <cmath>
#include <string>

double checkedFinite(double value, const char *step)
{
    if (!std::isfinite(value))
        throw ArithmeticOverflow(std::string("dépassement de capacité : ") + step);
    return value;
}
