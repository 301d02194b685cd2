// The scale beside the main window's results: its outline and light-yellow panel, the three
// lights, the ticks from 0,10 to 1,30 g/l with their values, the three alert signs and the
// level bar. It shows an estimate's result as the engine gives it, and marks the limit the
// driver is held to. It lies over the window's whole client area, so that its items stand at
// the window's own twips, and lets the mouse through to what lies under it.
#pragma once

#include "engine/estimate.h"

#include <QWidget>

#include <array>

class Line;
class Picture;
class QLabel;
class Shape;
struct ResultDisplay;

class Scale : public QWidget
{
    Q_OBJECT
public:
    // The number of ticks, one every 0,10 g/l.
    static constexpr std::size_t tickCount = 13;

    explicit Scale(QWidget *client);

    // The level bar, the alert signs and the light of the result.
    void showResult(const ResultDisplay &display);
    // The 0,20 tick and value stand out in red under the 0.2 g/l limit.
    void markLimit(DrivingLimit limit);

private:
    // Where the windowless items overlap, they are made in the order they are drawn, bottom to
    // top: the bar covers the panel and the green and amber lights but passes under the red
    // light, the ticks, their values and the alert signs.
    Shape *Forme2{};
    Picture *FeuVert{}, *FeuJaune{};
    Shape *Colonne{};
    Picture *FeuRouge{};
    std::array<Line *, tickCount> ticks{}; // Ligne1 to Ligne13
    // Alerte1 to Alerte3, from 0.3, 0.5 and 0.8 g/l: the first two under the ticks' values, the
    // third above them.
    std::array<Picture *, 3> alerts{};
    std::array<QLabel *, tickCount> tickValues{}; // Etiquette10, Etiquette13, Etiquette16...
    Shape *Shape1{};
};
