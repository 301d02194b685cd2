#include "spread.h"

#include "arithmetic_overflow.h"

#include <cmath>

double peakLevel(const Assumptions &assumptions, const EstimateInputs &person, double grams)
{
    const double coefficient = diffusionCoefficient(person.isMale, person.corpulenceNormal);
    // A weight above 0 but so small that this product is 0 cannot divide anything.
    const double diffusionMass = person.weightKg * coefficient * assumptions.coefficientFactor;
    if (diffusionMass == 0)
        throw ArithmeticOverflow("division par zéro : poids");
    const double meal = person.mealTaken ? assumptions.mealDivisor : 1;
    return checkedFinite(checkedFinite(grams / diffusionMass, "division") / meal, "division");
}

void settleVerdict(EstimateResult &result, double hoursBeforeElimination)
{
    const double limit = legalLimitOf(result.limit);
    result.level = result.prudent ? result.high : result.middle;
    result.waitHours = checkedFinite((result.level
                                      - limit) / shownAssumptions(result.prudent).eliminationRate
                                             + hoursBeforeElimination,
                                     "attente");
    result.waitDisplay = result.level >= limit ? std::round(result.waitHours + 0.5) : 0;
    result.verdict = classify(result.level, result.limit);
}
