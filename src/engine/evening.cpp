#include "evening.h"

#include "arithmetic_overflow.h"
#include "spread.h"

#include <algorithm>

namespace {

constexpr double minutesPerHour = 60;
constexpr std::uint64_t minutesPerDay = 24 * 60;

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

// The level of one estimate through a bout, in minutes counted from now: nothing is eliminated
// in the bout's first hour, then eliminationRate g/l per hour down to 0 and no further.
class BoutLevel
{
public:
    BoutLevel(double eliminationRate, double boutStart)
        : rate(eliminationRate)
        , eliminationStart(boutStart + hoursToPeak * minutesPerHour)
        , clock(boutStart)
    { }

    double level() const { return current; }

    // The level at minute, with no glass since the last step. Elapsed minutes are divided by 60
    // before the rate multiplies them, so that whole hours eliminate exactly as the estimate of
    // one moment does.
    void fallTo(double minute)
    {
        const double from = std::max(clock, eliminationStart);
        if (minute > from) {
            const double fall = checkedFinite(rate * ((minute - from) / minutesPerHour), "délai");
            const double raw = checkedFinite(current - fall, "élimination");
            current = raw > 0 ? raw : 0;
        }
        clock = std::max(clock, minute);
    }

    void drink(double peak) { current = checkedFinite(current + peak, "somme"); }

    // The minute at which the level falls to target with no more glass, from the last step
    // alone: the same instant whatever the minute now.
    double minuteDownTo(double target) const
    {
        return checkedFinite(std::max(clock, eliminationStart)
                                     + checkedFinite((current - target) / rate * minutesPerHour,
                                                     "attente"),
                             "attente");
    }

    // From the minute of the level, which is now once it has fallen to now.
    double minutesBeforeElimination() const { return std::max(0.0, eliminationStart - clock); }

    // The corners of the fall from the last step to minute, counted from origin: where
    // elimination starts, and where the level reaches 0.
    void addCornersBefore(double minute, double origin, std::vector<CurveVertex> &corners) const
    {
        if (current <= 0)
            return;
        if (clock < eliminationStart && eliminationStart < minute)
            corners.push_back({eliminationStart - origin, current});
        if (const double zero = minuteDownTo(0); zero < minute)
            corners.push_back({zero - origin, 0});
    }

private:
    double rate;
    double eliminationStart;
    double clock; // the minute of the level
    double current = 0;
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
        for (const auto &[field, value] : {std::pair{IntakeField::Volume, glass.volumeCl},
                                           std::pair{IntakeField::Degree, glass.degree}}) {
            if (const std::optional<ImpossibleValue> impossible = impossibleValue(glass.category,
                                                                                  field, value))
                refusal.impossibleValues.push_back(*impossible);
        }
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
    std::sort(intakes.begin(), intakes.end(), [](const Intake &a, const Intake &b) {
        return a.minute != b.minute ? a.minute < b.minute : a.grams < b.grams;
    });
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

// The journal's bouts, by the high estimate, which all three share.
struct Bouts
{
    std::size_t current = 0; // the current bout's first intake
    std::int64_t journalKeepsFrom = std::numeric_limits<std::int64_t>::min();
};

Bouts boutsOf(const EstimateInputs &person, std::span<const Intake> intakes, std::int64_t now)
{
    Bouts bouts;
    if (intakes.empty())
        return bouts;
    const auto olderThanDay = [now](const Intake &intake) {
        return minutesBefore(now, intake.minute) > minutesPerDay;
    };
    std::optional<std::int64_t> keepsFrom;
    BoutLevel high(highEstimate.eliminationRate, intakes.front().sinceNow);
    for (std::size_t i = 0; i < intakes.size(); ++i) {
        high.fallTo(intakes[i].sinceNow);
        if (i > 0 && high.level() == 0) {
            if (!keepsFrom && !olderThanDay(intakes[i - 1]))
                keepsFrom = intakes[bouts.current].minute;
            bouts.current = i;
            high = BoutLevel(highEstimate.eliminationRate, intakes[i].sinceNow);
        }
        high.drink(peakLevel(highEstimate, person, intakes[i].grams));
    }
    high.fallTo(0);
    const bool lastBoutLeaves = high.level() == 0 && olderThanDay(intakes.back());
    bouts.journalKeepsFrom = keepsFrom        ? *keepsFrom
                             : lastBoutLeaves ? intakes.back().minute + 1
                                              : intakes[bouts.current].minute;
    return bouts;
}

// One estimate through the bout, up to its last intake; with corners, also the curve's corners
// up to its return to 0, in minutes from the bout's first glass.
BoutLevel through(const Assumptions &assumptions, const EstimateInputs &person,
                  std::span<const Intake> bout, std::vector<CurveVertex> *corners = nullptr)
{
    const double origin = bout.front().sinceNow;
    BoutLevel level(assumptions.eliminationRate, origin);
    for (const Intake &intake : bout) {
        if (corners)
            level.addCornersBefore(intake.sinceNow, origin, *corners);
        level.fallTo(intake.sinceNow);
        if (corners)
            corners->push_back({intake.sinceNow - origin, level.level()});
        level.drink(peakLevel(assumptions, person, intake.grams));
        if (corners)
            corners->push_back({intake.sinceNow - origin, level.level()});
    }
    if (corners)
        level.addCornersBefore(std::numeric_limits<double>::infinity(), origin, *corners);
    return level;
}

// The glasses that can be counted, and where their current bout begins.
struct Evening
{
    std::vector<Intake> intakes;
    Bouts bouts;

    std::span<const Intake> currentBout() const
    {
        return std::span(intakes).subspan(bouts.current);
    }
};

Evening eveningOf(const EstimateInputs &person, std::span<const LoggedGlass> glasses,
                  std::int64_t now)
{
    Evening evening{intakesOf(glasses, now), {}};
    evening.bouts = boutsOf(person, evening.intakes, now);
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
    evening.journalKeepsFrom = counted.bouts.journalKeepsFrom;
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

    BoutLevel low = through(lowEstimate, person, bout);
    BoutLevel middle = through(averagePerson, person, bout);
    BoutLevel high = through(highEstimate, person, bout);
    // The instants come from the level at the last glass, before it falls to now. The curves
    // end where each estimate is back to 0, the high one last: beyond any number, there is no
    // estimate either.
    const BoutLevel &shown = person.prudent ? high : middle;
    const double minutesToZero = shown.minuteDownTo(0);
    const double minutesToDrive = shown.minuteDownTo(legalLimitOf(person.limit));
    (void)high.minuteDownTo(0);
    for (BoutLevel *level : {&low, &middle, &high})
        level->fallTo(0);
    result.low = low.level();
    result.middle = middle.level();
    result.high = high.level();
    settleVerdict(result, shown.minutesBeforeElimination() / minutesPerHour);
    if (result.level > 0)
        result.hoursToZero = std::max(0.0, minutesToZero / minutesPerHour);
    if (result.level >= legalLimitOf(person.limit))
        result.hoursToDrive = std::max(0.0, minutesToDrive / minutesPerHour);
    return evening;
}

BoutCurves boutCurves(const EstimateInputs &person, std::span<const LoggedGlass> glasses,
                      std::int64_t nowMinute)
{
    BoutCurves curves;
    if (refusalOf(person, glasses).status != EstimateStatus::Ok)
        return curves;
    const Evening counted = eveningOf(person, glasses, nowMinute);
    if (counted.intakes.empty())
        return curves;
    const std::span<const Intake> bout = counted.currentBout();
    through(lowEstimate, person, bout, &curves.low);
    through(averagePerson, person, bout, &curves.middle);
    through(highEstimate, person, bout, &curves.high);
    return curves;
}
