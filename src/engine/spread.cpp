#include "spread.h"

#include "arithmetic_overflow.h"

#include <cmath>

PersonalEstimate::PersonalEstimate(const Assumptions &assumptions, const EstimateInputs &person)
    : diffusionMass(person.weightKg * diffusionCoefficient(person.isMale, person.corpulenceNormal)
                    * assumptions.coefficientFactor)
    , meal(person.mealTaken ? assumptions.mealDivisor : 1)
    , rate(assumptions.eliminationRate)
{
    // A weight above 0 but so small that this product is 0 cannot divide anything.
    if (diffusionMass == 0)
        throw ArithmeticOverflow("division par zéro : poids");
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
