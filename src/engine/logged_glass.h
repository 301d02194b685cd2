// One glass of the evening's journal: when it was drunk, in whole minutes of real time, its kind,
// and the volume and degree it was logged with. The journal's file keeps it, the model of the
// evening counts it.
#pragma once

#include "drink_category.h"

#include <cstdint>

struct LoggedGlass
{
    std::int64_t minute = 0; // minutes since 1970-01-01 00:00 UTC
    DrinkCategory category = DrinkCategory::V;
    double volumeCl = 0; // centilitres
    double degree = 0; // percent by volume

    bool operator==(const LoggedGlass &) const = default;
};
