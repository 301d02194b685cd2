// Any person and any glasses give the evening's model a finite, non-negative level, ordered low
// <= middle <= high, or the overflow error, which the curves then give too; a refused input
// yields no level and no curve. Every glass counted at one moment gives the estimate of one
// moment's figures for a delay of an hour or more. The instants to drive and to 0 do not move
// when now advances a minute; the curves pass through the levels at now; and the glasses that
// may leave the journal are more than a day old and change nothing when they go.
//
// The input is text: a first line "weight male normal meal probationary prudent now", then a
// line "minute letter volume degree" for each glass, its minute counted from now. Flags are on
// above 0; a missing number reads 0.
#include "engine/arithmetic_overflow.h"
#include "engine/evening.h"
#include "engine/result_display.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <vector>

namespace {

constexpr double minutesPerHour = 60;

void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The input's words, separated by blanks and line ends.
std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(" \t\r\n", start)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end;
    }
    return words;
}

template<typename Number>
Number numberIn(std::string_view word)
{
    Number value{};
    std::from_chars(word.data(), word.data() + word.size(), value);
    return value;
}

DrinkCategory categoryOf(std::string_view word)
{
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        if (!word.empty() && word.front() == drink.letter)
            return drink.category;
    }
    return drinkCategories[word.empty() ? 0 : word.front() % drinkCategoryCount].category;
}

std::int64_t saturatedSum(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b < 0 ? std::numeric_limits<std::int64_t>::min()
                     : std::numeric_limits<std::int64_t>::max();
    return sum;
}

bool close(double a, double b, double scale)
{
    return std::fabs(a - b) <= 1e-12 * std::max({std::fabs(a), std::fabs(b), scale});
}

// Whether level lies within margin of a figure where what is shown changes: a hundredth's
// rounding, the verdict's thresholds, or the wait's next whole hour.
bool nearBoundary(double level, DrivingLimit limit, double rate, double margin)
{
    const double hundredths = level * 100;
    if (std::fabs(hundredths - (std::floor(hundredths) + 0.5)) < margin * 100)
        return true;
    for (const double threshold : {0.0, cautionLevel, legalLimitOf(limit), severeLevel}) {
        if (std::fabs(level - threshold) < margin)
            return true;
    }
    const double hours = (level - legalLimitOf(limit)) / rate;
    return std::fabs(hours - std::round(hours)) < margin / rate;
}

// Whether the curve passes within tolerance of level at minutes from its start: on a jump, or
// on a fall so steep that its two ends round to the same minute, anywhere between the ends.
bool passesThrough(const std::vector<CurveVertex> &curve, double minutes, double level,
                   double tolerance)
{
    if (minutes > curve.back().minutes)
        return level <= tolerance;
    for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
        const CurveVertex &from = curve[i];
        const CurveVertex &to = curve[i + 1];
        if (minutes < from.minutes || minutes > to.minutes)
            continue;
        const double low = std::min(from.level, to.level) - tolerance;
        const double high = std::max(from.level, to.level) + tolerance;
        if (from.minutes == to.minutes) {
            if (low <= level && level <= high)
                return true;
            continue;
        }
        const double share = (minutes - from.minutes) / (to.minutes - from.minutes);
        if (std::fabs(from.level + (to.level - from.level) * share - level) <= tolerance)
            return true;
    }
    return false;
}

void checkCurve(const std::vector<CurveVertex> &curve, double minutesNow, double levelNow)
{
    check(curve.size() >= 2 && curve.front() == CurveVertex{} && curve.back().level == 0,
          "curve from 0 back to 0");
    double highest = 0;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        check(std::isfinite(curve[i].level) && curve[i].level >= 0, "curve level");
        check(i == 0 || curve[i].minutes >= curve[i - 1].minutes, "curve in time order");
        highest = std::max(highest, curve[i].level);
    }
    check(passesThrough(curve, minutesNow, levelNow, 1e-9 * highest),
          "curve through the level now");
}

// The single-moment oracle: every glass at the first one's minute, the glasses of a kind with
// the first one's volume and degree, against the estimate of one moment.
void checkOneMoment(const EstimateInputs &person, std::vector<LoggedGlass> glasses,
                    std::int64_t now)
{
    if (glasses.empty() || glasses.front().minute > now)
        return;
    const std::int64_t moment = glasses.front().minute;
    const double minutes = static_cast<double>(static_cast<std::uint64_t>(now)
                                               - static_cast<std::uint64_t>(moment));
    if (minutes < minutesPerHour)
        return;
    EstimateInputs inputs = person;
    inputs.delayHours = minutes / minutesPerHour;
    for (LoggedGlass &glass : glasses) {
        CategoryIntake &intake = inputs[glass.category];
        if (intake.count == 0)
            intake = {0, glass.volumeCl, glass.degree};
        intake.count += 1;
        glass = {moment, glass.category, intake.volumeCl, intake.degree};
    }
    EveningResult evening;
    EstimateResult once;
    EstimateResult peak;
    try {
        evening = estimateEvening(person, glasses, now);
        once = estimate(inputs);
        inputs.delayHours = 1;
        peak = estimate(inputs);
    } catch (const ArithmeticOverflow &) {
        return;
    }
    const EstimateResult &model = evening.estimate;
    check(model.status == once.status, "same refusal as one moment");
    if (model.status != EstimateStatus::Ok)
        return;
    const double rate = person.prudent ? slowEliminationPerHour : eliminationPerHour;
    const std::pair<double, double> levels[] = {{model.low, once.low},
                                                {model.middle, once.middle},
                                                {model.high, once.high}};
    const double scales[] = {peak.low, peak.middle, peak.high};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [mine, theirs] = levels[i];
        if (!close(mine, theirs, scales[i])) {
            std::fprintf(stderr, "model %a, one moment %a\n", mine, theirs);
            check(false, "level as one moment's");
        }
        const double margin = std::max(1e-9, 1e-11 * scales[i]);
        if (!nearBoundary(theirs, person.limit, rate, margin))
            check(formatLevel(mine) == formatLevel(theirs), "shown as one moment's");
    }
    if (!nearBoundary(once.level, person.limit, rate, std::max(1e-9, 1e-11 * peak.high)))
        check(model.verdict == once.verdict && model.waitDisplay == once.waitDisplay,
              "verdict and wait as one moment's");
    // Once elimination has started, the hours to 0 and to the limit are those the level falls
    // in from now: the level over the rate, and the unrounded wait.
    const double hours = std::max({1.0, peak.high / rate, minutes / minutesPerHour});
    check(std::fabs(model.hoursToZero - once.level / rate) <= 1e-9 * hours, "hours to 0");
    if (once.level >= legalLimitOf(person.limit) + 1e-9 * hours * rate)
        check(std::fabs(model.hoursToDrive - once.waitHours) <= 1e-9 * hours, "hours to drive");
}

// The instants to drive and to 0 stay where they were a minute later.
void checkInstants(const EstimateInputs &person, const std::vector<LoggedGlass> &glasses,
                   std::int64_t now, const EstimateResult &result)
{
    if (glasses.empty() || now == std::numeric_limits<std::int64_t>::max())
        return;
    const auto [earliest, latest] = std::minmax_element(glasses.begin(), glasses.end(),
                                                        [](const LoggedGlass &a,
                                                           const LoggedGlass &b) {
                                                            return a.minute < b.minute;
                                                        });
    // A glass later than now would count a minute later.
    if (latest->minute > now)
        return;
    const EstimateResult next = estimateEvening(person, glasses, now + 1).estimate;
    const double since = static_cast<double>(static_cast<std::uint64_t>(now)
                                             - static_cast<std::uint64_t>(earliest->minute));
    for (const auto &[before, after] : {std::pair{result.hoursToDrive, next.hoursToDrive},
                                        std::pair{result.hoursToZero, next.hoursToZero}}) {
        if (before > 0 && after > 0) {
            const double scale = std::max({1.0, before * minutesPerHour, since});
            check(std::fabs((before - after) * minutesPerHour - 1) <= 1e-9 * scale,
                  "instant stays put");
        }
    }
}

// The glasses before journalKeepsFrom leave: each more than a day old, and the model unchanged.
void checkLeaving(const EstimateInputs &person, const std::vector<LoggedGlass> &glasses,
                  std::int64_t now, const EveningResult &evening)
{
    std::vector<LoggedGlass> kept;
    for (const LoggedGlass &glass : glasses) {
        if (glass.minute >= evening.journalKeepsFrom)
            kept.push_back(glass);
        else
            check(glass.minute<now &&static_cast<std::uint64_t>(now)
                               - static_cast<std::uint64_t>(glass.minute)> 24
                          * 60,
                  "leaves older than a day");
    }
    if (kept.size() == glasses.size())
        return;
    const EveningResult after = estimateEvening(person, kept, now);
    const EstimateResult &a = after.estimate;
    const EstimateResult &b = evening.estimate;
    check(a.low == b.low && a.middle == b.middle && a.high == b.high
                  && a.waitDisplay == b.waitDisplay && a.hoursToDrive == b.hoursToDrive
                  && a.hoursToZero == b.hoursToZero
                  && (kept.empty()
                      || (after.boutStart == evening.boutStart
                          && after.boutGlasses == evening.boutGlasses)),
          "leaving changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string_view> words = wordsOf({reinterpret_cast<const char *>(data), size});
    constexpr std::size_t personWords = 7;
    constexpr std::size_t glassWords = 4;
    words.resize(std::max(personWords, words.size()));
    EstimateInputs person;
    person.weightKg = numberIn<double>(words[0]);
    person.isMale = numberIn<double>(words[1]) > 0;
    person.corpulenceNormal = numberIn<double>(words[2]) > 0;
    person.mealTaken = numberIn<double>(words[3]) > 0;
    person.limit = numberIn<double>(words[4]) > 0 ? DrivingLimit::Probationary
                                                  : DrivingLimit::Standard;
    person.prudent = numberIn<double>(words[5]) > 0;
    const std::int64_t now = numberIn<std::int64_t>(words[6]);
    std::vector<LoggedGlass> glasses;
    bool impossible = false;
    for (std::size_t at = personWords; at + glassWords <= words.size(); at += glassWords) {
        const LoggedGlass glass{saturatedSum(numberIn<std::int64_t>(words[at]), now),
                                categoryOf(words[at + 1]), numberIn<double>(words[at + 2]),
                                numberIn<double>(words[at + 3])};
        impossible = impossible || glass.volumeCl < 0 || glass.degree < 0 || glass.degree > 100;
        glasses.push_back(glass);
    }

    checkOneMoment(person, glasses, now);
    EveningResult evening;
    BoutCurves curves;
    try {
        evening = estimateEvening(person, glasses, now);
    } catch (const ArithmeticOverflow &) {
        bool curvesOverflow = false;
        try {
            boutCurves(person, glasses, now);
        } catch (const ArithmeticOverflow &) {
            curvesOverflow = true;
        }
        check(curvesOverflow, "the curves overflow with the estimate");
        return 0;
    }
    curves = boutCurves(person, glasses, now);
    const EstimateResult &result = evening.estimate;
    const EstimateStatus refusal = !(person.weightKg > 0) ? EstimateStatus::WeightMissing
                                   : impossible           ? EstimateStatus::ImpossibleValue
                                                          : EstimateStatus::Ok;
    check(result.status == refusal, "refusal");
    if (refusal != EstimateStatus::Ok) {
        check(!presentResult(result).estimated && curves.high.empty() && !evening.boutStart,
              "no level refused");
        return 0;
    }
    check(std::isfinite(result.level) && std::isfinite(result.waitHours), "finite");
    check(0 <= result.low && result.low <= result.middle && result.middle <= result.high,
          "low <= middle <= high");
    check(result.level == (person.prudent ? result.high : result.middle)
                  && result.verdict == classify(result.level, person.limit),
          "level and verdict shown");
    check(0 <= result.hoursToDrive && result.hoursToDrive <= result.hoursToZero
                  && (result.hoursToDrive == 0 || result.level >= legalLimitOf(person.limit)),
          "hours to drive and to 0");
    check(glasses.empty() == !evening.boutStart, "a bout with glasses");
    if (evening.boutStart) {
        const double minutesNow = static_cast<double>(
                static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(*evening.boutStart));
        // The wait shown and the instant to drive tell the same hours.
        const double hours = std::max({1.0, result.hoursToZero, minutesNow / minutesPerHour});
        if (result.level >= legalLimitOf(person.limit))
            check(std::fabs(result.waitHours - result.hoursToDrive) <= 1e-9 * hours,
                  "wait and hours to drive");
        checkCurve(curves.low, minutesNow, result.low);
        checkCurve(curves.middle, minutesNow, result.middle);
        checkCurve(curves.high, minutesNow, result.high);
    }
    checkInstants(person, glasses, now, result);
    checkLeaving(person, glasses, now, evening);
    return 0;
}
