// The curve window: over a 24-hour axis, the estimated level rising to its peak one hour after
// the last drink and falling back to zero, above reference lines at 0,30, 0,50 and 0,80 g/l.
// The main window opens it through ShowCurve; a click on the printer prints the window.
#pragma once

#include <QDialog>

class Line;
class Picture;
class QLabel;
class QPrinter;
struct CurveEnds;

class Graph : public QDialog
{
    Q_OBJECT
public:
    explicit Graph(QWidget *parent = nullptr);

    // Moves the top of the rise and the end of the fall; every other end stays where it is.
    void applyCurve(const CurveEnds &ends);

    // Prints the client area as on screen, without the print button, at its on-screen size.
    // A failure is told to the user; the window stays as it was.
    void PrintForm(QPrinter &printer);

protected:
    // Only the window system's close button closes the window: Escape does not.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createWidgets();
    void createLevelLabels();
    void connectEvents();
    void Impression_Click();

    Line *Ligne1 = nullptr;
    Line *Ligne2 = nullptr;
    Line *Ligne3 = nullptr;
    Line *Ligne4 = nullptr;
    Line *Ligne5 = nullptr;
    Line *LigneCr = nullptr;
    Line *LigneDc = nullptr;
    QLabel *Etiquette11 = nullptr;
    QLabel *Abscisse = nullptr;
    QLabel *Etiquette10 = nullptr;
    QLabel *Etiquette13 = nullptr;
    QLabel *Etiquette16 = nullptr;
    QLabel *Etiquette17 = nullptr;
    QLabel *Etiquette18 = nullptr;
    QLabel *Etiquette19 = nullptr;
    QLabel *Etiquette20 = nullptr;
    QLabel *Etiquette21 = nullptr;
    QLabel *Etiquette22 = nullptr;
    QLabel *Etiquette23 = nullptr;
    QLabel *Etiquette24 = nullptr;
    QLabel *Etiquette25 = nullptr;
    QLabel *Etiquette26 = nullptr;
    QLabel *Etiquette1 = nullptr;
    QLabel *Etiquette2 = nullptr;
    QLabel *Etiquette3 = nullptr;
    QLabel *Etiquette4 = nullptr;
    QLabel *Etiquette5 = nullptr;
    QLabel *Etiquette6 = nullptr;
    QLabel *Etiquette7 = nullptr;
    QLabel *Etiquette8 = nullptr;
    QLabel *Etiquette9 = nullptr;
    Picture *Impression = nullptr;
};
