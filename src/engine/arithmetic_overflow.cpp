#include "arithmetic_overflow.h"

#include <string>

void throwOverflow(const char *step)
{
    throw ArithmeticOverflow(std::string("dépassement de capacité : ") + step);
}
