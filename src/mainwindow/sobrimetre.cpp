#include "sobrimetre.h"

#include "mainwindow/texts.h"

#include "toolkit/appearance.h"
#include "toolkit/frame.h"
#include "toolkit/line.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
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

// A rectangle in twips of its parent: left, top, width, height.
struct Area
{
    double left;
    double top;
    double width;
    double height;
};

const QColor lightYellow(255, 255, 224);
const QColor olive(192, 192, 0);
const QColor darkRed(128, 0, 0);
const QColor darkGreen(0, 128, 0);
const QColor green(0, 255, 0);
const QColor lightCyan(128, 255, 255);
const QColor orange(255, 128, 0);
const QColor red(255, 0, 0);

const QString addGlassTip = u"Cliquer pour ajouter un verre"_s;

void place(QWidget *widget, const Area &area)
{
    Twips::place(widget, area.left, area.top, area.width, area.height);
}

// A label paints no background unless one is given to it.
QLabel *newLabel(QWidget *parent, const QString &name, const QString &text, const Area &area,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment);
    place(label, area);
    return label;
}

void giveSingleBorder(QLabel *label)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

QLineEdit *newTextBox(QWidget *parent, const QString &name, const QString &text, int maxLength,
                      const Area &area, const QFont &font)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setText(text);
    box->setFont(font);
    place(box, area);
    return box;
}

template<typename Button>
Button *newButton(QWidget *parent, const QString &name, const QString &caption, const Area &area)
{
    auto *button = new Button(caption, parent);
    button->setObjectName(name);
    place(button, area);
    return button;
}

QGroupBox *newFrame(QWidget *parent, const QString &name, const QString &caption, const Area &area)
{
    auto *frame = new Frame(caption, parent);
    frame->setObjectName(name);
    place(frame, area);
    return frame;
}

Picture *newPicture(QWidget *parent, const QString &name, const QString &icon, const Area &area)
{
    auto *picture = new Picture(parent, u":/icons/"_s + icon + u".svg"_s);
    picture->setObjectName(name);
    place(picture, area);
    return picture;
}

Shape *newShape(QWidget *parent, const QString &name, const Area &area)
{
    auto *shape = new Shape(parent);
    shape->setObjectName(name);
    shape->setTwipsGeometry(float(area.left), float(area.top), float(area.width),
                            float(area.height));
    return shape;
}

} // namespace

Sobrimetre::Sobrimetre(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(u"Sobrimetre"_s);
    setWindowTitle(u"Sobrimetre"_s);
    setWindowIcon(QIcon(u":/icons/sobrimetre.svg"_s));
    createWidgets();
    nameForAccessibility();
    connectEvents();
    placeOnScreen();
    Form_Load();
}

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
    createScale(client);
    createMenus();
    stackInDrawingOrder();
    setTabOrderOfFields();
    Poids->setFocus();
}

void Sobrimetre::createSubjectFrame(QWidget *client)
{
    const QFont regular = arial(8.25, FontStyle::Regular);

    Cadre1 = newFrame(client, u"Cadre1"_s, u"Sujet"_s, {120, 200, 7095, 1200});
    Cadre1->setFont(regular);

    Etiquette1 = newLabel(Cadre1, u"Etiquette1"_s, u"&Poids (en kg) :"_s, {120, 480, 1455, 255});
    Etiquette1->setFont(regular);
    Poids = newTextBox(Cadre1, u"Poids"_s, QString(), 6, {1440, 480, 735, 375},
                       arial(9.75, FontStyle::Bold));
    setTextColor(Poids, Qt::black);
    Etiquette1->setBuddy(Poids);

    Cadre4 = newFrame(Cadre1, u"Cadre4"_s, u"Corpulence"_s, {2400, 120, 1575, 975});
    Cadre4->setFont(regular);
    CorpuN = newButton<QRadioButton>(Cadre4, u"CorpuN"_s, u"Nor&male"_s, {240, 320, 1095, 255});
    CorpuF = newButton<QRadioButton>(Cadre4, u"CorpuF"_s, u"For&te"_s, {240, 600, 1095, 315});
    CorpuN->setChecked(true);

    Homme = newPicture(Cadre1, u"Homme"_s, u"homme"_s, {4200, 360, 480, 480});
    OptionH = newButton<QRadioButton>(Cadre1, u"OptionH"_s, u"&Homme"_s, {4680, 480, 975, 255});
    Femme = newPicture(Cadre1, u"Femme"_s, u"femme"_s, {5640, 360, 480, 480});
    OptionF = newButton<QRadioButton>(Cadre1, u"OptionF"_s, u"&Femme"_s, {6120, 480, 855, 255});
    for (QRadioButton *option : {CorpuN, CorpuF, OptionH, OptionF})
        option->setFont(regular);
    OptionH->setChecked(true);

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
    Cadre2->setFont(regular);

    Repas = newPicture(Cadre2, u"Repas"_s, u"repas"_s, {240, 600, 480, 480});
    CocheR = newButton<QCheckBox>(Cadre2, u"CocheR"_s, u"&Repas"_s, {840, 600, 855, 495});
    CocheR->setFont(regular);

    Etiquette4 = newLabel(Cadre2, u"Etiquette4"_s, u"&Nombre de verres :"_s,
                          {120, 1440, 1695, 255});
    Etiquette8 = newLabel(Cadre2, u"Etiquette8"_s, u"&Volume par verre (en cl) :"_s,
                          {120, 1800, 2175, 255});
    Etiquette9 = newLabel(Cadre2, u"Etiquette9"_s, u"&Degré alcoolique  (°) :"_s,
                          {120, 2160, 2055, 255});
    for (QLabel *caption : {Etiquette4, Etiquette8, Etiquette9})
        caption->setFont(regular);

    // One column per category, left to right: its name, its glass button, then the boxes of
    // the glass count, the volume of a glass (cl) and the degree.
    struct ColumnDesign
    {
        QLabel *&name;
        QString nameObject;
        double nameLeft;
        double nameWidth;
        QString nameText;
        Picture *&button;
        QString buttonObject;
        Area buttonArea;
        QString icon;
        QString letter;
        double boxLeft;
        QLineEdit *&count;
        QLineEdit *&volume;
        QString volumeText;
        QLineEdit *&degree;
        QString degreeText;
    };
    // clang-format off
    const ColumnDesign columns[] = {
        {Etiquette27, u"Etiquette27"_s, 1800, 975, u"Cocktails, long drinks"_s,
         Cocktail, u"Cocktail"_s, {2150, 720, 480, 480}, u"cocktail"_s,
         u"K"_s, 2040, NB_K, VOL_K, u"12"_s, DEG_K, u"12"_s},
        {Etiquette3, u"Etiquette3"_s, 2880, 615, u"Bière, cidre"_s,
         Bière, u"Bière"_s, {2950, 720, 480, 480}, u"biere"_s,
         u"B"_s, 2880, NB_B, VOL_B, u"25"_s, DEG_B, u"5"_s},
        {Etiquette5, u"Etiquette5"_s, 3600, 855, u"Apéritifs, Whisky"_s,
         Apéritif, u"Apéritif"_s, {3760, 720, 480, 480}, u"aperitif"_s,
         u"A"_s, 3720, NB_A, VOL_A, u"4"_s, DEG_A, u"44"_s},
        {Etiquette2, u"Etiquette2"_s, 4560, 550, u"Vins"_s,
         Vin, u"Vin"_s, {4680, 720, 375, 495}, u"vin"_s,
         u"V"_s, 4560, NB_V, VOL_V, u"12"_s, DEG_V, u"11"_s},
        {Etiquette6, u"Etiquette6"_s, 5160, 855, u"Liqueurs, digestifs"_s,
         Digestif, u"Digestif"_s, {5460, 720, 480, 480}, u"digestif"_s,
         u"D"_s, 5400, NB_D, VOL_D, u"4"_s, DEG_D, u"40"_s},
        {Etiquette7, u"Etiquette7"_s, 6045, 975, u"Champagne"_s,
         Champagne, u"Champagne"_s, {6300, 720, 480, 480}, u"champagne"_s,
         u"C"_s, 6240, NB_C, VOL_C, u"12"_s, DEG_C, u"12"_s},
    };
    // clang-format on

    const QFont boxFont = arial(9.75, FontStyle::Bold);
    for (const ColumnDesign &column : columns) {
        column.name = newLabel(Cadre2, column.nameObject, column.nameText,
                               {column.nameLeft, 150, column.nameWidth, 465}, Qt::AlignCenter);
        column.name->setWordWrap(true);
        column.name->setFont(timesNewRoman(8.25, FontStyle::Bold));
        giveSingleBorder(column.name);
        setBackgroundColor(column.name, lightYellow);
        setTextColor(column.name, darkRed);

        column.button = newPicture(Cadre2, column.buttonObject, column.icon, column.buttonArea);
        column.button->setToolTip(addGlassTip);

        column.count = newTextBox(Cadre2, u"NB_"_s + column.letter, QString(), 3,
                                  {column.boxLeft, 1440, 615, 285}, boxFont);
        setTextColor(column.count, darkGreen);
        column.volume = newTextBox(Cadre2, u"VOL_"_s + column.letter, column.volumeText, 6,
                                   {column.boxLeft, 1800, 615, 285}, boxFont);
        column.degree = newTextBox(Cadre2, u"DEG_"_s + column.letter, column.degreeText, 6,
                                   {column.boxLeft, 2160, 615, 285}, boxFont);
    }

    // Each row caption leads to the row's leftmost box, the cocktails'.
    Etiquette4->setBuddy(NB_K);
    Etiquette8->setBuddy(VOL_K);
    Etiquette9->setBuddy(DEG_K);
}

void Sobrimetre::createResultLine(QWidget *client)
{
    const QFont caption = arial(9.75, FontStyle::Bold);

    Etiquette11 = newLabel(client, u"Etiquette11"_s, u"ALCOOLÉMIE ESTIMÉE (en g/l) :"_s,
                           {120, 4080, 3495, 375});
    Etiquette11->setFont(caption);

    Alcoolémie = newLabel(client, u"Alcoolémie"_s, u"0,00"_s, {3600, 4035, 855, 375},
                          Qt::AlignCenter);
    Alcoolémie->setFont(arial(13.5, FontStyle::Regular));
    giveSingleBorder(Alcoolémie);
    setBackgroundColor(Alcoolémie, green);
    setTextColor(Alcoolémie, Qt::black);

    Etiquette12 = newLabel(client, u"Etiquette12"_s, u"&après"_s, {4560, 4080, 735, 255});
    Etiquette12->setFont(caption);
    Délai = newTextBox(client, u"Délai"_s, u"1"_s, 2, {5280, 4035, 495, 435},
                       arial(13.5, FontStyle::Regular));
    Etiquette12->setBuddy(Délai);
    Etiquette14 = newLabel(client, u"Etiquette14"_s, u"heure"_s, {5880, 4080, 855, 255});
    Etiquette14->setFont(caption);

    Forme1 = newShape(client, u"Forme1"_s, {120, 4560, 5295, 1215});
    Forme1->setFillColor(lightYellow);
    Forme1->setBorder(olive, 1);

    Note = newLabel(client, u"Note"_s, instructionText, {240, 4680, 5055, 1050});
    Note->setWordWrap(true);
    Note->setFont(arial(8.25, FontStyle::Regular));
    setBackgroundColor(Note, lightYellow);
    setTextColor(Note, darkGreen);

    GraphImg = newPicture(client, u"GraphImg"_s, u"graphique"_s, {6840, 4080, 375, 375});
    GraphImg->setToolTip(u"Graphique"_s);

    const QFont buttonFont = arial(9, FontStyle::Regular);
    BtnIni = newButton<QPushButton>(client, u"BtnIni"_s, u"&Initialiser"_s,
                                    {7680, 4920, 1215, 375});
    BtnIni->setFont(buttonFont);
    BtnQuitter = newButton<QPushButton>(client, u"BtnQuitter"_s, u"&Quitter"_s,
                                        {7680, 5400, 1215, 375});
    BtnQuitter->setFont(buttonFont);
}

void Sobrimetre::createWaitFrame(QWidget *client)
{
    Cadre3 = newFrame(client, u"Cadre3"_s, u"Attendre encore..."_s, {5520, 4560, 1815, 1215});
    Horloge = newPicture(Cadre3, u"Horloge"_s, u"horloge"_s, {240, 360, 480, 480});

    Attente = newLabel(Cadre3, u"Attente"_s, u"0"_s, {960, 360, 615, 375}, Qt::AlignCenter);
    Attente->setFont(arial(13.5, FontStyle::Regular));
    giveSingleBorder(Attente);
    setBackgroundColor(Attente, lightCyan);

    Etiquette15 = newLabel(Cadre3, u"Etiquette15"_s, u"heure"_s, {915, 840, 735, 255},
                           Qt::AlignHCenter | Qt::AlignTop);
}

void Sobrimetre::createScale(QWidget *client)
{
    Shape1 = newShape(client, u"Shape1"_s, {7440, 120, 1695, 4530});
    Shape1->setBorder(palette().color(QPalette::Shadow), 1);

    Forme2 = newShape(client, u"Forme2"_s, {7605, 240, 1350, 4280});
    Forme2->setFillColor(lightYellow);
    Forme2->setBorder(olive, 3);

    const Area lights{8070, 480, 480, 480};
    FeuRouge = newPicture(client, u"FeuRouge"_s, u"feu_rouge"_s, lights);
    FeuJaune = newPicture(client, u"FeuJaune"_s, u"feu_jaune"_s, lights);
    FeuVert = newPicture(client, u"FeuVert"_s, u"feu_vert"_s, lights);
    FeuRouge->hide();
    FeuJaune->hide();

    // A tick every 0,10 g/l, from 0,10 at the bottom to 1,30 at the top; each value's label
    // stands level with its tick.
    struct Graduation
    {
        Line *&tick;
        QColor color;
        int width;
        QLabel *&label;
        QString labelObject;
        QString value;
    };
    const QColor windowText = palette().color(QPalette::WindowText);
    const Graduation graduations[] = {
            {Ligne1, windowText, 1, Etiquette10, u"Etiquette10"_s, u"0,10"_s},
            {Ligne2, windowText, 1, Etiquette13, u"Etiquette13"_s, u"0,20"_s},
            {Ligne3, orange, 1, Etiquette16, u"Etiquette16"_s, u"0,30"_s},
            {Ligne4, orange, 1, Etiquette17, u"Etiquette17"_s, u"0,40"_s},
            {Ligne5, red, 2, Etiquette18, u"Etiquette18"_s, u"0,50"_s},
            {Ligne6, red, 1, Etiquette19, u"Etiquette19"_s, u"0,60"_s},
            {Ligne7, red, 1, Etiquette20, u"Etiquette20"_s, u"0,70"_s},
            {Ligne8, Qt::black, 2, Etiquette21, u"Etiquette21"_s, u"0,80"_s},
            {Ligne9, red, 1, Etiquette22, u"Etiquette22"_s, u"0,90"_s},
            {Ligne10, red, 1, Etiquette23, u"Etiquette23"_s, u"1,00"_s},
            {Ligne11, red, 1, Etiquette24, u"Etiquette24"_s, u"1,10"_s},
            {Ligne12, red, 1, Etiquette25, u"Etiquette25"_s, u"1,20"_s},
            {Ligne13, red, 1, Etiquette26, u"Etiquette26"_s, u"1,30"_s},
    };
    int n = 1;
    for (const Graduation &graduation : graduations) {
        const auto y = static_cast<float>(4560 - 240 * n);
        graduation.tick = new Line(client);
        graduation.tick->setObjectName(u"Ligne"_s + QString::number(n));
        graduation.tick->setPoints(7620, y, 8000, y);
        graduation.tick->setPen(graduation.color, graduation.width);

        graduation.label = newLabel(client, graduation.labelObject, graduation.value,
                                    {8520, 4200 - 240.0 * (n - 1), 375, 255},
                                    Qt::AlignLeft | Qt::AlignVCenter);
        ++n;
    }
    setTextColor(Etiquette18, red);

    Alerte1 = newPicture(client, u"Alerte1"_s, u"alerte_derapage"_s, {8040, 3480, 480, 480});
    Alerte2 = newPicture(client, u"Alerte2"_s, u"alerte_stop"_s, {8040, 2880, 480, 480});
    Alerte3 = newPicture(client, u"Alerte3"_s, u"alerte_handicap"_s, {8040, 2160, 480, 480});
    for (Picture *alert : {Alerte1, Alerte2, Alerte3})
        alert->hide();

    // The bar at rest; the estimate raises its top and keeps its bottom edge at 4500.
    Colonne = newShape(client, u"Colonne"_s, {7650, 4500, 1280, 15});
    Colonne->setFillColor(green);
}

void Sobrimetre::createMenus()
{
    Options = menuBar()->addMenu(u"&Options"_s);
    Options->setObjectName(u"Options"_s);
    const auto addItem = [](QMenu *menu, const QString &name, const QString &text,
                            const QKeySequence &shortcut) {
        QAction *item = menu->addAction(text);
        item->setObjectName(name);
        item->setShortcut(shortcut);
        return item;
    };
    Ini = addItem(Options, u"Ini"_s, u"&Initialiser"_s, Qt::Key_F2);
    GraphMenu = addItem(Options, u"GraphMenu"_s, u"&Graphique"_s, Qt::CTRL | Qt::Key_G);
    Sauve = addItem(Options, u"Sauve"_s, u"&Sauvegarder"_s, Qt::CTRL | Qt::Key_S);
    Rétablir = addItem(Options, u"Rétablir"_s, u"&Rétablir"_s, Qt::CTRL | Qt::Key_R);
    Quitter = addItem(Options, u"Quitter"_s, u"&Quitter"_s, Qt::CTRL | Qt::Key_Q);

    Aide = menuBar()->addMenu(u"&?"_s);
    Aide->setObjectName(u"Aide"_s);
    MNotice = addItem(Aide, u"MNotice"_s, u"&Notice"_s, Qt::Key_F1);
    Info = addItem(Aide, u"Info"_s, u"&A propos..."_s, QKeySequence());
}

// Where the windowless items overlap they are drawn in this order, bottom to top, so that the
// level bar covers the panel and the green and amber lights but passes under the red light,
// the ticks, their values and the alert signs. The controls lie above them all.
void Sobrimetre::stackInDrawingOrder()
{
    QWidget *const windowless[] = {Forme1,      Forme2,      FeuVert,     Etiquette14, Alcoolémie,
                                   Etiquette12, Etiquette11, Note,        FeuJaune,    Colonne,
                                   FeuRouge,    Ligne1,      Ligne2,      Ligne3,      Ligne4,
                                   Ligne5,      Ligne6,      Ligne7,      Ligne8,      Ligne9,
                                   Ligne10,     Ligne11,     Ligne12,     Ligne13,     Alerte1,
                                   Alerte2,     Etiquette10, Etiquette13, Etiquette16, Etiquette17,
                                   Etiquette18, Etiquette19, Etiquette20, Etiquette21, Etiquette22,
                                   Etiquette23, Etiquette24, Etiquette25, Etiquette26, Alerte3,
                                   Shape1,      GraphImg};
    for (QWidget *item : windowless)
        item->raise();
    QWidget *const controls[] = {Cadre1, Cadre2, Cadre3, Délai, BtnIni, BtnQuitter};
    for (QWidget *control : controls)
        control->raise();
    // Inside the frames likewise.
    for (QGroupBox *frame : {Cadre1, Cadre2, Cadre3, Cadre4}) {
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<QLabel *>(child) && !qobject_cast<Picture *>(child))
                child->raise();
        }
    }
}

void Sobrimetre::setTabOrderOfFields()
{
    QWidget *const order[] = {Poids, CorpuN, CorpuF, OptionH, OptionF, CocheR,    NB_K,
                              NB_B,  NB_A,   NB_V,   NB_D,    NB_C,    VOL_K,     VOL_B,
                              VOL_A, VOL_V,  VOL_D,  VOL_C,   DEG_K,   DEG_B,     DEG_A,
                              DEG_V, DEG_D,  DEG_C,  Délai,   BtnIni,  BtnQuitter};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// The window first stands with its client area, below the menu bar, at 1095, 1755 twips
// from the screen's top left.
void Sobrimetre::placeOnScreen()
{
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint screenOrigin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    const QPoint clientOrigin = screenOrigin + QPoint(Twips::toPixels(1095), Twips::toPixels(1755));
    setGeometry(QRect(clientOrigin - centralWidget()->pos(), size()));
}

void Sobrimetre::connectEvents()
{
    // As in the desktop's own dialogs, Tab enters a group of options at its selected option;
    // the arrow keys move within the group.
    for (QRadioButton *option : {CorpuN, CorpuF, OptionH, OptionF}) {
        const auto keepTabStop = [option](bool selected) {
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        };
        keepTabStop(option->isChecked());
        connect(option, &QAbstractButton::toggled, option, keepTabStop);
        // Selected by a click or by the program, an option runs the estimate again.
        connect(option, &QAbstractButton::toggled, this, [this](bool selected) {
            if (selected)
                Recompute();
        });
    }
    connect(CocheR, &QAbstractButton::toggled, this, &Sobrimetre::CocheR_Click);

    connect(Poids, &QLineEdit::textChanged, this, &Sobrimetre::Poids_Change);
    for (const DrinkCategory category : onScreenOrder) {
        const DrinkColumn column = drinkColumn(category);
        connect(column.count, &QLineEdit::textChanged, this, &Sobrimetre::NB_Change);
        connect(column.volume, &QLineEdit::textChanged, this, &Sobrimetre::VOL_Change);
        connect(column.degree, &QLineEdit::textChanged, this, &Sobrimetre::DEG_Change);
        connect(column.button, &Picture::clicked, this,
                [this, category] { DrinkButton_Click(category); });
    }
    connect(Délai, &QLineEdit::textChanged, this, &Sobrimetre::Délai_Change);
    for (QLineEdit *box : textBoxes())
        box->installEventFilter(this);

    connect(BtnQuitter, &QPushButton::clicked, this, &Sobrimetre::Quitter_Click);
    connect(Quitter, &QAction::triggered, this, &Sobrimetre::Quitter_Click);
    connect(BtnIni, &QPushButton::clicked, this, &Sobrimetre::Ini_Click);
    connect(Ini, &QAction::triggered, this, &Sobrimetre::Ini_Click);
    connect(Rétablir, &QAction::triggered, this, &Sobrimetre::Rétablir_Click);
    connect(Sauve, &QAction::triggered, this, &Sobrimetre::Sauve_Click);
    connect(GraphImg, &Picture::clicked, this, &Sobrimetre::GraphMenu_Click);
    connect(GraphMenu, &QAction::triggered, this, &Sobrimetre::GraphMenu_Click);
    connect(MNotice, &QAction::triggered, this, &Sobrimetre::MNotice_Click);
    connect(Info, &QAction::triggered, this, &Sobrimetre::Info_Click);
}

Sobrimetre::DrinkColumn Sobrimetre::drinkColumn(DrinkCategory category) const
{
    switch (category) {
    case DrinkCategory::A:
        return {Apéritif, NB_A, VOL_A, DEG_A};
    case DrinkCategory::B:
        return {Bière, NB_B, VOL_B, DEG_B};
    case DrinkCategory::C:
        return {Champagne, NB_C, VOL_C, DEG_C};
    case DrinkCategory::D:
        return {Digestif, NB_D, VOL_D, DEG_D};
    case DrinkCategory::K:
        return {Cocktail, NB_K, VOL_K, DEG_K};
    case DrinkCategory::V:
        break;
    }
    return {Vin, NB_V, VOL_V, DEG_V};
}

QList<QLineEdit *> Sobrimetre::textBoxes() const
{
    QList<QLineEdit *> boxes{Poids};
    for (const DrinkCategory category : onScreenOrder) {
        const DrinkColumn column = drinkColumn(category);
        boxes << column.count << column.volume << column.degree;
    }
    boxes << Délai;
    return boxes;
}

// The text boxes' focus arrival: the whole text is selected, so that typing replaces it.
bool Sobrimetre::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && qobject_cast<QLineEdit *>(watched) != nullptr)
        SelectWholeText();
    return QMainWindow::eventFilter(watched, event);
}
