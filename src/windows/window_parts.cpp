#include "window_parts.h"

#include "credits.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/picture.h"
#include "toolkit/widgets.h"

#include <QLabel>

using namespace Qt::StringLiterals;

QLabel *addLabel(QWidget *window, const QString &name, const QString &text, const TwipsRect &area)
{
    QLabel *label = newLabel(window, name, text, area);
    label->setWordWrap(true);
    return label;
}

Picture *addProgramIcon(QWidget *window, double left, double top)
{
    return newPicture(window, u"Dessin1"_s, u"sobrimetre"_s, {left, top, 480, 480},
                      u"Icône de Sobrimetre : un verre de vin rouge et une jauge"_s);
}

QLabel *addTitle(QWidget *window, const TwipsRect &area)
{
    QLabel *title = addLabel(window, u"Etiquette1"_s, Credits::programName, area);
    title->setFont(timesNewRoman(24, FontStyle::Bold));
    setTextColor(title, Colour::darkRed);
    return title;
}

QLabel *addVersion(QWidget *window, const TwipsRect &area)
{
    return addLabel(window, u"Etiquette3"_s, Credits::version, area);
}

QLabel *addCredit(QWidget *window, const QString &text, const TwipsRect &area)
{
    QLabel *credit = addLabel(window, u"Etiquette2"_s, text, area);
    credit->setFont(arial(8.25, FontStyle::Regular));
    return credit;
}
