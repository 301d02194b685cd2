#include "evening.h"

#include "arithmetic_overflow.h"
#include "spread.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr double minutesPerHour = 60;
constexpr std::uint64_t minutesPerDay = std::uint64_t{24} * 60;

// The glasses of one minute, drunk together: their grams are summed before any division.
struct Intake
{
    std::int64_t minute; // since the epoch, now at the latest
    double sinceNow; // the same minute counted from now: 0 or below
    double grams;
};

std::int64_t drunkAt(const LoggedGlass &glass, std::int64_t now)
{
    return std::min(glass.minute, now);
}

// now - minute for a minute not after now, without the overflow of a signed difference.
std::uint64_t minutesBefore(std::int64_t now, std::int64_t minute)
{
    return static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(minute);
}

// The three estimates, in this order in every array of them.
enum Spread : std::size_t { Low, Middle, High };

using Estimates = std::array<PersonalEstimate, 3>;

Estimates estimatesFor(const EstimateInputs &person)
{
    return {PersonalEstimate(lowEstimate, person), PersonalEstimate(averagePerson, person),
            PersonalEstimate(highEstimate, person)};
}

// The levels of the three estimates through a bout, in minutes counted from now: nothing is
// eliminated in the bout's first hour, then each estimate's rate per hour down to 0 and no
// further.
class BoutLevels
{
public:
    BoutLevels(const Estimates &spread, double boutStart)
        : estimates(spread)
        , eliminationStart(boutStart + hoursToPeak * minutesPerHour)
        , clock(boutStart)
    { }

    double operator[](Spread spread) const { return levels[spread]; }

    // The levels at minute, with no glass since the last step.
    void fallTo(double minute)
    {
        const double hours = hoursFalling(minute);
        for (std::size_t i = 0; i < levels.size(); ++i) {
            const double raw = checkedFinite(levels[i] - fall(i, hours), "élimination");
            levels[i] = raw > 0 ? raw : 0;
        }
        clock = std::max(clock, minute);
    }

    void drink(double grams)
    {
        for (std::size_t i = 0; i < levels.size(); ++i)
            levels[i] = checkedFinite(levels[i] + estimates[i].peakOf(grams), "somme");
    }

    // The minute at which a level falls to target with no more glass, from the last step
    // alone: the same instant whatever the minute now.
    double minuteDownTo(std::size_t spread, double target) const
    {
        const double hours = (levels[spread] - target) / estimates[spread].eliminationRate();
        return checkedFinite(std::max(clock, eliminationStart)
                                     + checkedFinite(hours * minutesPerHour, "attente"),
                             "attente");
    }

    // From the minute of the levels, which is now once they have fallen to now.
    double minutesBeforeElimination() const { return std::max(0.0, eliminationStart - clock); }

    // The corners of the curves' fall from the last step, counted from origin: where
    // elimination starts, and where a level reaches 0, when that comes before minute (an
    // infinite minute: with no more glass).
    void addCornersBefore(double minute, double origin,
                          std::array<std::vector<CurveVertex>, 3> &curves) const
    {
        const double hours = hoursFalling(minute);
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (levels[i] <= 0)
                continue;
            if (clock < eliminationStart && eliminationStart < minute)
                curves[i].push_back({eliminationStart - origin, levels[i]});
            if (std::isinf(minute) || levels[i] <= fall(i, hours))
                curves[i].push_back({minuteDownTo(i, 0) - origin, 0});
        }
    }

private:
    // The hours of elimination from the last step to minute. Elapsed minutes are divided by 60
    // before a rate multiplies them, so that whole hours eliminate exactly as the estimate of
    // one moment does.
    double hoursFalling(double minute) const
    {
        const double from = std::max(clock, eliminationStart);
        return minute > from ? (minute - from) / minutesPerHour : 0;
    }

    double fall(std::size_t spread, double hours) const
    {
        return checkedFinite(estimates[spread].eliminationRate() * hours, "délai");
    }

    Estimates estimates;
    double eliminationStart;
    double clock; // the minute of the levels
    std::array<double, 3> levels{};
};

// Whether no estimate can be made, as the estimate of one moment refuses it.
EstimateResult refusalOf(const EstimateInputs &person, std::span<const LoggedGlass> glasses)
{
    EstimateResult refusal;
    if (!(person.weightKg > 0)) {
        refusal.status = EstimateStatus::WeightMissing;
        return refusal;
    }
    for (const LoggedGlass &glass : glasses) {
        if (const auto volume = impossibleValue(glass.category, IntakeField::Volume,
                                                glass.volumeCl))
            refusal.impossibleValues.push_back(*volume);
        if (const auto degree = impossibleValue(glass.category, IntakeField::Degree, glass.degree))
            refusal.impossibleValues.push_back(*degree);
    }
    if (!refusal.impossibleValues.empty())
        refusal.status = EstimateStatus::ImpossibleValue;
    return refusal;
}

// The glasses' intakes in time order. Each minute's grams are summed in increasing order, so
// that the sum does not depend on the order the glasses are given in.
std::vector<Intake> intakesOf(std::span<const LoggedGlass> glasses, std::int64_t now)
{
    std::vector<Intake> intakes;
    intakes.reserve(glasses.size());
    for (const LoggedGlass &glass : glasses) {
        const std::int64_t minute = drunkAt(glass, now);
        intakes.push_back({minute, -static_cast<double>(minutesBefore(now, minute)),
                           alcoholGrams({1, glass.volumeCl, glass.degree})});
    }
    // The journal gives its glasses in time order: then only the glasses of one minute are
    // sorted among themselves.
    const auto earlier = [](const Intake &a, const Intake &b) {
        return a.minute < b.minute;
    };
    const auto lighter = [](const Intake &a, const Intake &b) {
        return a.grams < b.grams;
    };
    if (!std::is_sorted(intakes.begin(), intakes.end(), earlier))
        std::sort(intakes.begin(), intakes.end(), earlier);
    for (auto run = intakes.begin(); run != intakes.end();) {
        const auto end = std::find_if(run, intakes.end(), [&run](const Intake &intake) {
            return intake.minute != run->minute;
        });
        if (end - run > 1)
            std::sort(run, end, lighter);
        run = end;
    }
    std::size_t count = 0;
    for (const Intake &glass : intakes) {
        if (count > 0 && intakes[count - 1].minute == glass.minute)
            intakes[count - 1].grams = checkedFinite(intakes[count - 1].grams + glass.grams,
                                                     "somme");
        else
            intakes[count++] = glass;
    }
    intakes.resize(count);
    return intakes;
}

// The journal's intakes, its bouts, which the high estimate divides, and the three levels at
// the last intake, from the current bout's start.
struct Evening
{
    std::vector<Intake> intakes;
    std::size_t current = 0; // the current bout's first intake
    std::int64_t journalKeepsFrom = std::numeric_limits<std::int64_t>::min();
    std::optional<BoutLevels> levels; // none without intakes

    std::span<const Intake> currentBout() const { return std::span(intakes).subspan(current); }
};

Evening eveningOf(const EstimateInputs &person, std::span<const LoggedGlass> glasses,
                  std::int64_t now)
{
    Evening evening;
    evening.intakes = intakesOf(glasses, now);
    const std::vector<Intake> &intakes = evening.intakes;
    if (intakes.empty())
        return evening;
    const auto olderThanDay = [now](const Intake &intake) {
        return minutesBefore(now, intake.minute) > minutesPerDay;
    };
    const Estimates estimates = estimatesFor(person);
    std::optional<BoutLevels> &levels = evening.levels;
    std::optional<std::int64_t> keepsFrom;
    for (std::size_t i = 0; i < intakes.size(); ++i) {
        if (levels)
            levels->fallTo(intakes[i].sinceNow);
        if (!levels || (*levels)[High] == 0) {
            if (levels && !keepsFrom && !olderThanDay(intakes[i - 1]))
                keepsFrom = intakes[evening.current].minute;
            evening.current = i;
            levels.emplace(estimates, intakes[i].sinceNow);
        }
        levels->drink(intakes[i].grams);
    }
    BoutLevels atNow = *levels;
    atNow.fallTo(0);
    const bool lastBoutLeaves = atNow[High] == 0 && olderThanDay(intakes.back());
    evening.journalKeepsFrom = keepsFrom        ? *keepsFrom
                               : lastBoutLeaves ? intakes.back().minute + 1
                                                : intakes[evening.current].minute;
    return evening;
}

} // namespace

EveningResult estimateEvening(const EstimateInputs &person, std::span<const LoggedGlass> glasses,
                              std::int64_t nowMinute)
{
    EveningResult evening;
    for (const LoggedGlass &glass : glasses) {
        if (const std::int64_t minute = drunkAt(glass, nowMinute);
            !evening.lastGlass || minute > *evening.lastGlass)
            evening.lastGlass = minute;
    }
    EstimateResult &result = evening.estimate;
    result = refusalOf(person, glasses);
    if (result.status != EstimateStatus::Ok)
        return evening;
    result.limit = person.limit;
    result.prudent = person.prudent;

    const Evening counted = eveningOf(person, glasses, nowMinute);
    evening.journalKeepsFrom = counted.journalKeepsFrom;
    if (counted.intakes.empty()) {
        settleVerdict(result, 0);
        return evening;
    }
    const std::span<const Intake> bout = counted.currentBout();
    evening.boutStart = bout.front().minute;
    for (const LoggedGlass &glass : glasses) {
        if (drunkAt(glass, nowMinute) >= *evening.boutStart)
            ++evening.boutGlasses[indexOf(glass.category)];
    }

    BoutLevels levels = *counted.levels;
    // The instants come from the levels at the last glass, before they fall to now. The curves
    // end where each estimate is back to 0, the high one last: beyond any number, there is no
    // estimate either.
    const Spread shown = person.prudent ? High : Middle;
    const double minutesToZero = levels.minuteDownTo(shown, 0);
    const double minutesToDrive = levels.minuteDownTo(shown, legalLimitOf(person.limit));
    (void)levels.minuteDownTo(High, 0);
    levels.fallTo(0);
    result.low = levels[Low];
    result.middle = levels[Middle];
    result.high = levels[High];
    settleVerdict(result, levels.minutesBeforeElimination() / minutesPerHour);
    if (result.level > 0)
        result.hoursToZero = std::max(0.0, minutesToZero / minutesPerHour);
    if (result.level >= legalLimitOf(person.limit))
        result.hoursToDrive = std::max(0.0, minutesToDrive / minutesPerHour);
    return evening;
}

BoutCurves boutCurves(const EstimateInputs &person, std::span<const LoggedGlass> glasses,
                      std::int64_t nowMinute)
{
    if (refusalOf(person, glasses).status != EstimateStatus::Ok)
        return {};
    const Evening counted = eveningOf(person, glasses, nowMinute);
    if (counted.intakes.empty())
        return {};
    // The three curves through the current bout, to their return to 0, in minutes from its
    // first glass.
    std::array<std::vector<CurveVertex>, 3> curves;
    const std::span<const Intake> bout = counted.currentBout();
    const double origin = bout.front().sinceNow;
    BoutLevels levels(estimatesFor(person), origin);
    const auto addCorners = [&](double minute) {
        for (const Spread spread : {Low, Middle, High})
            curves[spread].push_back({minute - origin, levels[spread]});
    };
    for (const Intake &intake : bout) {
        levels.addCornersBefore(intake.sinceNow, origin, curves);
        levels.fallTo(intake.sinceNow);
        addCorners(intake.sinceNow);
        levels.drink(intake.grams);
        addCorners(intake.sinceNow);
    }
    levels.addCornersBefore(std::numeric_limits<double>::infinity(), origin, curves);
    return {std::move(curves[Low]), std::move(curves[Middle]), std::move(curves[High])};
}
