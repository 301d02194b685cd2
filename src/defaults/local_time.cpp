#include "local_time.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>

int localOffsetMinutes(std::int64_t minute)
{
    constexpr int secondsPerMinute = 60;
    const int seconds = QTimeZone::systemTimeZone().offsetFromUtc(
            QDateTime::fromSecsSinceEpoch(minute * secondsPerMinute, Qt::UTC));
    const int halfMinute = seconds >= 0 ? secondsPerMinute / 2 : -secondsPerMinute / 2;
    return (seconds + halfMinute) / secondsPerMinute;
}

std::int64_t minuteOfLocalTime(std::int64_t localMinute)
{
    // A clock change gives a local time at most two readings: with the offset in force a day
    // before it, and with the one in force a day after.
    const std::int64_t before = localMinute - localOffsetMinutes(localMinute - minutesPerDay);
    const std::int64_t after = localMinute - localOffsetMinutes(localMinute + minutesPerDay);
    const auto shows = [localMinute](std::int64_t minute) {
        return minute + localOffsetMinutes(minute) == localMinute;
    };
    const bool beforeShows = shows(before);
    if (beforeShows != shows(after))
        return beforeShows ? before : after;
    // Both readings are real (the hour shown twice), or neither is (the hour skipped, where the
    // offset from before the change is the smaller one): the later reading either way.
    return std::max(before, after);
}
