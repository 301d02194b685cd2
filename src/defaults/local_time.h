// The local clock of the system's time zone (the TZ variable, else the system's setting), in
// whole minutes: the evening's journal shows each glass at the local time it was drunk, with the
// offset from UTC that the clock had then, and reads back a local time given without one.
#pragma once

#include <cstdint>

inline constexpr std::int64_t minutesPerDay = 1440;

// The local clock's offset from UTC at minute (minutes since 1970-01-01 00:00 UTC), in whole
// minutes: the seconds of an old local mean time are rounded to the nearest minute.
int localOffsetMinutes(std::int64_t minute);

// The minute at which the local clock shows localMinute, a local time counted like a minute. A
// time that the clock skips when it is put forward is read with the offset from before the
// change, as a clock not yet put forward shows it (02:30 reads as 03:30 summer time); a time
// that the clock shows twice when it is put back is the later of the two. Both count the glass
// as the more recent one, whose alcohol has had less time to go.
std::int64_t minuteOfLocalTime(std::int64_t localMinute);
