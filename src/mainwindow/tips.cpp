#include "tips.h"

#include <QLocale>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// "2 h 40", "0 h 05".
QString clockText(int minuteOfDay)
{
    return u"%1 h %2"_s.arg(QString::number(minuteOfDay / 60),
                            QString::number(minuteOfDay % 60).rightJustified(2, u'0'));
}

// How far people lie apart; with the prudent estimate, the average person's level too.
QString spreadOf(const ResultDisplay &display)
{
    const QString range = spreadRangeOf(display);
    if (range.isEmpty())
        return {};
    if (display.prudent)
        return u"Estimation prudente. Estimation moyenne : %1 g/l ; selon les personnes, %2. "_s
                .arg(withDecimalPoint(display.middle), range);
    return u"Selon les personnes, %1. "_s.arg(range);
}

// "vers 2 h 40", the given hours after now rounded up to 5 minutes; with the day named, "demain
// vers 1 h 10" or "le 11 décembre vers 3 h 00" when it is not today. The day is counted in real
// time, across a change of the clock; a time a hair's breadth past a 5-minute mark, from the
// rounding of the hours, stays on that mark.
QString around(const QDateTime &now, double hours, bool namesTheDay)
{
    if (!namesTheDay)
        return u"vers "_s + clockText(clockAfter(now.time().msecsSinceStartOfDay() / 1000, hours));
    constexpr double fiveMinutes = 5 * 60;
    constexpr double hair = 1e-6;
    const double seconds = static_cast<double>(now.toSecsSinceEpoch()) + hours * 3600;
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(
            static_cast<qint64>(std::ceil(seconds / fiveMinutes - hair) * fiveMinutes));
    const QString clock = clockText(moment.time().hour() * 60 + moment.time().minute());
    const qint64 days = now.date().daysTo(moment.date());
    if (days == 0)
        return u"vers "_s + clock;
    if (days == 1)
        return u"demain vers "_s + clock;
    return u"le %1 vers %2"_s.arg(QLocale(QLocale::French).toString(moment.date(), u"d MMMM"_s),
                                  clock);
}

QString levelTip(const ResultDisplay &display, const QDateTime &now, bool namesTheDay)
{
    const QString breath = spreadOf(display)
                           + u"Soit environ %1 mg par litre d'air expiré."_s.arg(
                                   withDecimalPoint(display.breath));
    if (display.hoursToZero <= 0)
        return breath;
    const QString zero = withDecimalPoint(formatLevel(0));
    if (display.hoursToZero < 1)
        return breath + u" Retour à %1 g/l dans moins d'une heure."_s.arg(zero);
    return breath
           + u" Retour à %1 g/l dans environ %2 h, %3."_s
                     .arg(zero, QString::number(std::round(display.hoursToZero), 'f', 0),
                          around(now, display.hoursToZero, namesTheDay));
}

QString driveAt(const ResultDisplay &display, const QDateTime &now, bool namesTheDay)
{
    if (display.hoursToDrive <= 0)
        return {};
    return u"%1 (seuil %2 g/l)"_s.arg(around(now, display.hoursToDrive, namesTheDay),
                                      QLocale().toString(legalLimitOf(display.limit), 'f', 1));
}

} // namespace

ResultTips tipsOf(const ResultDisplay &display, const QDateTime &now, bool namesTheDay)
{
    if (!display.estimated)
        return {};
    const QString drive = driveAt(display, now, namesTheDay);
    return {levelTip(display, now, namesTheDay),
            drive.isEmpty() ? QString() : u"Conduite possible "_s + drive, drive};
}

QString spreadRangeOf(const ResultDisplay &display)
{
    if (display.level == formatLevel(0))
        return {};
    return u"entre %1 et %2 g/l"_s.arg(withDecimalPoint(display.low),
                                       withDecimalPoint(display.high));
}

QString announcementOf(const ResultDisplay &display)
{
    const QString level = withDecimalPoint(display.level);
    // French puts the plural from 2 on: "1,50 gramme", "2,10 grammes".
    const bool plural = QLocale().toDouble(level) >= 2;
    QString sentence = u"%1 %2 par litre. "_s.arg(level, plural ? u"grammes"_s : u"gramme"_s);
    if (display.prudent)
        sentence += u"Estimation prudente. "_s;
    sentence += QString::fromUtf8(verdictInWords(display.verdict));
    if (display.hoursToDrive > 0)
        sentence += u" Attendre encore %1 %2."_s.arg(QString::fromStdString(display.wait),
                                                     QString::fromUtf8(display.waitUnit));
    if (display.limit == DrivingLimit::Probationary)
        sentence += u" Seuil de 0,2 gramme par litre."_s;
    return sentence;
}

QString withDecimalPoint(const std::string &text)
{
    return QString::fromStdString(text).replace(u'.', QLocale().decimalPoint());
}
