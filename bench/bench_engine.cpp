// Cost of the estimate that runs on every keystroke: reading a short field, and the whole
// computation on a typical record; and of the evening's model, which runs every minute and on
// every change of the journal.
#include "engine/estimate.h"
#include "engine/evening.h"
#include "engine/read_number.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

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

// An evening of as many glasses as the argument, of every kind at their usual volumes and
// degrees, one every 7 minutes and now and then two at once, in the journal's time order; now
// half an hour after the last.
void eveningOfGlasses(benchmark::State &state)
{
    EstimateInputs person;
    person.weightKg = 72;
    person.mealTaken = true;
    std::vector<LoggedGlass> glasses;
    std::int64_t minute = 28'801'080; // 2024-10-04 18:00 UTC
    for (int i = 0; i < state.range(0); ++i) {
        const DrinkCategoryInfo &drink = drinkCategories[i % drinkCategoryCount];
        glasses.push_back({minute, drink.category, readNumber(drink.factoryVolume),
                           readNumber(drink.factoryDegree)});
        minute += i % 5 == 4 ? 0 : 7;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(glasses);
        benchmark::DoNotOptimize(estimateEvening(person, glasses, minute + 30));
    }
}
BENCHMARK(eveningOfGlasses)->Arg(30)->Arg(200);

} // namespace

BENCHMARK_MAIN();
