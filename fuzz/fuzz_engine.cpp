// Any text in any field gives a finite number or the overflow error, and any such numbers give a
// finite, non-negative level or the overflow error: never a crash, never a NaN.
#include "engine/arithmetic_overflow.h"
#include "engine/estimate.h"
#include "engine/read_number.h"
#include "engine/result_display.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string_view> fields = fieldsOf(text);
    std::vector<double> numbers;
    for (const std::string_view field : fields) {
        try {
            const double value = readNumber(field);
            mustBeFinite(value);
            numbers.push_back(value);
        } catch (const ArithmeticOverflow &) {
            numbers.push_back(1);
        }
    }
    numbers.resize(20, 1);

    EstimateInputs inputs;
    inputs.weightKg = numbers[0];
    inputs.isMale = numbers[1] > 0;
    inputs.corpulenceNormal = numbers[2] > 0;
    inputs.mealTaken = numbers[3] > 0;
    inputs.delayHours = numbers[4];
    for (std::size_t i = 0; i < drinkCategoryCount; ++i)
        inputs.intake[i] = {numbers[5 + i], numbers[11 + i / 2], numbers[14 + i]};
    try {
        const EstimateResult result = estimate(inputs);
        mustBeFinite(result.level);
        mustBeFinite(result.waitHours);
        mustBeFinite(result.waitDisplay);
        if (result.level < 0 || classify(result.level) != result.verdict)
            std::abort();
        if (presentResult(result).level.empty())
            std::abort();
    } catch (const ArithmeticOverflow &) { }
    return 0;
}
