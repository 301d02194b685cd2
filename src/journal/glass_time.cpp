#include "glass_time.h"

#include "defaults/local_time.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr std::int64_t secondsPerMinute = 60;

QString clockText(QTime time)
{
    return u"%1 h %2"_s.arg(time.hour()).arg(time.minute(), 2, 10, QChar(u'0'));
}

// The minutes at which the local clock showed clockTime on date: none where it was put forward
// past it, two where it was put back over it. A clock change moves the offset from the one in
// force a day before to the one in force a day after.
std::vector<std::int64_t> momentsAt(QDate date, QTime clockTime)
{
    const std::int64_t local = minuteOf(QDateTime(date, clockTime, Qt::UTC));
    std::vector<std::int64_t> moments;
    for (const std::int64_t probe : {local - minutesPerDay, local + minutesPerDay}) {
        const std::int64_t moment = local - localOffsetMinutes(probe);
        if (moment + localOffsetMinutes(moment) == local
            && std::find(moments.begin(), moments.end(), moment) == moments.end())
            moments.push_back(moment);
    }
    return moments;
}

} // namespace

std::int64_t minuteOf(const QDateTime &moment)
{
    const std::int64_t seconds = moment.toSecsSinceEpoch();
    return seconds >= 0 ? seconds / secondsPerMinute
                        : -((-seconds + secondsPerMinute - 1) / secondsPerMinute);
}

QDateTime momentOf(std::int64_t minute)
{
    return QDateTime::fromSecsSinceEpoch(minute * secondsPerMinute);
}

QString glassTimeText(std::int64_t minute, const QDateTime &now)
{
    const QDateTime moment = momentOf(minute);
    const QDate day = moment.date();
    const QDate today = now.date();
    if (day == today)
        return clockText(moment.time());
    if (day == today.addDays(-1))
        return u"hier "_s + clockText(moment.time());
    const QLocale french(QLocale::French, QLocale::France);
    const QString date = french.toString(day, day.year() == today.year() ? u"d MMMM"_s
                                                                         : u"d MMMM yyyy"_s);
    return date + u' ' + clockText(moment.time());
}

QString quantityText(double value, QChar decimalSeparator)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, error == std::errc() ? end - buffer : 0)
            .replace(u'.', decimalSeparator);
}

std::optional<QTime> readClockTime(const QString &typed)
{
    static const QRegularExpression clock(u"^\\s*(\\d{1,2})\\s*(?:[:hH.]\\s*(\\d{2})?)?\\s*$"_s);
    const QRegularExpressionMatch match = clock.match(typed);
    if (!match.hasMatch())
        return std::nullopt;
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

TypedMoment latestMomentAt(QTime clockTime, const QDateTime &now)
{
    const std::int64_t nowMinute = minuteOf(now);
    const auto latestNotAfterNow = [nowMinute](const std::vector<std::int64_t> &moments) {
        std::optional<std::int64_t> latest;
        for (const std::int64_t moment : moments) {
            if (moment <= nowMinute && (!latest || moment > *latest))
                latest = moment;
        }
        return latest;
    };
    const QDate today = now.date();
    const std::vector<std::int64_t> todays = momentsAt(today, clockTime);
    if (const std::optional<std::int64_t> latest = latestNotAfterNow(todays))
        return {latest, {}};
    const bool todayIsMeant = clockTime <= now.time();
    const std::vector<std::int64_t> yesterdays = momentsAt(today.addDays(-1), clockTime);
    if (!todayIsMeant) {
        if (const std::optional<std::int64_t> latest = latestNotAfterNow(yesterdays))
            return {latest, {}};
    }
    // The clock was put forward past that time on the day meant.
    return {std::nullopt,
            u"L'heure %1 n'a pas existé %2 : les horloges ont été avancées (passage à l'heure "
            u"d'été)."_s.arg(clockText(clockTime), todayIsMeant ? u"aujourd'hui"_s : u"hier"_s)};
}
