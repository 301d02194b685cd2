// The curve window: over a 24-hour axis, the estimated level rising to its peak one hour after
// the last drink and falling back to zero, above reference lines at 0,30, 0,50 and 0,80 g/l.
// The main window opens it through ShowCurve with the peak it takes back from what it shows and
// the facts of the printed page; a click on the printer, Space or Enter on it, or Ctrl+P prints
// a page with those facts and the curve on the default printer, or offers to save it as a PDF
// file where no printer is installed.
#pragma once

#include "page_facts.h"

#include <QDialog>
#include <QList>
#include <QPointF>

#include <array>
#include <optional>

class Area;
class Line;
class Picture;
class Polyline;
class QLabel;
class QPainter;
class QPrinter;

// A curve: the level one hour after the last drink, then the hours it takes to fall to zero.
struct CurvePeakAndFall
{
    double peakLevel = 0; // g/l
    double fallHours = 0;
};

// The evening as the journal tells it: its current bout, on the axis that starts at the whole
// hour of its first glass. Points are (hours from the axis's start, g/l), the vertices of a curve
// of straight pieces.
struct EveningCurve
{
    int firstHour = 0; // the clock hour at the axis's start, 0 to 23
    QList<QPointF> level; // the average person's, or the high one with the prudent estimate
    QList<QPointF> low; // with the prudent estimate, the band's lower edge; empty otherwise
    double nowHours = 0; // where the mark of the current time stands
};

// What the window draws and prints.
struct CurveContent
{
    // None while the main window shows no verdict: the window then draws no curve.
    std::optional<CurvePeakAndFall> curve;
    // The 0,20 g/l line of probationary drivers.
    bool probationaryLimit = false;
    // With the prudent estimate, the curve is the high one, and the spread between people is a
    // band from the low curve up to it.
    std::optional<CurvePeakAndFall> lowCurve;
    // With the evening's journal, its bout is drawn instead of the curve above.
    std::optional<EveningCurve> evening;
    PageFacts facts;
};

class Graph : public QDialog
{
    Q_OBJECT
public:
    explicit Graph(QWidget *owner = nullptr);

    // Builds the window afresh over owner, draws the content's curve, if any, with the 0,20 g/l
    // line and the band when it asks for them, and shows it modally, ready to print a page with its
    // facts. Returns when the user has closed the window, which is then gone.
    static void ShowCurve(QWidget *owner, const CurveContent &content);

    // Moves the top of the rise and the end of the fall; every other end stays where it is.
    void drawCurve(double peakLevel, double fallHours);
    // Fills the band between the low curve and the high one, the curve drawn.
    void drawSpread(const CurvePeakAndFall &low, const CurvePeakAndFall &high);
    // Draws the evening's bout in place of the rise and the fall, the band under it when it has
    // one, the clock hours under the axis and the mark of the current time.
    void drawEvening(const EveningCurve &evening);
    void setPageFacts(const PageFacts &facts) { m_pageFacts = facts; }

    // Prints an A4 page: the facts, and the window's figure (its lines and labels, not the
    // print button) drawn at the page's width. A failure is told to the user; the window stays
    // as it was.
    void PrintForm(QPrinter &printer);

    // Paints the figure as vectors into target, keeping the client area's proportions.
    void paintFigure(QPainter &painter, const QRectF &target) const;

protected:
    // Only the window system's close button closes the window: Escape does not.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createWidgets();
    void createLevelLabels();
    void createHourAxis();
    void connectEvents();
    void Impression_Click();
    void savePageAsPdf();

    // The spread between people, under everything else; shown with the prudent estimate only.
    Area *Bande{};
    // The axes, the reference lines at 0,30, 0,50 and 0,80 g/l, the rise and the fall; the line
    // at 0,20 g/l shows only for probationary drivers.
    Line *Ligne1{}, *Ligne2{}, *Ligne3{}, *Ligne4{}, *Ligne5{}, *LigneProbatoire{}, *LigneCr{},
            *LigneDc{};
    // The evening's bout, and the current time on it, with its clock time at the top; shown with
    // the evening's journal only.
    Polyline *CourbeSoiree{};
    Line *Maintenant{};
    QLabel *HeureMaintenant{};
    QLabel *Etiquette11{};
    // The time axis: a tick and a number at each hour from the last drink (0) to 24, the
    // numbers in one row, Abscisse, that ends with the unit.
    static constexpr int lastHour = 24;
    std::array<Line *, lastHour + 1> Repere{};
    QWidget *Abscisse{};
    std::array<QLabel *, lastHour + 1> Heure{};
    QLabel *Heures{};
    // The levels from 0,10 to 2,20 g/l, in that order.
    QLabel *Etiquette10{}, *Etiquette13{}, *Etiquette16{}, *Etiquette17{}, *Etiquette18{},
            *Etiquette19{}, *Etiquette20{}, *Etiquette21{}, *Etiquette22{}, *Etiquette23{},
            *Etiquette24{}, *Etiquette25{}, *Etiquette26{}, *Etiquette1{}, *Etiquette2{},
            *Etiquette3{}, *Etiquette4{}, *Etiquette5{}, *Etiquette6{}, *Etiquette7{},
            *Etiquette8{}, *Etiquette9{};
    Picture *Impression{};

    PageFacts m_pageFacts;
};
