#include "scale.h"

#include "engine/result_display.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/line.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/widgets.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// The ticks stand every 240 twips up from 4560, and each value's label level with its tick.
double tickY(std::size_t tenths)
{
    return 4560 - 240 * static_cast<double>(tenths);
}

} // namespace

Scale::Scale(QWidget *client)
    : QWidget(client)
{
    setObjectName(u"Scale"_s);
    setGeometry(client->rect());
    setAttribute(Qt::WA_TransparentForMouseEvents);

    Forme2 = newShape(this, u"Forme2"_s, {7605, 240, 1350, 4280});
    Forme2->setFillColor(Colour::lightYellow);
    Forme2->setStroke(Colour::lightOlive, 3);

    const TwipsRect lights{8070, 480, 480, 480};
    FeuVert = newPicture(this, u"FeuVert"_s, u"feu_vert"_s, lights, u"Feu vert"_s);
    FeuJaune = newPicture(this, u"FeuJaune"_s, u"feu_jaune"_s, lights, u"Feu orange"_s);
    FeuJaune->hide();

    // At rest until the first result.
    Colonne = newShape(this, u"Colonne"_s,
                       {LevelBar::left, LevelBar::bottom, LevelBar::width,
                        LevelBar::restingHeight});
    Colonne->setFillColor(Colour::green);
    Colonne->setAccessibleName(u"Barre de l'alcoolémie"_s);

    FeuRouge = newPicture(this, u"FeuRouge"_s, u"feu_rouge"_s, lights, u"Feu rouge"_s);
    FeuRouge->hide();

    // How each tick is drawn, from 0,10 at the bottom to 1,30 at the top, and the name of the
    // label of its value. They lie on the light-yellow panel, in black where the design gives the
    // window's text colour; 0,50 is the legal limit, 0,80 the severe level.
    struct Graduation
    {
        QColor colour;
        int width;
        const char16_t *labelName;
    };
    const Graduation graduations[tickCount] = {
            {Colour::black, 1, u"Etiquette10"},  {Colour::black, 1, u"Etiquette13"},
            {Colour::orange, 1, u"Etiquette16"}, {Colour::orange, 1, u"Etiquette17"},
            {Colour::red, 2, u"Etiquette18"},    {Colour::red, 1, u"Etiquette19"},
            {Colour::red, 1, u"Etiquette20"},    {Colour::black, 2, u"Etiquette21"},
            {Colour::red, 1, u"Etiquette22"},    {Colour::red, 1, u"Etiquette23"},
            {Colour::red, 1, u"Etiquette24"},    {Colour::red, 1, u"Etiquette25"},
            {Colour::red, 1, u"Etiquette26"},
    };
    for (std::size_t i = 0; i < tickCount; ++i) {
        const double y = tickY(i + 1);
        ticks[i] = newLine(this, u"Ligne"_s + QString::number(i + 1), {7620, y}, {8000, y},
                           graduations[i].colour, graduations[i].width);
    }

    const auto newAlert = [this](const QString &name, const QString &picture, double top,
                                 const QString &subject) {
        Picture *alert = newPicture(this, name, picture, {8040, top, 480, 480}, subject);
        alert->hide();
        return alert;
    };
    alerts[0] = newAlert(u"Alerte1"_s, u"alerte_derapage"_s, 3480,
                         u"Panneau de danger : réflexes altérés"_s);
    alerts[1] = newAlert(u"Alerte2"_s, u"alerte_stop"_s, 2880,
                         u"Panneau stop : seuil légal dépassé"_s);

    for (std::size_t i = 0; i < tickCount; ++i) {
        const double level = static_cast<double>(i + 1) / 10;
        const QString value = QString::number(level, 'f', 2).replace(u'.', u',');
        tickValues[i] = newLabel(this, QString::fromUtf16(graduations[i].labelName), value,
                                 {8520, tickY(i + 1) - 120, 375, 255},
                                 Qt::AlignLeft | Qt::AlignVCenter);
        setTextColor(tickValues[i], Colour::black);
    }
    // The legal limit's value.
    setTextColor(tickValues[4], Colour::red);

    alerts[2] = newAlert(u"Alerte3"_s, u"alerte_handicap"_s, 2160,
                         u"Fauteuil roulant : danger grave"_s);

    Shape1 = newShape(this, u"Shape1"_s, {7440, 120, 1695, 4530});
    Shape1->setStroke(palette().color(QPalette::Shadow), 1);
}

void Scale::showResult(const ResultDisplay &display)
{
    Colonne->setTwipsGeometry(
            {Colonne->left(), display.barTop, Colonne->twipsWidth(), display.barHeight});
    for (std::size_t i = 0; i < alerts.size(); ++i)
        alerts[i]->setVisible(display.alerts[i]);
    // No light at all while there is no estimate.
    FeuVert->setVisible(display.light == Light::Green);
    FeuJaune->setVisible(display.light == Light::Yellow);
    FeuRouge->setVisible(display.light == Light::Red);
}

void Scale::markLimit(DrivingLimit limit)
{
    const bool probationary = limit == DrivingLimit::Probationary;
    const QColor colour = probationary ? Colour::red : Colour::black;
    setTextColor(tickValues[1], colour);
    ticks[1]->setStroke(colour, probationary ? 2 : 1);
}
