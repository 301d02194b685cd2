// The estimate of the blood-alcohol level (g/l) from what a person drank, and the verdict on
// driving. Pure computation in double precision; the main window fills EstimateInputs from its
// widgets on every change and shows the EstimateResult.
#pragma once

#include "drink_category.h"

#include <array>
#include <optional>
#include <vector>

// The limit a driver is held to: 0.5 g/l, or 0.2 g/l for probationary licence holders, learners
// and drivers of public transport.
enum class DrivingLimit { Standard, Probationary };

struct CategoryIntake
{
    double count = 0; // glasses
    double volumeCl = 0; // centilitres per glass
    double degree = 0; // alcohol, percent by volume
};

struct EstimateInputs
{
    double weightKg = 0;
    bool isMale = true;
    bool corpulenceNormal = true;
    bool mealTaken = false;
    std::array<CategoryIntake, drinkCategoryCount> intake{};
    double delayHours = 1; // hours since the last drink
    DrivingLimit limit = DrivingLimit::Standard;
    // The level shown and the wait hold for nearly everyone, not only for the average person:
    // the high estimate, falling at the slow elimination rate.
    bool prudent = false;

    CategoryIntake &operator[](DrinkCategory category) { return intake[indexOf(category)]; }
    const CategoryIntake &operator[](DrinkCategory category) const
    {
        return intake[indexOf(category)];
    }
};

// Under the 0.2 g/l limit, any alcohol at all calls for caution: Yellow is above 0, Red from
// 0.2 g/l.
// Whether an estimate could be made. Without a weight above 0 there is nothing to divide by; a
// count, volume or degree below 0, or a degree above 100, cannot be, and taken as it stands it
// would lower the total: a slip of the finger would turn a stop into a green light.
enum class EstimateStatus { Ok, WeightMissing, ImpossibleValue };

// The boxes of a drink column, in their order on screen, top to bottom.
enum class IntakeField { Count, Volume, Degree };

struct ImpossibleValue
{
    DrinkCategory category = DrinkCategory::K;
    IntakeField field = IntakeField::Count;
    bool aboveHundred = false; // a degree above 100; otherwise the value is below 0

    bool operator==(const ImpossibleValue &) const = default;
};

enum class Verdict {
    Green, // below 0.3 g/l
    Yellow, // from 0.3 to below the limit
    Red, // from the limit to below 0.8 g/l
    RedSevere // 0.8 g/l and above
};

struct EstimateResult
{
    // Unless Ok, no level, wait or verdict was computed: there is no verdict to show.
    EstimateStatus status = EstimateStatus::Ok;
    // With ImpossibleValue, every value that cannot be, in the order of impossibleValues().
    std::vector<ImpossibleValue> impossibleValues;
    double level = 0; // g/l, unrounded, never negative: the middle or, prudent, the high one
    double waitHours = 0; // hours to fall to the limit; meaningful from the limit on
    double waitDisplay = 0; // the whole number of hours shown to the user
    Verdict verdict = Verdict::Green;
    DrivingLimit limit = DrivingLimit::Standard;
    bool prudent = false;
    // The spread between people, never negative and low <= middle <= high: the middle is the
    // average person's estimate; the high one covers about 97 people in 100.
    double low = 0;
    double middle = 0;
    double high = 0;
    // What the tooltips tell: the hours until the level shown is back to 0, and until one may
    // drive (0 when one may already). The estimate of one moment gives the level over the
    // elimination rate, and the whole hours of waitDisplay.
    double hoursToZero = 0;
    double hoursToDrive = 0;
};

inline constexpr double cautionLevel = 0.3; // g/l: reflexes may already be impaired
inline constexpr double legalLimit = 0.5; // g/l
inline constexpr double probationaryLimit = 0.2; // g/l
inline constexpr double severeLevel = 0.8; // g/l
inline constexpr double eliminationPerHour = 0.12; // g/l per hour
inline constexpr double mealDivisor = 1.5;
// The spread between people: the diffusion coefficient about 20 % higher or lower than its
// mean, a meal lowering the peak by a half to a sixth, elimination from 0.18 down to 0.10 g/l
// per hour (published prediction intervals for drivers).
inline constexpr double slowEliminationPerHour = 0.10; // g/l per hour, the high estimate's
inline constexpr double fastEliminationPerHour = 0.18; // g/l per hour, the low estimate's
inline constexpr double hoursToPeak = 1; // the level peaks one hour after the last drink

// Grams of pure alcohol of one category: 1 cl of drink at 1 degree holds 0.08 g.
double alcoholGrams(const CategoryIntake &intake);
double totalAlcoholGrams(const EstimateInputs &inputs);
double diffusionCoefficient(bool isMale, bool corpulenceNormal);

constexpr double legalLimitOf(DrivingLimit limit)
{
    return limit == DrivingLimit::Probationary ? probationaryLimit : legalLimit;
}

Verdict classify(double level, DrivingLimit limit = DrivingLimit::Standard);

// The value in the given box of a drink column, when it cannot be: below 0, or a degree above
// 100. Inline: the evening's model asks it of every glass every minute.
inline std::optional<ImpossibleValue> impossibleValue(DrinkCategory category, IntakeField field,
                                                      double value)
{
    if (value < 0)
        return ImpossibleValue{category, field, false};
    if (field == IntakeField::Degree && value > 100)
        return ImpossibleValue{category, field, true};
    return std::nullopt;
}

// Every count, volume or degree below 0 and every degree above 100, in the order the boxes stand
// on screen: the counts' row, then the volumes', then the degrees', each from left to right.
std::vector<ImpossibleValue> impossibleValues(const EstimateInputs &inputs);

// Refuses a weight of 0 or below (WeightMissing), then any value that cannot be
// (ImpossibleValue), before computing anything. Throws ArithmeticOverflow when a step of any of
// the three estimates no longer gives a finite value, as with a weight above 0 but too small to
// divide by.
EstimateResult estimate(const EstimateInputs &inputs);
