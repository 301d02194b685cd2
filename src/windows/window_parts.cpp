#include "window_parts.h"

#include "credits.h"
#include "toolkit/appearance.h"
#include "toolkit/picture.h"
#include "toolkit/twips.h"

#include <QLabel>

namespace {

// Every picture of these windows is drawn at 480 by 480 twips.
constexpr double pictureSize = 480;

} // namespace

QLabel *addLabel(QWidget *window, const QString &name, const QString &text, double left, double top,
                 double width, double height)
{
    auto *label = new QLabel(text, window);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::place(label, left, top, width, height);
    return label;
}

Picture *addPicture(QWidget *window, const QString &name, const QString &svgPath,
                    const QString &subject, double left, double top)
{
    auto *picture = new Picture(window, svgPath);
    picture->setObjectName(name);
    picture->setAccessibleName(subject);
    Twips::place(picture, left, top, pictureSize, pictureSize);
    return picture;
}

QLabel *addTitle(QWidget *window, double left, double top, double width, double height)
{
    QLabel *title = addLabel(window, QStringLiteral("Etiquette1"), Credits::programName(), left,
                             top, width, height);
    title->setFont(timesNewRoman(24, FontStyle::Bold));
    setTextColor(title, darkRed());
    return title;
}

QLabel *addVersion(QWidget *window, double left, double top, double width, double height)
{
    return addLabel(window, QStringLiteral("Etiquette3"), Credits::version(), left, top, width,
                    height);
}

QLabel *addCredit(QWidget *window, const QString &text, double left, double top, double width,
                  double height)
{
    QLabel *credit = addLabel(window, QStringLiteral("Etiquette2"), text, left, top, width, height);
    credit->setFont(arial(8.25, FontStyle::Regular));
    return credit;
}
