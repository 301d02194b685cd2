#include "level_display.h"

#include "engine/estimate.h"

#include <QLocale>

QString levelText(double level)
{
    return QString::fromStdString(formatLevel(level))
            .replace(QLatin1Char('.'), QLocale().decimalPoint());
}
