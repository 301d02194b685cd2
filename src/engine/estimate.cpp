#include "estimate.h"

#include "arithmetic_overflow.h"
#include "spread.h"

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
        if (const std::optional<ImpossibleValue> impossible = impossibleValue(category, field,
                                                                              value))
            found.push_back(*impossible);
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

double levelUnder(const Assumptions &assumptions, const EstimateInputs &inputs, double mass,
                  double elapsed)
{
    const double peak = PersonalEstimate(assumptions, inputs).peakOf(mass);
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
    settleVerdict(result, 0);
    result.hoursToZero = result.level / shownAssumptions(inputs.prudent).eliminationRate;
    result.hoursToDrive = result.waitDisplay;
    return result;
}
