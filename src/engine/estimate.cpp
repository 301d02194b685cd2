#include "estimate.h"

#include "arithmetic_overflow.h"

#include <cmath>
#include <utility>

double alcoholGrams(const CategoryIntake &intake)
{
    const double litres = checkedFinite(intake.volumeCl / 100, "volume");
    double grams = checkedFinite(intake.count * litres, "nombre de verres");
    grams = checkedFinite(grams * intake.degree, "degré");
    return checkedFinite(grams * 8, "masse d'alcool");
}

double totalAlcoholGrams(const EstimateInputs &inputs)
{
    // Each category is checked in the order K, A, V, B, D, C; the sum is then taken as
    // ((((A + V) + B) + D) + C) + K, an order that fixes the result to the last bit.
    const double k = alcoholGrams(inputs[DrinkCategory::K]);
    const double a = alcoholGrams(inputs[DrinkCategory::A]);
    const double v = alcoholGrams(inputs[DrinkCategory::V]);
    const double b = alcoholGrams(inputs[DrinkCategory::B]);
    const double d = alcoholGrams(inputs[DrinkCategory::D]);
    const double c = alcoholGrams(inputs[DrinkCategory::C]);
    double sum = checkedFinite(a + v, "somme");
    sum = checkedFinite(sum + b, "somme");
    sum = checkedFinite(sum + d, "somme");
    sum = checkedFinite(sum + c, "somme");
    return checkedFinite(sum + k, "somme");
}

double diffusionCoefficient(bool isMale, bool corpulenceNormal)
{
    double coefficient = isMale ? 0.7 : 0.6;
    if (!corpulenceNormal)
        coefficient = coefficient - 0.1;
    return coefficient;
}

Verdict classify(double level, DrivingLimit limit)
{
    if (level >= severeLevel)
        return Verdict::RedSevere;
    if (level >= legalLimitOf(limit))
        return Verdict::Red;
    const bool caution = limit == DrivingLimit::Probationary ? level > 0 : level >= cautionLevel;
    return caution ? Verdict::Yellow : Verdict::Green;
}

std::vector<ImpossibleValue> impossibleValues(const EstimateInputs &inputs)
{
    std::vector<ImpossibleValue> found;
    const auto check = [&found](DrinkCategory category, IntakeField field, double value) {
        if (value < 0)
            found.push_back({category, field, false});
        else if (field == IntakeField::Degree && value > 100)
            found.push_back({category, field, true});
    };
    for (const DrinkCategoryInfo &drink : drinkCategories)
        check(drink.category, IntakeField::Count, inputs[drink.category].count);
    for (const DrinkCategoryInfo &drink : drinkCategories)
        check(drink.category, IntakeField::Volume, inputs[drink.category].volumeCl);
    for (const DrinkCategoryInfo &drink : drinkCategories)
        check(drink.category, IntakeField::Degree, inputs[drink.category].degree);
    return found;
}

namespace {

// One estimate of the spread: the diffusion coefficient multiplied by coefficientFactor, the
// peak divided by mealDivisor after a meal, and eliminationRate g/l per hour after the peak.
struct Assumptions
{
    double coefficientFactor;
    double mealDivisor;
    double eliminationRate;
};

constexpr Assumptions averagePerson{1, mealDivisor, eliminationPerHour};
constexpr Assumptions highEstimate{0.8, 1.2, slowEliminationPerHour};
constexpr Assumptions lowEstimate{1.25, 2, fastEliminationPerHour};

double levelUnder(const Assumptions &assumptions, const EstimateInputs &inputs, double mass,
                  double elapsed)
{
    const double coefficient = diffusionCoefficient(inputs.isMale, inputs.corpulenceNormal);
    // A weight above 0 but so small that this product is 0 cannot divide anything.
    const double diffusionMass = inputs.weightKg * coefficient * assumptions.coefficientFactor;
    if (diffusionMass == 0)
        throw ArithmeticOverflow("division par zéro : poids");
    const double meal = inputs.mealTaken ? assumptions.mealDivisor : 1;
    const double peak = checkedFinite(checkedFinite(mass / diffusionMass, "division") / meal,
                                      "division");
    const double raw = checkedFinite(peak
                                             - checkedFinite(assumptions.eliminationRate * elapsed,
                                                             "délai"),
                                     "élimination");
    return raw > 0 ? raw : 0;
}

} // namespace

EstimateResult estimate(const EstimateInputs &inputs)
{
    if (!(inputs.weightKg > 0)) {
        EstimateResult refused;
        refused.status = EstimateStatus::WeightMissing;
        return refused;
    }
    if (std::vector<ImpossibleValue> impossible = impossibleValues(inputs); !impossible.empty()) {
        EstimateResult refused;
        refused.status = EstimateStatus::ImpossibleValue;
        refused.impossibleValues = std::move(impossible);
        return refused;
    }
    const double mass = totalAlcoholGrams(inputs);
    const double elapsed = inputs.delayHours > hoursToPeak ? inputs.delayHours - hoursToPeak : 0;

    EstimateResult result;
    result.limit = inputs.limit;
    result.prudent = inputs.prudent;
    result.middle = levelUnder(averagePerson, inputs, mass, elapsed);
    result.high = levelUnder(highEstimate, inputs, mass, elapsed);
    result.low = levelUnder(lowEstimate, inputs, mass, elapsed);
    const double limit = legalLimitOf(inputs.limit);
    const double elimination = inputs.prudent ? slowEliminationPerHour : eliminationPerHour;
    result.level = inputs.prudent ? result.high : result.middle;
    result.waitHours = checkedFinite((result.level - limit) / elimination, "attente");
    result.waitDisplay = result.level >= limit ? std::round(result.waitHours + 0.5) : 0;
    result.verdict = classify(result.level, inputs.limit);
    return result;
}
