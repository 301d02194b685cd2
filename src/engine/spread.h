// The three estimates of the spread between people, as the estimate of one moment and the model
// of the evening both count them: the average person, the high estimate that covers about 97
// people in 100, and the low one.
#pragma once

#include "arithmetic_overflow.h"
#include "estimate.h"

// One estimate of the spread: the diffusion coefficient multiplied by coefficientFactor, the
// peak divided by mealDivisor after a meal, and eliminationRate g/l per hour after the peak.
struct Assumptions
{
    double coefficientFactor;
    double mealDivisor;
    double eliminationRate;
};

inline constexpr Assumptions averagePerson{1, mealDivisor, eliminationPerHour};
inline constexpr Assumptions highEstimate{0.8, 1.2, slowEliminationPerHour};
inline constexpr Assumptions lowEstimate{1.25, 2, fastEliminationPerHour};

// One estimate of the spread for the weight, sex, build and meal of one person: the level that
// grams of alcohol reach at their peak. Throws ArithmeticOverflow when the weight, though above
// 0, is too small to divide by, or when a step gives no finite value.
class PersonalEstimate
{
public:
    PersonalEstimate(const Assumptions &assumptions, const EstimateInputs &person);

    double peakOf(double grams) const
    {
        return checkedFinite(checkedFinite(grams / diffusionMass, "division") / meal, "division");
    }

    double eliminationRate() const { return rate; }

private:
    double diffusionMass;
    double meal;
    double rate;
};

// The estimate whose level is shown: the high one when prudent, else the average person's.
constexpr const Assumptions &shownAssumptions(bool prudent)
{
    return prudent ? highEstimate : averagePerson;
}

// From result's low, middle and high levels, its limit and prudent: the level shown, the hours
// to wait before it falls to the limit (plus hoursBeforeElimination, while nothing is eliminated
// yet), the whole hours shown, and the verdict. Throws ArithmeticOverflow when the wait is not
// finite.
void settleVerdict(EstimateResult &result, double hoursBeforeElimination);
