// The main window's layout: every widget at its place in twips, with its font, colours and
// initial state, the drawing order of the items that overlap, the tab order and the menus.
#include "sobrimetre.h"

#include "scale.h"
#include "texts.h"
#include "toolkit/announcer.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/frame.h"
#include "toolkit/picture.h"
#include "toolkit/screen_placement.h"
#include "toolkit/shape.h"
#include "toolkit/widgets.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

const QString addGlassTip = u"Cliquer pour ajouter un verre"_s;

void giveSingleBorder(QLabel *label)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

// Where each drink column stands, in the order of the columns: its heading, its glass button
// and the left edge of its three boxes.
struct ColumnPlace
{
    const char16_t *heading;
    double headingLeft;
    double headingWidth;
    TwipsRect button;
    double boxLeft;
};

constexpr ColumnPlace columnPlaces[] = {
        {u"Etiquette27", 1800, 975, {2150, 720, 480, 480}, 2040},
        {u"Etiquette3", 2880, 615, {2950, 720, 480, 480}, 2880},
        {u"Etiquette5", 3600, 855, {3760, 720, 480, 480}, 3720},
        {u"Etiquette2", 4560, 550, {4680, 720, 375, 495}, 4560},
        {u"Etiquette6", 5160, 855, {5460, 720, 480, 480}, 5400},
        {u"Etiquette7", 6045, 975, {6300, 720, 480, 480}, 6240},
};

} // namespace

void Sobrimetre::createWidgets()
{
    auto *client = new QWidget(this);
    client->setFont(arial(8.25, FontStyle::Bold));
    Twips::fixClientSize(client, 9255, 5955);
    setCentralWidget(client);

    createSubjectFrame(client);
    createDrinksFrame(client);
    createResultLine(client);
    createWaitFrame(client);
    scale = new Scale(client);
    Annonce = new Announcer(client);
    Annonce->setObjectName(u"Annonce"_s);
    createMenus();
    stackInDrawingOrder();
    setTabOrderOfFields();
    Poids->setFocus();
}

void Sobrimetre::createSubjectFrame(QWidget *client)
{
    const QFont regular = arial(8.25, FontStyle::Regular);

    Cadre1 = newFrame(client, u"Cadre1"_s, u"Sujet"_s, {120, 200, 7095, 1200});
    Etiquette1 = newLabel(Cadre1, u"Etiquette1"_s, u"&Poids (en kg) :"_s, {120, 480, 1455, 255});
    Poids = newNumberBox(Cadre1, u"Poids"_s, 6, {1440, 480, 735, 375});
    Poids->setFont(arial(9.75, FontStyle::Bold));
    setTextColor(Poids, Colour::black);
    Etiquette1->setBuddy(Poids);

    Cadre4 = newFrame(Cadre1, u"Cadre4"_s, u"Corpulence"_s, {2400, 120, 1575, 975});
    CorpuN = newButton<QRadioButton>(Cadre4, u"CorpuN"_s, u"Nor&male"_s, {240, 320, 1095, 255});
    CorpuF = newButton<QRadioButton>(Cadre4, u"CorpuF"_s, u"For&te"_s, {240, 600, 1095, 315});
    CorpuN->setChecked(true);

    Homme = newPicture(Cadre1, u"Homme"_s, u"homme"_s, {4200, 360, 480, 480}, u"Homme"_s);
    OptionH = newButton<QRadioButton>(Cadre1, u"OptionH"_s, u"&Homme"_s, {4680, 480, 975, 255});
    Femme = newPicture(Cadre1, u"Femme"_s, u"femme"_s, {5640, 360, 480, 480}, u"Femme"_s);
    OptionF = newButton<QRadioButton>(Cadre1, u"OptionF"_s, u"&Femme"_s, {6120, 480, 855, 255});
    OptionH->setChecked(true);
    for (QWidget *widget : std::initializer_list<QWidget *>{Cadre1, Etiquette1, Cadre4, CorpuN,
                                                            CorpuF, OptionH, OptionF})
        widget->setFont(regular);

    // Explicit groups: left to their parents, the sex options would take in the corpulence
    // options, which lie inside their frame.
    auto *sex = new QButtonGroup(this);
    sex->addButton(OptionH);
    sex->addButton(OptionF);
    auto *corpulence = new QButtonGroup(this);
    corpulence->addButton(CorpuN);
    corpulence->addButton(CorpuF);
}

void Sobrimetre::createDrinksFrame(QWidget *client)
{
    const QFont regular = arial(8.25, FontStyle::Regular);

    Cadre2 = newFrame(client, u"Cadre2"_s, u"Consommation"_s, {120, 1440, 7095, 2535});
    Repas = newPicture(Cadre2, u"Repas"_s, u"repas"_s, {240, 600, 480, 480},
                       u"Repas : fourchette, couteau et cuillère"_s);
    CocheR = newButton<QCheckBox>(Cadre2, u"CocheR"_s, u"&Repas"_s, {840, 600, 855, 495});
    Etiquette4 = newLabel(Cadre2, u"Etiquette4"_s, u"&Nombre de verres :"_s,
                          {120, 1440, 1695, 255});
    Etiquette8 = newLabel(Cadre2, u"Etiquette8"_s, u"&Volume par verre (en cl) :"_s,
                          {120, 1800, 2175, 255});
    Etiquette9 = newLabel(Cadre2, u"Etiquette9"_s, u"&Degré alcoolique  (°) :"_s,
                          {120, 2160, 2055, 255});
    for (QWidget *widget :
         std::initializer_list<QWidget *>{Cadre2, CocheR, Etiquette4, Etiquette8, Etiquette9})
        widget->setFont(regular);

    // One column per category, left to right: its name, its glass button, then the boxes of
    // the glass count, the volume of a glass (cl) and the degree.
    const QFont boxFont = arial(9.75, FontStyle::Bold);
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const ColumnPlace &place = columnPlaces[indexOf(drink.category)];
        DrinkColumn &column = drinkColumns[indexOf(drink.category)];
        const QString letter(QLatin1Char(drink.letter));

        column.heading = newLabel(Cadre2, QString::fromUtf16(place.heading),
                                  QString::fromUtf8(drink.heading),
                                  {place.headingLeft, 150, place.headingWidth, 465},
                                  Qt::AlignCenter);
        column.heading->setWordWrap(true);
        column.heading->setFont(timesNewRoman(8.25, FontStyle::Bold));
        giveSingleBorder(column.heading);
        setColors(column.heading, Colour::darkRed, Colour::lightYellow);

        column.button = newClickablePicture(Cadre2, QString::fromUtf8(drink.button),
                                            QString::fromUtf8(drink.picture), place.button,
                                            QString::fromUtf8(drink.addGlass), addGlassTip);

        const auto newBox = [&](const QString &prefix, int maxLength, double top,
                                std::string_view text) {
            NumberBox *box = newNumberBox(Cadre2, prefix + letter, maxLength,
                                          {place.boxLeft, top, 615, 285});
            box->setFont(boxFont);
            box->setText(QString::fromUtf8(text));
            return box;
        };
        column.count = newBox(u"NB_"_s, 3, 1440, {});
        column.volume = newBox(u"VOL_"_s, 6, 1800, drink.factoryVolume);
        column.degree = newBox(u"DEG_"_s, 6, 2160, drink.factoryDegree);
        setTextColor(column.count, Colour::darkGreen);
    }

    // Each row caption leads to the row's leftmost box.
    const DrinkColumn &leftmost = drinkColumns.front();
    Etiquette4->setBuddy(leftmost.count);
    Etiquette8->setBuddy(leftmost.volume);
    Etiquette9->setBuddy(leftmost.degree);
}

void Sobrimetre::createResultLine(QWidget *client)
{
    const QFont caption = arial(9.75, FontStyle::Bold);
    const QFont large = arial(13.5, FontStyle::Regular);

    Etiquette11 = newLabel(client, u"Etiquette11"_s, u"ALCOOLÉMIE ESTIMÉE (en g/l) :"_s,
                           {120, 4080, 3495, 375});
    Alcoolémie = newResultLabel(client, u"Alcoolémie"_s, u"Alcoolémie estimée"_s,
                                ResultLabel::Number, u"0,00"_s, {3600, 4035, 855, 375},
                                Qt::AlignCenter);
    Alcoolémie->setFont(large);
    giveSingleBorder(Alcoolémie);
    setColors(Alcoolémie, Colour::black, Colour::green);

    Etiquette12 = newLabel(client, u"Etiquette12"_s, u"&après"_s, {4560, 4080, 735, 255});
    Délai = newNumberBox(client, u"Délai"_s, 2, {5280, 4035, 495, 435});
    Délai->setFont(large);
    Délai->setText(u"1"_s);
    Etiquette12->setBuddy(Délai);
    Etiquette14 = newLabel(client, u"Etiquette14"_s, u"heure"_s, {5880, 4080, 855, 255});
    for (QLabel *label : {Etiquette11, Etiquette12, Etiquette14})
        label->setFont(caption);

    Forme1 = newShape(client, u"Forme1"_s, {120, 4560, 5295, 1215});
    Forme1->setFillColor(Colour::lightYellow);
    Forme1->setStroke(Colour::lightOlive, 1);

    Note = newResultLabel(client, u"Note"_s, u"Message"_s, ResultLabel::Text,
                          noteTextOf(startupDisplay()), {240, 4680, 5055, 1050});
    Note->setWordWrap(true);
    Note->setFont(arial(8.25, FontStyle::Regular));
    setColors(Note, Colour::darkGreen, Colour::lightYellow);

    GraphImg = newClickablePicture(client, u"GraphImg"_s, u"graphique"_s, {6840, 4080, 375, 375},
                                   u"Graphique de l'alcoolémie sur 24 heures"_s, u"Graphique"_s);

    BtnIni = newButton<QPushButton>(client, u"BtnIni"_s, u"&Initialiser"_s,
                                    {7680, 4920, 1215, 375});
    BtnQuitter = newButton<QPushButton>(client, u"BtnQuitter"_s, u"&Quitter"_s,
                                        {7680, 5400, 1215, 375});
    for (QPushButton *button : {BtnIni, BtnQuitter})
        button->setFont(arial(9, FontStyle::Regular));
}

void Sobrimetre::createWaitFrame(QWidget *client)
{
    Cadre3 = newFrame(client, u"Cadre3"_s, u"Attendre encore..."_s, {5520, 4560, 1815, 1215});
    Horloge = newPicture(Cadre3, u"Horloge"_s, u"horloge"_s, {240, 360, 480, 480}, u"Horloge"_s);

    Attente = newResultLabel(Cadre3, u"Attente"_s, u"Heures à attendre encore"_s,
                             ResultLabel::Number, u"0"_s, {960, 360, 615, 375}, Qt::AlignCenter);
    Attente->setFont(arial(13.5, FontStyle::Regular));
    giveSingleBorder(Attente);
    setBackgroundColor(Attente, Colour::lightCyan);

    Etiquette15 = newLabel(Cadre3, u"Etiquette15"_s, u"heure"_s, {915, 840, 735, 255},
                           Qt::AlignHCenter | Qt::AlignTop);
}

void Sobrimetre::createMenus()
{
    const auto addMenu = [this](const QString &name, const QString &caption) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(name);
        return menu;
    };
    const auto addItem = [](QMenu *menu, const QString &name, const QString &caption,
                            const QKeySequence &shortcut) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(name);
        item->setShortcut(shortcut);
        return item;
    };
    Options = addMenu(u"Options"_s, u"&Options"_s);
    Ini = addItem(Options, u"Ini"_s, u"&Initialiser"_s, Qt::Key_F2);
    GraphMenu = addItem(Options, u"GraphMenu"_s, u"&Graphique"_s, Qt::CTRL | Qt::Key_G);
    Sauve = addItem(Options, u"Sauve"_s, u"&Sauvegarder"_s, Qt::CTRL | Qt::Key_S);
    Rétablir = addItem(Options, u"Rétablir"_s, u"&Rétablir"_s, Qt::CTRL | Qt::Key_R);
    SeuilProbatoire = addItem(Options, u"SeuilProbatoire"_s,
                              u"Seuil de 0,2 g/l (permis &probatoire, transport en commun)"_s,
                              QKeySequence());
    SeuilProbatoire->setCheckable(true);
    EstimationPrudente = addItem(Options, u"EstimationPrudente"_s,
                                 u"&Estimation prudente (écarts entre personnes)"_s,
                                 QKeySequence());
    EstimationPrudente->setCheckable(true);
    JournalSoiree = addItem(Options, u"JournalSoiree"_s,
                            u"&Journal de la soirée (heure de chaque verre)"_s, QKeySequence());
    JournalSoiree->setCheckable(true);
    // Ctrl+J opens the journal while it is kept; the item itself keeps or leaves it.
    JournalSoiree->setStatusTip(u"Ctrl+J ouvre le journal de la soirée"_s);
    Quitter = addItem(Options, u"Quitter"_s, u"&Quitter"_s, Qt::CTRL | Qt::Key_Q);

    Aide = addMenu(u"Aide"_s, u"&?"_s);
    MNotice = addItem(Aide, u"MNotice"_s, u"&Notice"_s, Qt::Key_F1);
    Info = addItem(Aide, u"Info"_s, u"&A propos..."_s, QKeySequence());
}

// Where the windowless items overlap they are drawn in this order, bottom to top: the panel
// behind the message, the result line and the message, then the scale, whose own items keep
// their order. The controls lie above them all.
void Sobrimetre::stackInDrawingOrder()
{
    QWidget *const windowless[] = {Forme1,      Etiquette14, Alcoolémie, Etiquette12,
                                   Etiquette11, Note,        scale,      GraphImg};
    for (QWidget *item : windowless)
        item->raise();
    QWidget *const controls[] = {Cadre1, Cadre2, Cadre3, Délai, BtnIni, BtnQuitter};
    for (QWidget *control : controls)
        control->raise();
    // Inside the frames likewise.
    for (Frame *frame : {Cadre1, Cadre2, Cadre3, Cadre4}) {
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<QLabel *>(child) && !qobject_cast<Picture *>(child))
                child->raise();
        }
    }
}

// The tab order follows the layout: the person, the meal, the drink boxes row by row in the
// order of the columns, the delay and the buttons.
void Sobrimetre::setTabOrderOfFields()
{
    QList<QWidget *> order{Poids, CorpuN, CorpuF, OptionH, OptionF, CocheR};
    for (std::size_t row = 0; row < DrinkColumn::boxCount; ++row) {
        for (const DrinkColumn &column : drinkColumns)
            order << column.boxes()[row];
    }
    order << Délai << BtnIni << BtnQuitter;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// The window first stands with its client area, below the menu bar, at 1095, 1755 twips
// from the screen's top left, when it fits there on the screen; otherwise it moves inside.
void Sobrimetre::placeOnScreen()
{
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint screenOrigin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    const QPoint clientOrigin = screenOrigin + QPoint(Twips::toPixels(1095), Twips::toPixels(1755));
    setGeometry(QRect(clientOrigin - centralWidget()->pos(), size()));
    keepInsideScreen(this);
    keepInsideScreenWhenShown(this);
}
