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

QString levelTip(const ResultDisplay &display, int secondsNow)
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
           + u" Retour à %1 g/l dans environ %2 h, vers %3."_s
                     .arg(zero, QString::number(std::round(display.hoursToZero), 'f', 0),
                          clockText(clockAfter(secondsNow, display.hoursToZero)));
}

QString driveAt(const ResultDisplay &display, int secondsNow)
{
    if (display.hoursToDrive <= 0)
        return {};
    return u"vers %1 (seuil %2 g/l)"_s.arg(clockText(clockAfter(secondsNow, display.hoursToDrive)),
                                           QLocale().toString(legalLimitOf(display.limit), 'f', 1));
}

} // namespace

ResultTips tipsOf(const ResultDisplay &display, QTime now)
{
    if (!display.estimated)
        return {};
    const int secondsNow = now.msecsSinceStartOfDay() / 1000;
    const QString drive = driveAt(display, secondsNow);
    return {levelTip(display, secondsNow),
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
