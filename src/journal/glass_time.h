// The time of a glass as the journal shows it and as a person types it. Shown: "21 h 15" today,
// "hier 23 h 50" yesterday, "7 décembre 21 h 15" before, in the local time of the minute it was
// drunk. Typed: "21:15", "21h15", "21 h 15", "21.15" or "21" mean the latest moment, not after
// now, at which the local clock showed that time: 00:30 typed at 00:40 is today's, 23:50 typed
// at 00:40 yesterday's. Where the clock was put back and showed that time twice, the later of
// the two that is not after now; where it was put forward past that time, none.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstdint>
#include <optional>

// The minute since 1970-01-01 00:00 UTC of a moment, and back.
std::int64_t minuteOf(const QDateTime &moment);
QDateTime momentOf(std::int64_t minute);

// "21 h 15", or "hier 21 h 15", or "7 décembre 21 h 15", or "7 décembre 2025 21 h 15", seen from now.
QString glassTimeText(std::int64_t minute, const QDateTime &now);

// A glass's volume or degree in its shortest form that reads back as the same number, with the
// given decimal separator: the user's where it is shown, a point where it is typed.
QString quantityText(double value, QChar decimalSeparator);

// The clock time a person typed, none when it is not one.
std::optional<QTime> readClockTime(const QString &typed);

struct TypedMoment
{
    std::optional<std::int64_t> minute;
    QString refusal; // in French, when there is no such moment
};

// The latest minute not after now at which the local clock showed clockTime.
TypedMoment latestMomentAt(QTime clockTime, const QDateTime &now);
