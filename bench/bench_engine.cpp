// Cost of the estimate that runs on every keystroke: reading a short field, and the whole
// computation on a typical record.
#include "engine/estimate.h"
#include "engine/read_number.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void readNumberOfShortField(benchmark::State &state)
{
    const std::string field = "12.5";
    for (auto _ : state)
        benchmark::DoNotOptimize(readNumber(field));
}
BENCHMARK(readNumberOfShortField);

void readNumberOfSixCharacterWeight(benchmark::State &state)
{
    const std::string field = "72    ";
    for (auto _ : state)
        benchmark::DoNotOptimize(readNumber(field));
}
BENCHMARK(readNumberOfSixCharacterWeight);

// A weight pasted from elsewhere: a no-break space, then full-width digits.
void readNumberOfPastedField(benchmark::State &state)
{
    const std::string field = "\u00A0\uFF17\uFF12";
    for (auto _ : state)
        benchmark::DoNotOptimize(readNumber(field));
}
BENCHMARK(readNumberOfPastedField);

void estimateOfTypicalRecord(benchmark::State &state)
{
    EstimateInputs inputs;
    inputs.weightKg = 72;
    inputs.mealTaken = true;
    inputs.delayHours = 2;
    inputs[DrinkCategory::K] = {1, 12, 12};
    inputs[DrinkCategory::B] = {2, 25, 5};
    inputs[DrinkCategory::A] = {1, 4, 44};
    inputs[DrinkCategory::V] = {3, 12, 11};
    inputs[DrinkCategory::D] = {1, 4, 40};
    inputs[DrinkCategory::C] = {2, 12, 12};
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        benchmark::DoNotOptimize(estimate(inputs));
    }
}
BENCHMARK(estimateOfTypicalRecord);

} // namespace

BENCHMARK_MAIN();
