// The evening as it happened: the level from glasses logged with the minute each was drunk, and
// the verdict at a given minute, so that it follows the clock. Each glass adds its whole peak at
// the minute it is drunk, as the estimate of one moment counts a glass; glasses of the same
// minute are one intake. A bout starts with a glass drunk while the high estimate is at 0: the
// three estimates share that start, and nothing is eliminated in its first hour. Then each falls
// at its own rate, never below 0, and minutes spent at 0 eliminate nothing of a later glass.
// With every glass at one moment, this gives the estimate of one moment's figures for any delay
// of an hour or more.
#pragma once

#include "estimate.h"
#include "logged_glass.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

struct EveningResult
{
    // The estimate at now, which presentResult shows as the estimate of one moment. Refused as
    // that one is: a weight of 0 or below; a glass with a volume or degree below 0 or a degree
    // above 100 (impossibleValues lists each such value, glass by glass in the given order).
    // hoursToZero and hoursToDrive are unrounded, counted from the whole minute now: their
    // instants are worked out from the last glass, not from now, so that now plus either stays
    // the same as now advances with no new glass.
    EstimateResult estimate;
    // The current bout, the last one: its first glass's minute, and its glasses of each kind (by
    // indexOf). None when there is no glass or no estimate.
    std::optional<std::int64_t> boutStart;
    std::array<int, drinkCategoryCount> boutGlasses{};
    // The latest glass's minute, whatever the estimate; a glass logged later than now counts as
    // drunk now.
    std::optional<std::int64_t> lastGlass;
    // The glasses drunk before this minute may leave the journal: whole bouts that have ended
    // by now and whose last glass is more than 24 hours old. Later bouts start from 0 whether
    // they are kept or not, so nothing that stays changes. Without an estimate, none leaves.
    std::int64_t journalKeepsFrom = std::numeric_limits<std::int64_t>::min();
};

// The model at nowMinute (minutes since 1970-01-01 00:00 UTC) over glasses in any order. Throws
// ArithmeticOverflow when a step of any of the three estimates no longer gives a finite value,
// as estimate does.
EveningResult estimateEvening(const EstimateInputs &person, std::span<const LoggedGlass> glasses,
                              std::int64_t nowMinute);

// A corner of a curve: minutes from the first glass of the bout, and the level there.
struct CurveVertex
{
    double minutes = 0;
    double level = 0;

    bool operator==(const CurveVertex &) const = default;
};

// The current bout's curve under each estimate, from its first glass, at level 0, to that
// estimate's return to 0 with no more glass, however far past now; lines join the corners. Each
// intake is a jump: two corners at the same minute, the level before it and after it.
struct BoutCurves
{
    std::vector<CurveVertex> low;
    std::vector<CurveVertex> middle;
    std::vector<CurveVertex> high;
};

// Empty curves when there is no glass or no estimate; throws as estimateEvening does.
BoutCurves boutCurves(const EstimateInputs &person, std::span<const LoggedGlass> glasses,
                      std::int64_t nowMinute);
