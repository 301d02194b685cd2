#include "result_display.h"

#include <charconv>
#include <cmath>

namespace {

// The bar grows 2295 twips per g/l, up to its cap.
constexpr double barCapLevel = 1.83;
constexpr float barCapHeight = 4230;
constexpr double barTwipsPerLevel = 2295;

// value written with the given number of decimals; the largest double needs 309 digits.
std::string fixed(double value, int decimals)
{
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            std::chars_format::fixed, decimals);
    (void)error;
    return {buffer, end};
}

// How each verdict shows, in the order of Verdict. A severe level keeps the message's size.
struct VerdictLook
{
    Light light;
    LevelColours levelColours;
    NoteColour noteColour;
    bool noteBold;
    std::optional<double> notePoints;
    NoteMessage message;
};

// Breath and blood levels as French law pairs them: 0.25 mg/l of air for 0.5 g/l of blood.
constexpr double bloodPerBreath = 2;

constexpr double instructionPoints = 8.25;

constexpr VerdictLook verdictLooks[] = {
        {Light::Green, LevelColours::Safe, NoteColour::Instruction, false, instructionPoints,
         NoteMessage::Instruction},
        {Light::Yellow, LevelColours::Caution, NoteColour::Alarm, true, 9, NoteMessage::Caution},
        {Light::Red, LevelColours::OverLimit, NoteColour::Alarm, true, 10, NoteMessage::Stop},
        {Light::Red, LevelColours::Severe, NoteColour::Alarm, true, std::nullopt,
         NoteMessage::Stop},
};

// Nothing computed: "0,00" on light green, no wait, the bar at rest, the green light alone and
// the instructions.
ResultDisplay blankDisplay()
{
    ResultDisplay display;
    display.level = formatLevel(0);
    display.wait = "0";
    display.waitUnit = hourUnit(0);
    display.barTop = LevelBar::bottom;
    display.barHeight = LevelBar::restingHeight;
    return display;
}

} // namespace

ResultDisplay presentResult(const EstimateResult &result)
{
    if (result.status == EstimateStatus::WeightMissing)
        return failedDisplay(NoteMessage::WeightMissing);
    if (result.status == EstimateStatus::ImpossibleValue) {
        ResultDisplay display = failedDisplay(NoteMessage::ImpossibleValue);
        display.impossibleValues = result.impossibleValues;
        return display;
    }
    ResultDisplay display;
    display.level = formatLevel(result.level);
    display.wait = fixed(result.waitDisplay, 0);
    display.waitUnit = hourUnit(result.waitDisplay);
    display.barHeight = result.level > barCapLevel
                                ? barCapHeight
                                : static_cast<float>(result.level * barTwipsPerLevel);
    display.barTop = LevelBar::bottom - display.barHeight;
    display.alerts = {result.level >= cautionLevel, result.level >= legalLimitOf(result.limit),
                      result.level >= severeLevel};
    const VerdictLook &look = verdictLooks[static_cast<std::size_t>(result.verdict)];
    display.light = look.light;
    display.levelColours = look.levelColours;
    display.noteColour = look.noteColour;
    display.noteBold = look.noteBold;
    display.notePoints = look.notePoints;
    display.message = look.message;
    display.verdict = result.verdict;
    display.estimated = true;
    display.breath = formatLevel(result.level / bloodPerBreath);
    display.hoursToZero = result.hoursToZero;
    display.hoursToDrive = result.hoursToDrive;
    display.limit = result.limit;
    display.prudent = result.prudent;
    display.low = formatLevel(result.low);
    display.middle = formatLevel(result.middle);
    display.high = formatLevel(result.high);
    return display;
}

ResultDisplay failedDisplay(NoteMessage reason)
{
    ResultDisplay display = blankDisplay();
    display.level = "-.--";
    display.wait = "-";
    display.light = Light::None;
    display.levelColours = LevelColours::Unknown;
    display.noteColour = NoteColour::Alarm;
    display.noteBold = true;
    display.message = reason;
    return display;
}

// The instructions come back at their own size: left at the 10 points of a stop, their last
// lines would be cut.
ResultDisplay startupDisplay()
{
    ResultDisplay display = blankDisplay();
    display.noteBold = false;
    display.notePoints = instructionPoints;
    return display;
}

ResultDisplay restoredDisplay()
{
    ResultDisplay display = blankDisplay();
    display.noteColour = NoteColour::Restored;
    display.notePoints = instructionPoints;
    return display;
}

std::string_view verdictInWords(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Yellow:
        return "Prudence : sous le seuil légal, mais les réflexes peuvent déjà être altérés.";
    case Verdict::Red:
        return "Stop, ne conduisez pas.";
    case Verdict::RedSevere:
        return "Stop, ne conduisez surtout pas : 0,8 g/l ou plus.";
    case Verdict::Green:
        break;
    }
    return "Conduite possible.";
}

std::string_view hourUnit(double hours)
{
    return hours > 1 ? "heures" : "heure";
}

int clockAfter(int secondsOfDay, double hours)
{
    constexpr double secondsPerDay = 24 * 3600;
    constexpr double fiveMinutes = 5 * 60;
    const double later = std::ceil((secondsOfDay + hours * 3600) / fiveMinutes) * fiveMinutes;
    return static_cast<int>(std::fmod(later, secondsPerDay)) / 60;
}

std::string formatLevel(double level)
{
    // A level written exactly with three decimals ending in 5 (an odd multiple of 1/8) is a tie
    // that the conversion would round to even; the display rounds it away from zero.
    const double magnitude = std::fabs(level);
    if (std::fmod(magnitude, 0.25) == 0.125) {
        const double wholePart = std::trunc(magnitude);
        const int eighths = static_cast<int>((magnitude - wholePart) * 8);
        const char *const fractions[] = {"13", "38", "63", "88"};
        return (level < 0 ? "-" : "") + fixed(wholePart, 0) + '.' + fractions[eighths / 2];
    }
    return fixed(level, 2);
}

std::optional<double> levelShown(std::string_view formatted)
{
    double level = 0;
    const char *const end = formatted.data() + formatted.size();
    const auto [stop, error] = std::from_chars(formatted.data(), end, level,
                                               std::chars_format::fixed);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return level;
}
