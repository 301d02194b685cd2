// Any text in any field gives a finite number or the overflow error, the same to the last bit as
// the plain reference reading gives wherever it knows the characters, and any such numbers give
// a finite, non-negative level or the overflow error: never a crash, never a NaN. The spread
// between people is ordered: the low estimate is never above the middle one, nor the middle
// above the high one. No weight of 0 or below, and no negative count, volume or degree, nor a
// degree above 100, ever yields a level.
#include "engine/arithmetic_overflow.h"
#include "engine/estimate.h"
#include "engine/read_number.h"
#include "engine/result_display.h"
#include "reference_reading.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Splits the input at '|' into the fields of one record.
std::vector<std::string_view> fieldsOf(std::string_view data)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= data.size()) {
        const std::size_t bar = data.find('|', start);
        const std::size_t end = bar == std::string_view::npos ? data.size() : bar;
        fields.push_back(data.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

void mustBeFinite(double value)
{
    if (!std::isfinite(value))
        std::abort();
}

void printReading(const char *reader, std::optional<double> value)
{
    if (value)
        std::fprintf(stderr, "%s: %a\n", reader, *value);
    else
        std::fprintf(stderr, "%s: out of range\n", reader);
}

// The field as readNumber reads it, nothing when out of range; aborts unless the reference
// reading, where it knows the field's characters, gives the same bits, and the same sign for a
// number out of range.
std::optional<double> checkedReading(std::string_view field)
{
    std::optional<double> value;
    try {
        value = readNumber(field);
        mustBeFinite(*value);
    } catch (const ArithmeticOverflow &) { }
    const std::optional<ReferenceReading> expected = referenceReading(field);
    if (!expected)
        return value;
    const bool sameReading = value && expected->value
                                     ? std::bit_cast<std::uint64_t>(*value)
                                               == std::bit_cast<std::uint64_t>(*expected->value)
                                     : value.has_value() == expected->value.has_value();
    if (!sameReading || hasMinusSign(field) != expected->minusSign) {
        printReading("readNumber", value);
        printReading("reference", expected->value);
        std::abort();
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string_view> fields = fieldsOf(text);
    std::vector<double> numbers;
    for (const std::string_view field : fields)
        numbers.push_back(checkedReading(field).value_or(1));
    // Weight, sex, corpulence, meal, delay, the six counts, the six volumes, the six degrees, the
    // 0.2 g/l limit and the prudent estimate.
    constexpr std::size_t countsAt = 5;
    constexpr std::size_t volumesAt = countsAt + drinkCategoryCount;
    constexpr std::size_t degreesAt = volumesAt + drinkCategoryCount;
    constexpr std::size_t limitAt = degreesAt + drinkCategoryCount;
    constexpr std::size_t prudentAt = limitAt + 1;
    numbers.resize(prudentAt + 1, 1);

    EstimateInputs inputs;
    inputs.weightKg = numbers[0];
    inputs.isMale = numbers[1] > 0;
    inputs.corpulenceNormal = numbers[2] > 0;
    inputs.mealTaken = numbers[3] > 0;
    inputs.delayHours = numbers[4];
    for (std::size_t i = 0; i < drinkCategoryCount; ++i)
        inputs.intake[i] = {numbers[countsAt + i], numbers[volumesAt + i], numbers[degreesAt + i]};
    inputs.limit = numbers[limitAt] > 0 ? DrivingLimit::Probationary : DrivingLimit::Standard;
    inputs.prudent = numbers[prudentAt] > 0;
    bool impossible = false;
    for (const CategoryIntake &intake : inputs.intake)
        impossible = impossible || intake.count < 0 || intake.volumeCl < 0 || intake.degree < 0
                     || intake.degree > 100;
    try {
        const EstimateResult result = estimate(inputs);
        const EstimateStatus refusal = !(inputs.weightKg > 0) ? EstimateStatus::WeightMissing
                                       : impossible           ? EstimateStatus::ImpossibleValue
                                                              : EstimateStatus::Ok;
        if (result.status != refusal)
            std::abort();
        if (refusal != EstimateStatus::Ok) {
            if (presentResult(result).estimated)
                std::abort();
            return 0;
        }
        mustBeFinite(result.level);
        mustBeFinite(result.waitHours);
        mustBeFinite(result.waitDisplay);
        if (result.level < 0 || classify(result.level, inputs.limit) != result.verdict)
            std::abort();
        if (!(0 <= result.low && result.low <= result.middle && result.middle <= result.high)
            || result.level != (inputs.prudent ? result.high : result.middle))
            std::abort();
        if (presentResult(result).level.empty())
            std::abort();
    } catch (const ArithmeticOverflow &) { }
    return 0;
}
