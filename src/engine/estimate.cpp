#include "estimate.h"

#include "arithmetic_overflow.h"

#include <charconv>
#include <cmath>

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

Verdict classify(double level)
{
    if (level >= 0.8)
        return Verdict::RedSevere;
    if (level >= legalLimit)
        return Verdict::Red;
    if (level >= 0.3)
        return Verdict::Yellow;
    return Verdict::Green;
}

EstimateResult estimate(const EstimateInputs &inputs)
{
    EstimateResult result;
    if (inputs.weightKg == 0) {
        result.status = EstimateStatus::WeightMissing;
        return result;
    }
    const double mass = totalAlcoholGrams(inputs);
    const double coefficient = diffusionCoefficient(inputs.isMale, inputs.corpulenceNormal);
    const double meal = inputs.mealTaken ? mealDivisor : 1;
    const double elapsed = inputs.delayHours > hoursToPeak ? inputs.delayHours - hoursToPeak : 0;

    // A weight so small that this product is 0 cannot divide anything.
    const double diffusionMass = inputs.weightKg * coefficient;
    if (diffusionMass == 0)
        throw ArithmeticOverflow("division par zéro : poids");
    const double peak = checkedFinite(checkedFinite(mass / diffusionMass, "division") / meal,
                                      "division");
    const double raw = checkedFinite(peak - checkedFinite(eliminationPerHour * elapsed, "délai"),
                                     "élimination");

    result.level = raw > 0 ? raw : 0;
    result.waitHours = checkedFinite((result.level - legalLimit) / eliminationPerHour, "attente");
    result.waitDisplay = result.level >= legalLimit ? std::round(result.waitHours + 0.5) : 0;
    result.verdict = classify(result.level);
    return result;
}

std::string formatLevel(double level)
{
    // A level written exactly with three decimals ending in 5 (an odd multiple of 1/8) is a tie
    // that the conversion below would round to even; the display rounds it away from zero.
    const double magnitude = std::fabs(level);
    const double wholePart = std::trunc(magnitude);
    const double eighths = (magnitude - wholePart) * 8;
    const bool isTie = std::fmod(magnitude, 0.25) == 0.125;

    char buffer[400];
    if (isTie) {
        const char *fractions[] = {"13", "38", "63", "88"};
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, wholePart,
                                                std::chars_format::fixed, 0);
        (void)error;
        std::string text(buffer, end);
        if (level < 0)
            text.insert(0, 1, '-');
        return text + '.' + fractions[static_cast<int>(eighths) / 2];
    }
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, level,
                                            std::chars_format::fixed, 2);
    (void)error;
    return {buffer, end};
}
