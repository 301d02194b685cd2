// What the main window shows of an estimate, as plain data: the texts of the level and of the
// wait, the bar on the scale, the alert signs, the light, the colours of the level and of the
// message, and which message. The window applies it to its widgets as it stands; start-up and
// the restore of the factory values show the blank result the same way.
#pragma once

#include "estimate.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// No light is lit while there is no estimate.
enum class Light { None, Green, Yellow, Red };

// The colours of the level's box, by what they tell; the window gives each its colours.
enum class LevelColours {
    Safe, // black on light green: below the caution, and the blank result
    Caution, // black on yellow
    OverLimit, // white on red
    Severe, // white on black
    Unknown, // black on white: no estimate could be made
};

// The colour of the message's text, by what it tells.
enum class NoteColour {
    Instruction, // dark green
    Alarm, // red: the caution, the stop, the estimate that could not be made
    Restored, // dark blue: the instructions after the factory values come back
};

// The level bar on the main window's scale, in twips of the window: it stands on its foot and
// grows upwards; at rest it is a thin line.
namespace LevelBar {
inline constexpr float left = 7650;
inline constexpr float width = 1280;
inline constexpr float bottom = 4500;
inline constexpr float restingHeight = 15;
} // namespace LevelBar

// The messages of the Note panel: the instructions, the caution below the legal limit, the stop
// from the limit on, the estimate that overflowed, the weight that is missing, the value that
// cannot be, and the evening's journal that cannot be read or written.
enum class NoteMessage {
    Instruction,
    Caution,
    Stop,
    Failed,
    WeightMissing,
    ImpossibleValue,
    JournalUnavailable
};

struct ResultDisplay
{
    std::string level; // two decimals, "." as decimal point: the window puts the user's there
    std::string wait; // whole hours to wait
    std::string_view waitUnit; // "heure" or "heures"
    float barTop = 0; // twips
    float barHeight = 0;
    std::array<bool, 3> alerts{}; // from 0.3, from 0.5 and from 0.8 g/l
    Light light = Light::Green;
    LevelColours levelColours = LevelColours::Safe;
    NoteColour noteColour = NoteColour::Instruction;
    std::optional<bool> noteBold; // unset: the message keeps its boldness
    std::optional<double> notePoints; // unset: the message keeps its size
    NoteMessage message = NoteMessage::Instruction;
    Verdict verdict = Verdict::Green;
    // With the message ImpossibleValue, the values that cannot be: the first names itself in
    // the message, each marks its box.
    std::vector<ImpossibleValue> impossibleValues;

    // What the tooltips add: the level in the breath (mg per litre of exhaled air, two decimals,
    // "." as decimal point), the hours until the level is back to 0, and the whole hours shown
    // before driving under the limit.
    bool estimated = false;
    std::string breath;
    double hoursToZero = 0;
    double hoursToDrive = 0;
    DrivingLimit limit = DrivingLimit::Standard;
    // The spread between people, written as the level is, and whether the level shown is the
    // prudent (high) estimate rather than the average person's.
    bool prudent = false;
    std::string low;
    std::string middle;
    std::string high;
};

// The display of an estimate. Below 0.3 g/l green and the instructions; then the caution in
// yellow; from the legal limit the stop on red, on black from 0.8 g/l, where the message keeps
// the size it had. An estimate refused for its weight or for a value that cannot be shows no
// verdict, as failedDisplay does, with its own reason.
ResultDisplay presentResult(const EstimateResult &result);

// No estimate, after one that could not be made: "-,--" in black on white, "-" hours, no light,
// the bar at rest and the reason in the message, which keeps its size.
ResultDisplay failedDisplay(NoteMessage reason = NoteMessage::Failed);

// The blank result of start-up and of the reload of the usual values: "0,00", the bar at rest,
// the green light, the instructions in dark green, not bold, at 8.25 points.
ResultDisplay startupDisplay();
// The blank result after the factory values are restored: the instructions in dark blue at 8.25
// points, bold as they were (the window drops a bold that would not fit).
ResultDisplay restoredDisplay();

// The verdict in words, a sentence of its own: what a screen reader says and the page prints.
std::string_view verdictInWords(Verdict verdict);

// "heures" after more than one hour, else "heure", as the units beside the delay and the wait
// read.
std::string_view hourUnit(double hours);

// The level as the window shows it: two decimals, rounded half away from zero, "." as the
// decimal point.
std::string formatLevel(double level);
// A level written by formatLevel, as the number it shows; none for a text that shows no level,
// such as the "-.--" of no verdict.
std::optional<double> levelShown(std::string_view formatted);

// The time of day, in minutes from midnight, that lies the given hours after secondsOfDay,
// rounded up to the next 5 minutes, so that it is never earlier than the true time; past
// midnight it goes on from 0.
int clockAfter(int secondsOfDay, double hours);
