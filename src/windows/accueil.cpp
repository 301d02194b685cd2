#include "accueil.h"

#include "credits.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/picture.h"
#include "toolkit/widgets.h"
#include "window_parts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

Accueil *Accueil::showSplash(std::function<void()> showMainWindow)
{
    auto *splash = new Accueil(std::move(showMainWindow));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
    return splash;
}

Accueil::Accueil(std::function<void()> showMainWindow)
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_showMainWindow(std::move(showMainWindow))
{
    setAttribute(Qt::WA_DeleteOnClose);
    createWidgets();
    connectEvents();
    Minuterie1->start();
}

void Accueil::createWidgets()
{
    setObjectName(u"Accueil"_s);
    Twips::fixClientSize(this, 3735, 2400);
    setBackgroundColor(this, Colour::white);
    setFont(arial(8.25, FontStyle::Bold));
    // A thin outline, so that the borderless window stands out from a light desktop.
    setFrameStyle(QFrame::Box | QFrame::Plain);

    Dessin1 = addProgramIcon(this, 240, 360);
    Dessin2 = newPicture(this, u"Dessin2"_s, u"feu_tricolore"_s, {720, 240, 480, 480},
                         u"Feu tricolore"_s);
    Dessin3 = newPicture(this, u"Dessin3"_s, u"horloge"_s, {600, 720, 480, 480}, u"Horloge"_s);
    // "Sobrimetre" in 24 pt needs the room up to the right edge, and the copyright and licence
    // lines the whole width below the pictures, where they stand centred, the licence on two.
    Etiquette1 = addTitle(this, {1320, 360, 2415, 615});
    Etiquette3 = addVersion(this, {1320, 960, 1215, 375});
    Etiquette2 = addCredit(this, Credits::copyright + u'\n' + Credits::licence,
                           {240, 1560, 3255, 735});
    Etiquette2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Etiquette2->setWordWrap(true);

    Minuterie1 = new QTimer(this);
    Minuterie1->setObjectName(u"Minuterie1"_s);
    Minuterie1->setInterval(1000);
    Minuterie1->setSingleShot(true);
    Minuterie1->setTimerType(Qt::PreciseTimer);
}

void Accueil::connectEvents()
{
    connect(Minuterie1, &QTimer::timeout, this, &Accueil::Minuterie1_Timer);
}

// The main window is shown before the splash closes, so that the program always has a window.
void Accueil::Minuterie1_Timer()
{
    m_showMainWindow();
    close();
}
