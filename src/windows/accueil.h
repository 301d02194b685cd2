// The splash window, the first window of the program. It shows the program's name, version and
// credit line alone for one second, then hands over to the main window through the function the
// program gives it, and closes itself for good. Clicks on it do nothing.
#pragma once

#include <QFrame>

#include <functional>

class Picture;
class QLabel;
class QTimer;

class Accueil : public QFrame
{
    Q_OBJECT
public:
    // Creates and shows the splash window, centred on the screen. After 1000 ms it calls
    // showMainWindow once, then closes and destroys itself.
    static Accueil *showSplash(std::function<void()> showMainWindow);

private:
    explicit Accueil(std::function<void()> showMainWindow);
    void createWidgets();
    void connectEvents();

    void Minuterie1_Timer();

    std::function<void()> m_showMainWindow;

    Picture *Dessin1 = nullptr;
    Picture *Dessin2 = nullptr;
    Picture *Dessin3 = nullptr;
    QLabel *Etiquette1 = nullptr;
    QLabel *Etiquette2 = nullptr;
    QLabel *Etiquette3 = nullptr;
    QTimer *Minuterie1 = nullptr;
};
