// The curve window: over a 24-hour axis, the estimated level rising to its peak one hour after
// the last drink and falling back to zero, above reference lines at 0,30, 0,50 and 0,80 g/l.
// The main window opens it through ShowCurve with the peak it takes back from what it shows; a
// click on the printer, Space or Enter on it, or Ctrl+P prints the window.
#pragma once

#include <QDialog>

#include <array>

class Line;
class Picture;
class QLabel;
class QPrinter;

class Graph : public QDialog
{
    Q_OBJECT
public:
    explicit Graph(QWidget *owner = nullptr);

    // Builds the window afresh over owner, draws the curve of the given peak (g/l) and fall
    // (hours from the peak down to zero), with the 0,20 g/l line of probationary drivers when
    // asked, and shows it modally. Returns when the user has closed the window, which is then
    // gone.
    static void ShowCurve(QWidget *owner, double peakLevel, double fallHours,
                          bool probationaryLimit);

    // Moves the top of the rise and the end of the fall; every other end stays where it is.
    void drawCurve(double peakLevel, double fallHours);

    // Prints the client area as on screen, without the print button, at its on-screen size.
    // A failure is told to the user; the window stays as it was.
    void PrintForm(QPrinter &printer);

protected:
    // Only the window system's close button closes the window: Escape does not.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createWidgets();
    void createLevelLabels();
    void createHourAxis();
    void connectEvents();
    void Impression_Click();

    // The axes, the reference lines at 0,30, 0,50 and 0,80 g/l, the rise and the fall; the line
    // at 0,20 g/l shows only for probationary drivers.
    Line *Ligne1{}, *Ligne2{}, *Ligne3{}, *Ligne4{}, *Ligne5{}, *LigneProbatoire{}, *LigneCr{},
            *LigneDc{};
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
};
