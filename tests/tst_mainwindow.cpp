// The main window as it is created: its widgets, their look and place, the drawing order of
// the items that overlap, the tab order, the access keys, the menus and the tooltips.
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "program_texts.h"
#include "test_support.h"
#include "toolkit/appearance.h"
#include "toolkit/line.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Font
{
    Font() = default;
    Font(const QString &family_, double points_, bool bold_ = false, bool italic_ = false)
        : family(family_)
        , points(points_)
        , bold(bold_)
        , italic(italic_)
    { }

    QString family;
    double points = 0;
    bool bold = false;
    bool italic = false;
};

// What a widget of the window looks like at creation. An invalid text colour stands for the
// system's colour; an invalid background for a transparent widget.
struct Expected
{
    Expected() = default;
    Expected(const char *kind_, const QString &frame_, const QRectF &twips_, const QString &text_,
             const Font &font_ = {}, const QColor &textColor_ = {}, const QColor &background_ = {},
             bool visible_ = true, int maxLength_ = 0)
        : kind(kind_)
        , frame(frame_)
        , twips(twips_)
        , text(text_)
        , font(font_)
        , textColor(textColor_)
        , background(background_)
        , visible(visible_)
        , maxLength(maxLength_)
    { }

    const char *kind = nullptr; // the class the widget is, or inherits
    QString frame; // empty: directly on the window's client area
    QRectF twips;
    QString text; // caption, text, title, or the picture's file
    Font font;
    QColor textColor;
    QColor background;
    bool visible = true;
    int maxLength = 0;
};

const Font arialRegular{u"Arial"_s, 8.25};
const Font arialBold{u"Arial"_s, 8.25, true};
const Font arialLargeBold{u"Arial"_s, 9.75, true};
const Font arialHuge{u"Arial"_s, 13.5};
const Font arialButton{u"Arial"_s, 9};
const Font timesBold{u"Times New Roman"_s, 8.25, true};
const QColor lightYellow(255, 255, 224);
const QColor darkRed(128, 0, 0);
const QColor darkGreen(0, 128, 0);

// Start-up paints the frames and the option buttons in the program's panel colour.
const QColor panel(224, 231, 223);

QString picture(const QString &name)
{
    return u":/icons/"_s + name + u".svg"_s;
}

QString textOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (const auto *image = qobject_cast<const Picture *>(widget))
        return image->svgPath();
    return {};
}

QRectF twipsOf(const QRect &pixels)
{
    return {pixels.x() * 15.0, pixels.y() * 15.0, pixels.width() * 15.0, pixels.height() * 15.0};
}

// Within half a pixel: the twips of the design are not all whole pixels.
bool nearlyEqual(const QRectF &actual, const QRectF &expected)
{
    const QRectF difference(actual.topLeft() - expected.topLeft(), actual.size() - expected.size());
    return qAbs(difference.x()) <= 7.5 && qAbs(difference.y()) <= 7.5
           && qAbs(difference.width()) <= 7.5 && qAbs(difference.height()) <= 7.5;
}

// The widget in whose twips a widget stands: its parent, or the client area for the items of a
// layer that lies exactly over it, as the scale does.
const QWidget *groundOf(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    const QWidget *below = parent->parentWidget();
    return below != nullptr && parent->geometry() == below->rect() ? below : parent;
}

// Whether lower is painted before upper: siblings in the order of their parent's children, the
// items of a layer all where the layer stands among its siblings.
bool paintedBefore(const QWidget *lower, const QWidget *upper)
{
    const auto chainOf = [](const QWidget *widget) {
        QList<const QWidget *> chain;
        for (; widget != nullptr; widget = widget->parentWidget())
            chain.prepend(widget);
        return chain;
    };
    const QList<const QWidget *> lowerChain = chainOf(lower);
    const QList<const QWidget *> upperChain = chainOf(upper);
    qsizetype split = 0;
    while (split < lowerChain.size() && split < upperChain.size()
           && lowerChain[split] == upperChain[split])
        ++split;
    if (split == 0 || split == lowerChain.size() || split == upperChain.size())
        return false;
    const QObjectList &siblings = lowerChain[split - 1]->children();
    return siblings.indexOf(lowerChain[split]) < siblings.indexOf(upperChain[split]);
}

} // namespace

Q_DECLARE_METATYPE(Expected)

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void widgets_data();
    void widgets();
    void shapes_data();
    void shapes();
    void ticks_data();
    void ticks();
    void drawingOrder_data();
    void drawingOrder();
    void overlappingItemsInDrawingOrder();
    void levelBarPassesBetweenLightsAndTicks();
    void tabOrder_data();
    void tabOrder();
    void accessKeys_data();
    void accessKeys();
    void menus_data();
    void menus();
    void shortcutsRunTheirItems_data();
    void shortcutsRunTheirItems();
    void framesRunTheirEdgeThroughTheCaption_data();
    void framesRunTheirEdgeThroughTheCaption();
    void tooltips();
    void picturesToClickLookClickable_data();
    void picturesToClickLookClickable();
    void optionGroupsAreSeparate_data();
    void optionGroupsAreSeparate();
    void arrowsMoveWithinOneGroup_data();
    void arrowsMoveWithinOneGroup();
    void windowAtCreation();

private:
    void showActive();
    template<typename T = QWidget>
    T *widget(const QString &name) const
    {
        return child<T>(m_window.get(), name);
    }

    TemporaryWorkingDirectory m_folder;
    // With no weight typed, an option picked by a key asks for one: these tests of the window's
    // design close that warning.
    MessageBoxWatcher m_warnings;
    std::unique_ptr<Sobrimetre> m_window;
};

void TestMainWindow::initTestCase()
{
    useFrenchLocale();
}

void TestMainWindow::init()
{
    m_window = std::make_unique<Sobrimetre>();
}

void TestMainWindow::cleanup()
{
    m_window.reset();
}

void TestMainWindow::showActive()
{
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestMainWindow::widgets_data()
{
    QTest::addColumn<Expected>("expected");
    const auto row = [](const QString &name, const Expected &expected) {
        QTest::newRow(name.toUtf8().constData()) << expected;
    };
    const QString noText;
    const QColor systemColor;
    const QColor transparent;

    // clang-format off
    row(u"Cadre1"_s, {"QGroupBox", {}, {120, 200, 7095, 1200}, u"Sujet"_s, arialRegular,
                      systemColor, panel});
    row(u"Etiquette1"_s, {"QLabel", u"Cadre1"_s, {120, 480, 1455, 255}, u"&Poids (en kg) :"_s,
                          arialRegular});
    row(u"Poids"_s, {"QLineEdit", u"Cadre1"_s, {1440, 480, 735, 375}, noText, arialLargeBold,
                     Qt::black, transparent, true, 6});
    row(u"Cadre4"_s, {"QGroupBox", u"Cadre1"_s, {2400, 120, 1575, 975}, u"Corpulence"_s,
                      arialRegular, systemColor, panel});
    row(u"CorpuN"_s, {"QRadioButton", u"Cadre4"_s, {240, 320, 1095, 255}, u"Nor&male"_s,
                      arialRegular, systemColor, panel});
    row(u"CorpuF"_s, {"QRadioButton", u"Cadre4"_s, {240, 600, 1095, 315}, u"For&te"_s,
                      arialRegular, systemColor, panel});
    row(u"Homme"_s, {"Picture", u"Cadre1"_s, {4200, 360, 480, 480}, picture(u"homme"_s)});
    row(u"OptionH"_s, {"QRadioButton", u"Cadre1"_s, {4680, 480, 975, 255}, u"&Homme"_s,
                       arialRegular, systemColor, panel});
    row(u"Femme"_s, {"Picture", u"Cadre1"_s, {5640, 360, 480, 480}, picture(u"femme"_s)});
    row(u"OptionF"_s, {"QRadioButton", u"Cadre1"_s, {6120, 480, 855, 255}, u"&Femme"_s,
                       arialRegular, systemColor, panel});

    row(u"Cadre2"_s, {"QGroupBox", {}, {120, 1440, 7095, 2535}, u"Consommation"_s, arialRegular,
                      systemColor, panel});
    row(u"Repas"_s, {"Picture", u"Cadre2"_s, {240, 600, 480, 480}, picture(u"repas"_s)});
    row(u"CocheR"_s, {"QCheckBox", u"Cadre2"_s, {840, 600, 855, 495}, u"&Repas"_s, arialRegular,
                      systemColor, panel});
    row(u"Etiquette4"_s, {"QLabel", u"Cadre2"_s, {120, 1440, 1695, 255},
                          u"&Nombre de verres :"_s, arialRegular});
    row(u"Etiquette8"_s, {"QLabel", u"Cadre2"_s, {120, 1800, 2175, 255},
                          u"&Volume par verre (en cl) :"_s, arialRegular});
    row(u"Etiquette9"_s, {"QLabel", u"Cadre2"_s, {120, 2160, 2055, 255},
                          u"&Degré alcoolique  (°) :"_s, arialRegular});

    struct Column
    {
        QString letter, label;
        double labelLeft, labelWidth;
        QString caption, button;
        QRectF buttonTwips;
        QString icon;
        double boxLeft;
        QString volume, degree;
    };
    const Column columns[] = {
        {u"K"_s, u"Etiquette27"_s, 1800, 975, u"Cocktails, long drinks"_s, u"Cocktail"_s,
         {2150, 720, 480, 480}, u"cocktail"_s, 2040, u"12"_s, u"12"_s},
        {u"B"_s, u"Etiquette3"_s, 2880, 615, u"Bière, cidre"_s, u"Bière"_s,
         {2950, 720, 480, 480}, u"biere"_s, 2880, u"25"_s, u"5"_s},
        {u"A"_s, u"Etiquette5"_s, 3600, 855, u"Apéritifs, Whisky"_s, u"Apéritif"_s,
         {3760, 720, 480, 480}, u"aperitif"_s, 3720, u"4"_s, u"44"_s},
        {u"V"_s, u"Etiquette2"_s, 4560, 550, u"Vins"_s, u"Vin"_s,
         {4680, 720, 375, 495}, u"vin"_s, 4560, u"12"_s, u"11"_s},
        {u"D"_s, u"Etiquette6"_s, 5160, 855, u"Liqueurs, digestifs"_s, u"Digestif"_s,
         {5460, 720, 480, 480}, u"digestif"_s, 5400, u"4"_s, u"40"_s},
        {u"C"_s, u"Etiquette7"_s, 6045, 975, u"Champagne"_s, u"Champagne"_s,
         {6300, 720, 480, 480}, u"champagne"_s, 6240, u"12"_s, u"12"_s},
    };
    for (const Column &c : columns) {
        row(c.label, {"QLabel", u"Cadre2"_s, {c.labelLeft, 150, c.labelWidth, 465}, c.caption,
                      timesBold, darkRed, lightYellow});
        row(c.button, {"Picture", u"Cadre2"_s, c.buttonTwips, picture(c.icon)});
        row(u"NB_"_s + c.letter, {"QLineEdit", u"Cadre2"_s, {c.boxLeft, 1440, 615, 285}, noText,
                                  arialLargeBold, darkGreen, transparent, true, 3});
        row(u"VOL_"_s + c.letter, {"QLineEdit", u"Cadre2"_s, {c.boxLeft, 1800, 615, 285},
                                   c.volume, arialLargeBold, systemColor, transparent, true, 6});
        row(u"DEG_"_s + c.letter, {"QLineEdit", u"Cadre2"_s, {c.boxLeft, 2160, 615, 285},
                                   c.degree, arialLargeBold, systemColor, transparent, true, 6});
    }

    row(u"Etiquette11"_s, {"QLabel", {}, {120, 4080, 3495, 375},
                           u"ALCOOLÉMIE ESTIMÉE (en g/l) :"_s, arialLargeBold});
    row(u"Alcoolémie"_s, {"QLabel", {}, {3600, 4035, 855, 375}, u"0,00"_s, arialHuge, Qt::black,
                          QColor(128, 255, 128)});
    row(u"Etiquette12"_s, {"QLabel", {}, {4560, 4080, 735, 255}, u"&après"_s, arialLargeBold});
    row(u"Délai"_s, {"QLineEdit", {}, {5280, 4035, 495, 435}, u"1"_s, arialHuge, systemColor,
                     transparent, true, 2});
    row(u"Etiquette14"_s, {"QLabel", {}, {5880, 4080, 855, 255}, u"heure"_s, arialLargeBold});
    row(u"Note"_s, {"QLabel", {}, {240, 4680, 5055, 1050}, instructionText, arialRegular,
                    darkGreen, lightYellow});
    row(u"GraphImg"_s, {"Picture", {}, {6840, 4080, 375, 375}, picture(u"graphique"_s)});
    row(u"BtnIni"_s, {"QPushButton", {}, {7680, 4920, 1215, 375}, u"&Initialiser"_s,
                      arialButton});
    row(u"BtnQuitter"_s, {"QPushButton", {}, {7680, 5400, 1215, 375}, u"&Quitter"_s,
                          arialButton});

    row(u"Cadre3"_s, {"QGroupBox", {}, {5520, 4560, 1815, 1215}, u"Attendre encore..."_s,
                      arialBold, systemColor, panel});
    row(u"Horloge"_s, {"Picture", u"Cadre3"_s, {240, 360, 480, 480}, picture(u"horloge"_s)});
    row(u"Attente"_s, {"QLabel", u"Cadre3"_s, {960, 360, 615, 375}, u"0"_s, arialHuge,
                       systemColor, QColor(128, 255, 255)});
    row(u"Etiquette15"_s, {"QLabel", u"Cadre3"_s, {915, 840, 735, 255}, u"heure"_s, arialBold});

    const Font none;
    row(u"FeuRouge"_s, {"Picture", {}, {8070, 480, 480, 480}, picture(u"feu_rouge"_s), none,
                        systemColor, transparent, false});
    row(u"FeuJaune"_s, {"Picture", {}, {8070, 480, 480, 480}, picture(u"feu_jaune"_s), none,
                        systemColor, transparent, false});
    row(u"FeuVert"_s, {"Picture", {}, {8070, 480, 480, 480}, picture(u"feu_vert"_s)});
    row(u"Alerte1"_s, {"Picture", {}, {8040, 3480, 480, 480}, picture(u"alerte_derapage"_s),
                       none, systemColor, transparent, false});
    row(u"Alerte2"_s, {"Picture", {}, {8040, 2880, 480, 480}, picture(u"alerte_stop"_s),
                       none, systemColor, transparent, false});
    row(u"Alerte3"_s, {"Picture", {}, {8040, 2160, 480, 480}, picture(u"alerte_handicap"_s),
                       none, systemColor, transparent, false});
    // clang-format on

    // The scale's values, 0,10 at the bottom to 1,30 at the top, one every 240 twips.
    const int graduationLabels[] = {10, 13, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26};
    for (int k = 1; k <= 13; ++k) {
        const QString value = QLocale(QLocale::French).toString(k / 10.0, 'f', 2);
        const QColor color = value == u"0,50"_s ? QColor(255, 0, 0) : systemColor;
        row(u"Etiquette"_s + QString::number(graduationLabels[k - 1]),
            {"QLabel", {}, {8520, 4200 - 240.0 * (k - 1), 375, 255}, value, arialBold, color});
    }
}

void TestMainWindow::widgets()
{
    QFETCH(Expected, expected);
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    const QWidget *w = widget(name);
    QVERIFY2(w->inherits(expected.kind), w->metaObject()->className());

    const QWidget *parent = expected.frame.isEmpty() ? m_window->centralWidget()
                                                     : widget(expected.frame);
    QCOMPARE(groundOf(w), parent);
    const QRectF twips = twipsOf(w->geometry());
    QVERIFY2(nearlyEqual(twips, expected.twips), qPrintable(u"%1,%2 %3x%4"_s.arg(twips.x())
                                                                    .arg(twips.y())
                                                                    .arg(twips.width())
                                                                    .arg(twips.height())));
    QCOMPARE(textOf(w), expected.text);

    if (!expected.font.family.isEmpty()) {
        QCOMPARE(w->font().family(), expected.font.family);
        QCOMPARE(w->font().pointSizeF(), expected.font.points);
        QCOMPARE(w->font().bold(), expected.font.bold);
        QCOMPARE(w->font().italic(), expected.font.italic);
        const QColor systemText = QApplication::palette().color(w->foregroundRole());
        QCOMPARE(textColor(w), expected.textColor.isValid() ? expected.textColor : systemText);
    }
    QCOMPARE(w->autoFillBackground(), expected.background.isValid());
    if (expected.background.isValid())
        QCOMPARE(backgroundColor(w), expected.background);
    QCOMPARE(w->isVisibleTo(m_window.get()), expected.visible);
    if (const auto *box = qobject_cast<const QLineEdit *>(w))
        QCOMPARE(box->maxLength(), expected.maxLength);
}

void TestMainWindow::shapes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<int>("borderWidth");

    const QColor olive(192, 192, 0);
    QTest::newRow("panel behind the message")
            << u"Forme1"_s << QRectF(120, 4560, 5295, 1215) << lightYellow << olive << 1;
    QTest::newRow("panel of the scale")
            << u"Forme2"_s << QRectF(7605, 240, 1350, 4280) << lightYellow << olive << 3;
    QTest::newRow("outline of the scale")
            << u"Shape1"_s << QRectF(7440, 120, 1695, 4530) << QColor()
            << QApplication::palette().color(QPalette::Shadow) << 1;
    QTest::newRow("level bar at rest, 15 twips high on 4500")
            << u"Colonne"_s << QRectF(7650, 4500, 1280, 15) << QColor(0, 255, 0) << QColor() << 0;
}

void TestMainWindow::shapes()
{
    QFETCH(QString, name);
    QFETCH(QRectF, twips);
    QFETCH(QColor, fill);
    QFETCH(QColor, border);
    QFETCH(int, borderWidth);

    const auto *shape = widget<Shape>(name);
    QCOMPARE(groundOf(shape), m_window->centralWidget());
    // Read back exactly as set, with no pixel rounding.
    QCOMPARE(shape->left(), float(twips.left()));
    QCOMPARE(shape->top(), float(twips.top()));
    QCOMPARE(shape->twipsWidth(), float(twips.width()));
    QCOMPARE(shape->twipsHeight(), float(twips.height()));
    QCOMPARE(shape->fillColor(), fill);
    QCOMPARE(shape->strokeWidth(), borderWidth);
    if (borderWidth > 0)
        QCOMPARE(shape->strokeColor(), border);
    QVERIFY(shape->isVisibleTo(m_window.get()));
}

void TestMainWindow::ticks_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("width");

    // Black on the light-yellow panel where the design gives the window's text colour.
    const QColor black(Qt::black);
    const QColor orange(255, 128, 0);
    const QColor red(255, 0, 0);
    QTest::newRow("0,10 in black") << 1 << black << 1;
    QTest::newRow("0,20 in black") << 2 << black << 1;
    QTest::newRow("0,30 orange") << 3 << orange << 1;
    QTest::newRow("0,40 orange") << 4 << orange << 1;
    QTest::newRow("0,50 the legal limit, red and thick") << 5 << red << 2;
    QTest::newRow("0,60 red") << 6 << red << 1;
    QTest::newRow("0,70 red") << 7 << red << 1;
    QTest::newRow("0,80 black and thick") << 8 << QColor(Qt::black) << 2;
    QTest::newRow("0,90 red") << 9 << red << 1;
    QTest::newRow("1,00 red") << 10 << red << 1;
    QTest::newRow("1,10 red") << 11 << red << 1;
    QTest::newRow("1,20 red") << 12 << red << 1;
    QTest::newRow("1,30 red") << 13 << red << 1;
}

void TestMainWindow::ticks()
{
    QFETCH(int, number);
    QFETCH(QColor, color);
    QFETCH(int, width);

    const auto *tick = widget<Line>(u"Ligne"_s + QString::number(number));
    QCOMPARE(groundOf(tick), m_window->centralWidget());
    const float y = float(4560 - 240 * number);
    QCOMPARE(tick->x1(), 7620.0f);
    QCOMPARE(tick->x2(), 8000.0f);
    QCOMPARE(tick->y1(), y);
    QCOMPARE(tick->y2(), y);
    QCOMPARE(tick->strokeColor(), color);
    QCOMPARE(tick->strokeWidth(), width);
}

void TestMainWindow::drawingOrder_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");

    // The controls lie above every windowless item they overlap.
    QTest::newRow("Délai over the caption before it") << u"Etiquette12"_s << u"Délai"_s;
    QTest::newRow("Poids over its caption") << u"Etiquette1"_s << u"Poids"_s;
    QTest::newRow("OptionH over the woman") << u"Femme"_s << u"OptionH"_s;
    QTest::newRow("VOL_K over its row caption") << u"Etiquette8"_s << u"VOL_K"_s;
    QTest::newRow("frame Cadre3 over the panel") << u"Shape1"_s << u"Cadre3"_s;
    QTest::newRow("buttons over the scale") << u"Shape1"_s << u"BtnIni"_s;
}

void TestMainWindow::drawingOrder()
{
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QVERIFY(paintedBefore(widget(lower), widget(upper)));
}

// Where two windowless items overlap, they are drawn in the design's order, bottom to top.
void TestMainWindow::overlappingItemsInDrawingOrder()
{
    const QStringList windowless{u"Forme1"_s,      u"Forme2"_s,      u"FeuVert"_s,
                                 u"Etiquette14"_s, u"Alcoolémie"_s,  u"Etiquette12"_s,
                                 u"Etiquette11"_s, u"Note"_s,        u"FeuJaune"_s,
                                 u"Colonne"_s,     u"FeuRouge"_s,    u"Ligne1"_s,
                                 u"Ligne2"_s,      u"Ligne3"_s,      u"Ligne4"_s,
                                 u"Ligne5"_s,      u"Ligne6"_s,      u"Ligne7"_s,
                                 u"Ligne8"_s,      u"Ligne9"_s,      u"Ligne10"_s,
                                 u"Ligne11"_s,     u"Ligne12"_s,     u"Ligne13"_s,
                                 u"Alerte1"_s,     u"Alerte2"_s,     u"Etiquette10"_s,
                                 u"Etiquette13"_s, u"Etiquette16"_s, u"Etiquette17"_s,
                                 u"Etiquette18"_s, u"Etiquette19"_s, u"Etiquette20"_s,
                                 u"Etiquette21"_s, u"Etiquette22"_s, u"Etiquette23"_s,
                                 u"Etiquette24"_s, u"Etiquette25"_s, u"Etiquette26"_s,
                                 u"Alerte3"_s,     u"Shape1"_s};
    // The bar grown to the top of the scale, as a high level leaves it, overlaps all it can.
    widget<Shape>(u"Colonne"_s)->setTwipsGeometry({7650, 270, 1280, 4230});
    const QWidget *client = m_window->centralWidget();
    const auto area = [client](const QWidget *item) {
        return QRect(item->mapTo(client, QPoint()), item->size());
    };
    int overlaps = 0;
    for (qsizetype i = 0; i < windowless.size(); ++i) {
        for (qsizetype j = i + 1; j < windowless.size(); ++j) {
            const QWidget *lower = widget(windowless[i]);
            const QWidget *upper = widget(windowless[j]);
            if (!area(lower).intersects(area(upper)))
                continue;
            ++overlaps;
            QVERIFY2(paintedBefore(lower, upper),
                     qPrintable(windowless[i] + u" under "_s + windowless[j]));
        }
    }
    // The grown bar alone overlaps the panel, the outline, the lights, the ticks and their values.
    QVERIFY(overlaps > 20);
}

void TestMainWindow::levelBarPassesBetweenLightsAndTicks()
{
    // The bar grown to the top of the scale, as a high level leaves it.
    widget<Shape>(u"Colonne"_s)->setTwipsGeometry({7650, 270, 1280, 4230});
    const QImage image = m_window->centralWidget()->grab().toImage();
    const auto pixelAt = [&image](int xTwips, int yTwips) {
        return image.pixelColor(xTwips / 15, yTwips / 15);
    };
    const QColor barGreen(0, 255, 0);
    QCOMPARE(pixelAt(7800, 3000), barGreen);
    QCOMPARE(pixelAt(8310, 720), barGreen); // the green light is covered
    QCOMPARE(pixelAt(7800, 4560 - 240 * 5), QColor(255, 0, 0)); // the 0,50 tick
    QCOMPARE(pixelAt(7800, 4560 - 240 * 8), QColor(Qt::black)); // the 0,80 tick

    widget(u"FeuRouge"_s)->show();
    QVERIFY(m_window->centralWidget()->grab().toImage().pixelColor(8310 / 15, 720 / 15)
            != barGreen);
    widget(u"FeuRouge"_s)->hide();
    widget(u"FeuJaune"_s)->show();
    QCOMPARE(m_window->centralWidget()->grab().toImage().pixelColor(8310 / 15, 720 / 15), barGreen);
}

void TestMainWindow::tabOrder_data()
{
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("corpulence");

    QTest::newRow("man, normal build") << u"OptionH"_s << u"CorpuN"_s;
    QTest::newRow("woman, strong build") << u"OptionF"_s << u"CorpuF"_s;
}

void TestMainWindow::tabOrder()
{
    QFETCH(QString, sex);
    QFETCH(QString, corpulence);

    const QStringList chain{u"Poids"_s,  u"CorpuN"_s,    u"CorpuF"_s, u"OptionH"_s, u"OptionF"_s,
                            u"CocheR"_s, u"NB_K"_s,      u"NB_B"_s,   u"NB_A"_s,    u"NB_V"_s,
                            u"NB_D"_s,   u"NB_C"_s,      u"VOL_K"_s,  u"VOL_B"_s,   u"VOL_A"_s,
                            u"VOL_V"_s,  u"VOL_D"_s,     u"VOL_C"_s,  u"DEG_K"_s,   u"DEG_B"_s,
                            u"DEG_A"_s,  u"DEG_V"_s,     u"DEG_D"_s,  u"DEG_C"_s,   u"Délai"_s,
                            u"BtnIni"_s, u"BtnQuitter"_s};
    QStringList focusable;
    for (QWidget *w = widget(u"Poids"_s); focusable.size() <= chain.size();
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(m_window.get()))
            focusable.append(w->objectName());
        if (w->nextInFocusChain() == widget(u"Poids"_s))
            break;
    }
    QCOMPARE(focusable, chain);

    // Tab enters each group of options at its selected option, and comes back to Poids.
    widget<QAbstractButton>(sex)->setChecked(true);
    widget<QAbstractButton>(corpulence)->setChecked(true);
    QStringList expected = chain;
    expected.removeIf([&](const QString &name) {
        return (name.startsWith(u"Option"_s) && name != sex)
               || (name.startsWith(u"Corpu"_s) && name != corpulence);
    });
    expected.append(u"Poids"_s);
    showActive();
    QCOMPARE(QApplication::focusWidget(), widget(u"Poids"_s));
    QStringList visited{u"Poids"_s};
    while (visited.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::accessKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("takesFocus");

    QTest::newRow("Alt+P goes to the weight") << Qt::Key_P << u"Poids"_s << true;
    QTest::newRow("Alt+A goes to the delay") << Qt::Key_A << u"Délai"_s << true;
    QTest::newRow("Alt+N goes to the cocktails' count") << Qt::Key_N << u"NB_K"_s << true;
    QTest::newRow("Alt+V goes to the cocktails' volume") << Qt::Key_V << u"VOL_K"_s << true;
    QTest::newRow("Alt+D goes to the cocktails' degree") << Qt::Key_D << u"DEG_K"_s << true;
    QTest::newRow("Alt+T picks strong build") << Qt::Key_T << u"CorpuF"_s << true;
    QTest::newRow("Alt+M picks normal build") << Qt::Key_M << u"CorpuN"_s << true;
    QTest::newRow("Alt+F picks woman") << Qt::Key_F << u"OptionF"_s << true;
    QTest::newRow("Alt+H picks man") << Qt::Key_H << u"OptionH"_s << true;
    QTest::newRow("Alt+R ticks the meal") << Qt::Key_R << u"CocheR"_s << true;
    QTest::newRow("Alt+I presses the button") << Qt::Key_I << u"BtnIni"_s << false;
}

void TestMainWindow::accessKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, target);
    QFETCH(bool, takesFocus);

    showActive();
    // Start away from the target, so that the key must move the focus.
    widget(target == u"Poids"_s ? u"DEG_C"_s : u"Poids"_s)->setFocus();
    const QWidget *before = QApplication::focusWidget();
    auto *button = qobject_cast<QAbstractButton *>(widget(target));
    std::unique_ptr<QSignalSpy> clicked;
    if (button != nullptr)
        clicked = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);

    QTest::keyClick(m_window.get(), key, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), takesFocus ? widget(target) : before);
    if (button != nullptr) {
        QTRY_COMPARE(clicked->count(), 1);
        QCOMPARE(button->isChecked(), button->isCheckable());
    }
}

void TestMainWindow::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QKeySequence>>("shortcuts");

    QTest::newRow("Options")
            << u"Options"_s << u"&Options"_s
            << QStringList{u"Ini"_s,           u"GraphMenu"_s,       u"Sauve"_s,
                           u"Rétablir"_s,      u"SeuilProbatoire"_s, u"EstimationPrudente"_s,
                           u"JournalSoiree"_s, u"Quitter"_s}
            << QStringList{u"&Initialiser"_s,
                           u"&Graphique"_s,
                           u"&Sauvegarder"_s,
                           u"&Rétablir"_s,
                           u"Seuil de 0,2 g/l (permis &probatoire, transport en "
                           u"commun)"_s,
                           u"&Estimation prudente (écarts entre personnes)"_s,
                           u"&Journal de la soirée (heure de chaque verre)"_s,
                           u"&Quitter"_s}
            << QList<QKeySequence>{QKeySequence(Qt::Key_F2),
                                   QKeySequence(u"Ctrl+G"_s),
                                   QKeySequence(u"Ctrl+S"_s),
                                   QKeySequence(u"Ctrl+R"_s),
                                   QKeySequence(),
                                   QKeySequence(),
                                   QKeySequence(),
                                   QKeySequence(u"Ctrl+Q"_s)};
    QTest::newRow("help, without a shortcut for About")
            << u"Aide"_s << u"&?"_s << QStringList{u"MNotice"_s, u"Info"_s}
            << QStringList{u"&Notice"_s, u"&A propos..."_s}
            << QList<QKeySequence>{QKeySequence(Qt::Key_F1), QKeySequence()};
}

void TestMainWindow::menus()
{
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    QFETCH(QStringList, texts);
    QFETCH(QList<QKeySequence>, shortcuts);

    const auto *bar = m_window->menuBar();
    const auto *found = child<QMenu>(bar, menu);
    QVERIFY(bar->actions().contains(found->menuAction()));
    QCOMPARE(found->title(), title);
    const QList<QAction *> actions = found->actions();
    QCOMPARE(actions.size(), items.size());
    for (qsizetype i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), items[i]);
        QCOMPARE(actions[i]->text(), texts[i]);
        QCOMPARE(actions[i]->shortcut(), shortcuts[i]);
    }
}

void TestMainWindow::shortcutsRunTheirItems_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("keys");

    QTest::newRow("F2 reloads the defaults") << u"Ini"_s << QKeySequence(Qt::Key_F2);
    QTest::newRow("Ctrl+G opens the curve") << u"GraphMenu"_s << QKeySequence(u"Ctrl+G"_s);
    QTest::newRow("Ctrl+S saves") << u"Sauve"_s << QKeySequence(u"Ctrl+S"_s);
    QTest::newRow("Ctrl+R restores") << u"Rétablir"_s << QKeySequence(u"Ctrl+R"_s);
    QTest::newRow("F1 opens the help") << u"MNotice"_s << QKeySequence(Qt::Key_F1);
}

void TestMainWindow::shortcutsRunTheirItems()
{
    QFETCH(QString, item);
    QFETCH(QKeySequence, keys);

    showActive();
    QSignalSpy triggered(widget<QAction>(item), &QAction::triggered);
    // Typed while the user is in a field.
    QTest::keySequence(widget(u"VOL_B"_s), keys);
    QCOMPARE(triggered.count(), 1);
}

void TestMainWindow::framesRunTheirEdgeThroughTheCaption_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("firstInside");

    QTest::newRow("drinks' names stand inside their frame") << u"Cadre2"_s << u"Etiquette27"_s;
    QTest::newRow("corpulence frame stands inside the subject's") << u"Cadre1"_s << u"Cadre4"_s;
}

void TestMainWindow::framesRunTheirEdgeThroughTheCaption()
{
    QFETCH(QString, frame);
    QFETCH(QString, firstInside);

    QWidget *box = widget(frame);
    const QImage image = box->grab().toImage();
    const QColor edge = box->palette().color(QPalette::Dark);
    const int edgeY = QFontMetrics(box->font()).height() / 2;
    // The edge runs right of the caption at the caption's middle, above the widgets that the
    // design places just below the frame's top.
    QCOMPARE(image.pixel(box->width() - 10, edgeY), edge.rgb());
    QVERIFY(edgeY < widget(firstInside)->y());
    QVERIFY(image.pixel(box->width() - 10, edgeY + 2) != edge.rgb());
}

void TestMainWindow::tooltips()
{
    const QStringList drinks{u"Cocktail"_s, u"Bière"_s,    u"Apéritif"_s,
                             u"Vin"_s,      u"Digestif"_s, u"Champagne"_s};
    int drinksWithTip = 0;
    for (const QWidget *w : m_window->findChildren<QWidget *>()) {
        if (drinks.contains(w->objectName())) {
            QCOMPARE(w->toolTip(), u"Cliquer pour ajouter un verre"_s);
            ++drinksWithTip;
        } else if (w->objectName() == u"GraphImg"_s) {
            QCOMPARE(w->toolTip(), u"Graphique"_s);
        } else {
            QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
        }
    }
    QCOMPARE(drinksWithTip, drinks.size());
}

void TestMainWindow::picturesToClickLookClickable_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("clickable");
    QTest::newRow("a drink") << u"Vin"_s << true;
    QTest::newRow("the chart") << u"GraphImg"_s << true;
    QTest::newRow("the man beside his option, a decoration") << u"Homme"_s << false;
}

// The pointing hand under the mouse, and the picture pressed in while the button is down.
void TestMainWindow::picturesToClickLookClickable()
{
    QFETCH(QString, picture);
    QFETCH(bool, clickable);
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    auto *shown = widget<Picture>(picture);
    QCOMPARE(shown->cursor().shape(), clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);

    const QImage atRest = shown->grab().toImage();
    QTest::mousePress(shown, Qt::LeftButton);
    const QImage pressed = shown->grab().toImage();
    const MessageBoxWatcher curve;
    QTest::mouseRelease(shown, Qt::LeftButton);
    QCOMPARE(pressed != atRest, clickable);
    QCOMPARE(shown->grab().toImage(), atRest);
}

void TestMainWindow::optionGroupsAreSeparate_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("unchecked");

    QTest::newRow("woman clears man, keeps the build")
            << u"OptionF"_s << QStringList{u"OptionF"_s, u"CorpuN"_s}
            << QStringList{u"OptionH"_s, u"CorpuF"_s};
    QTest::newRow("strong build clears normal, keeps the sex")
            << u"CorpuF"_s << QStringList{u"CorpuF"_s, u"OptionH"_s}
            << QStringList{u"CorpuN"_s, u"OptionF"_s};
    QTest::newRow("meal box leaves both groups")
            << u"CocheR"_s << QStringList{u"CocheR"_s, u"OptionH"_s, u"CorpuN"_s}
            << QStringList{u"OptionF"_s, u"CorpuF"_s};
}

void TestMainWindow::optionGroupsAreSeparate()
{
    QFETCH(QString, clicked);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, unchecked);

    showActive();
    QTest::mouseClick(widget(clicked), Qt::LeftButton);
    for (const QString &name : checked)
        QVERIFY2(widget<QAbstractButton>(name)->isChecked(), qPrintable(name));
    for (const QString &name : unchecked)
        QVERIFY2(!widget<QAbstractButton>(name)->isChecked(), qPrintable(name));
}

void TestMainWindow::arrowsMoveWithinOneGroup_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("otherGroupSelection");

    QTest::newRow("right from man to woman")
            << u"OptionH"_s << Qt::Key_Right << u"OptionF"_s << u"CorpuN"_s;
    QTest::newRow("down from normal to strong build")
            << u"CorpuN"_s << Qt::Key_Down << u"CorpuF"_s << u"OptionH"_s;
}

void TestMainWindow::arrowsMoveWithinOneGroup()
{
    QFETCH(QString, from);
    QFETCH(Qt::Key, key);
    QFETCH(QString, to);
    QFETCH(QString, otherGroupSelection);

    // With a weight, the new selection recomputes without asking for one (which would take
    // the focus to Poids).
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    showActive();
    widget(from)->setFocus();
    QTest::keyClick(widget(from), key);
    QCOMPARE(QApplication::focusWidget(), widget(to));
    QVERIFY(widget<QAbstractButton>(to)->isChecked());
    QVERIFY(!widget<QAbstractButton>(from)->isChecked());
    QVERIFY(widget<QAbstractButton>(otherGroupSelection)->isChecked());
    // The tab stop follows the selection.
    QCOMPARE(widget(to)->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
    QCOMPARE(widget(from)->focusPolicy() & Qt::TabFocus, 0);
}

void TestMainWindow::windowAtCreation()
{
    Sobrimetre &window = *m_window;
    QCOMPARE(readyOf(&window), qint16(1));
    QCOMPARE(window.objectName(), u"Sobrimetre"_s);
    QCOMPARE(window.windowTitle(), u"Sobrimetre"_s);
    QVERIFY(!window.windowIcon().isNull());
    const auto checked = [this](const QString &name) {
        return widget<QAbstractButton>(name)->isChecked();
    };
    QVERIFY(checked(u"OptionH"_s) && !checked(u"OptionF"_s));
    QVERIFY(checked(u"CorpuN"_s) && !checked(u"CorpuF"_s));
    QVERIFY(!checked(u"CocheR"_s));
    const auto *bar = widget<Shape>(u"Colonne"_s);
    QCOMPARE(bar->top(), 4500.0f);
    QCOMPARE(bar->twipsHeight(), 15.0f);

    // The widgets' default font, for those that set none.
    QCOMPARE(window.centralWidget()->font().family(), u"Arial"_s);
    QCOMPARE(window.centralWidget()->font().pointSizeF(), 8.25);
    QVERIFY(window.centralWidget()->font().bold());

    showActive();
    // A client area of 9255 by 5955 twips below the menu bar, at 1095, 1755 on the screen,
    // in a window that cannot be resized.
    const QWidget *client = window.centralWidget();
    QCOMPARE(client->size(), QSize(617, 397));
    QVERIFY(client->y() >= window.menuBar()->geometry().bottom());
    const QPoint screenOrigin = window.screen()->geometry().topLeft();
    QCOMPARE(client->mapToGlobal(QPoint(0, 0)) - screenOrigin, QPoint(73, 117));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.size(), window.minimumSize());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
