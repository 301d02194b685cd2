// What a screen reader can tell of the windows: a French name for every picture, button, text
// box and result, the current text and number of the results as they change, pictures to click
// that are push buttons, no nameless decoration, and the curve in words.
#include "curve/graph.h"
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "program_texts.h"
#include "test_support.h"
#include "toolkit/picture.h"
#include "windows/apropos.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(kind) : QString();
}

// Every picture, button and text box of the window has a name a screen reader can say.
void verifyEveryControlIsNamed(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (child->objectName().startsWith(u"qt_"_s)) // Qt's own parts, such as the menu bar's
            continue;
        if (qobject_cast<Picture *>(child) != nullptr
            || qobject_cast<QAbstractButton *>(child) != nullptr
            || qobject_cast<QLineEdit *>(child) != nullptr)
            controls.append(child);
    }
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        const QString name = accessibleText(control, QAccessible::Name).remove(u'&');
        QVERIFY2(name.trimmed().size() > 1, qPrintable(control->objectName()));
    }
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void namesOfMainWindowWidgets_data();
    void namesOfMainWindowWidgets();
    void everyControlIsNamed();
    void resultsExposeTheirText();
    void corpulenceOptionsInTheirFrame();
    void picturesToClickArePushButtons_data();
    void picturesToClickArePushButtons();
    void noNamelessItemsInTheTree();
    void curveInWords_data();
    void curveInWords();
    void otherWindowsNameTheirPictures();

private:
    TemporaryWorkingDirectory m_folder;
    std::unique_ptr<Sobrimetre> m_window;
};

void TestAccessibility::initTestCase()
{
    useFrenchLocale();
}

void TestAccessibility::init()
{
    m_window = std::make_unique<Sobrimetre>(nullptr, [] {
        return QDateTime(QDate(2026, 12, 9), QTime(20, 47));
    });
    m_window->show();
}

void TestAccessibility::cleanup()
{
    m_window.reset();
}

void TestAccessibility::namesOfMainWindowWidgets_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("name");
    QTest::newRow("wine button") << u"Vin"_s << u"Ajouter un verre de vin"_s;
    QTest::newRow("beer button") << u"Bière"_s << u"Ajouter un verre de bière"_s;
    QTest::newRow("green light") << u"FeuVert"_s << u"Feu vert"_s;
    QTest::newRow("red light") << u"FeuRouge"_s << u"Feu rouge"_s;
    QTest::newRow("level, with its text") << u"Alcoolémie"_s << u"Alcoolémie estimée : 0,00"_s;
    QTest::newRow("corpulence frame, apart from the subject's") << u"Cadre4"_s << u"Corpulence"_s;
    QTest::newRow("chart") << u"GraphImg"_s << u"Graphique de l'alcoolémie sur 24 heures"_s;
    QTest::newRow("weight box, by its caption") << u"Poids"_s << u"Poids en kg"_s;
    QTest::newRow("a count box") << u"NB_V"_s << u"Nombre de verres, vins"_s;
    QTest::newRow("a push button, by its caption") << u"BtnQuitter"_s << u"Quitter"_s;
}

void TestAccessibility::namesOfMainWindowWidgets()
{
    QFETCH(QString, widget);
    QFETCH(QString, name);
    QCOMPARE(accessibleText(child(m_window.get(), widget), QAccessible::Name).remove(u'&'), name);
}

void TestAccessibility::everyControlIsNamed()
{
    verifyEveryControlIsNamed(m_window.get());
}

void TestAccessibility::resultsExposeTheirText()
{
    auto *level = child<QLabel>(m_window.get(), u"Alcoolémie"_s);
    auto *note = child<QLabel>(m_window.get(), u"Note"_s);
    QCOMPARE(accessibleText(level, QAccessible::Description), u"0,00"_s);
    QCOMPARE(accessibleText(note, QAccessible::Description), note->text());

    child<QLineEdit>(m_window.get(), u"Poids"_s)->setText(u"70"_s);
    child<QLineEdit>(m_window.get(), u"NB_V"_s)->setText(u"3"_s);
    QCOMPARE(accessibleText(level, QAccessible::Name), u"Alcoolémie estimée : 0,65"_s);
    QCOMPARE(accessibleText(note, QAccessible::Name), u"Message : "_s + stopText);
    // The numbers are the results' values too.
    QCOMPARE(QAccessible::queryAccessibleInterface(level)->valueInterface()->currentValue(),
             QVariant(0.65));
    QCOMPARE(QAccessible::queryAccessibleInterface(child(m_window.get(), u"Attente"_s))
                     ->valueInterface()
                     ->currentValue(),
             QVariant(2.0));
    // The level and the wait are followed by what their tooltips tell.
    QCOMPARE(accessibleText(level, QAccessible::Description),
             u"0,65. Selon les personnes, entre 0,52 et 0,81 g/l. Soit environ 0,32 mg par litre "
             u"d'air expiré. Retour à 0,00 g/l dans environ 5 h, vers 2 h 15."_s);
    QCOMPARE(accessibleText(child(m_window.get(), u"Attente"_s), QAccessible::Description),
             u"2. Conduite possible vers 22 h 50 (seuil 0,5 g/l)"_s);
    QCOMPARE(accessibleText(note, QAccessible::Description), stopText);

    {
        const MessageBoxWatcher boxes;
        child<QAction>(m_window.get(), u"Rétablir"_s)->trigger();
    }
    QCOMPARE(accessibleText(level, QAccessible::Description), u"0,00"_s);
    QCOMPARE(accessibleText(level, QAccessible::Name), u"Alcoolémie estimée : 0,00"_s);
    QCOMPARE(accessibleText(note, QAccessible::Description), instructionText);
}

// The corpulence options are read out inside their own frame, not straight inside "Sujet".
void TestAccessibility::corpulenceOptionsInTheirFrame()
{
    for (const QString &option : {u"CorpuN"_s, u"CorpuF"_s}) {
        QAccessibleInterface *parent
                = QAccessible::queryAccessibleInterface(child(m_window.get(), option))->parent();
        QCOMPARE(parent->text(QAccessible::Name), u"Corpulence"_s);
        QCOMPARE(parent->parent()->text(QAccessible::Name), u"Sujet"_s);
    }
}

void TestAccessibility::picturesToClickArePushButtons_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("count");
    QTest::newRow("wine") << u"Vin"_s << u"NB_V"_s;
    QTest::newRow("cocktail") << u"Cocktail"_s << u"NB_K"_s;
}

// A press from the screen reader adds a glass as a click does; the pictures stay out of the Tab
// order.
void TestAccessibility::picturesToClickArePushButtons()
{
    QFETCH(QString, picture);
    QFETCH(QString, count);
    child<QLineEdit>(m_window.get(), u"Poids"_s)->setText(u"70"_s);
    auto *button = child<Picture>(m_window.get(), picture);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QVERIFY(accessible->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(child<QLineEdit>(m_window.get(), count)->text(), u"2"_s);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
}

// Every item a screen reader can reach says what it is: the ticks, the panels and the outlines
// are left out.
void TestAccessibility::noNamelessItemsInTheTree()
{
    QStringList nameless;
    const std::function<void(QAccessibleInterface *)> visit = [&](QAccessibleInterface *item) {
        if (item->state().invisible)
            return;
        const int children = item->childCount();
        if (children == 0 && item->text(QAccessible::Name).trimmed().isEmpty())
            nameless << item->object()->objectName();
        for (int i = 0; i < children; ++i)
            visit(item->child(i));
    };
    visit(QAccessible::queryAccessibleInterface(m_window.get()));
    QCOMPARE(nameless, QStringList());
    // The bar tells the level and stays.
    QVERIFY(!QAccessible::queryAccessibleInterface(child(m_window.get(), u"Colonne"_s))
                     ->state()
                     .invisible);
}

void TestAccessibility::curveInWords_data()
{
    QTest::addColumn<double>("peak");
    QTest::addColumn<QString>("description");
    QTest::newRow("0,74 g/l back to zero in the 7th hour")
            << 0.74
            << u"Pic à 0,74 g/l une heure après la dernière prise, retour à 0,00 g/l vers la 7e "
               u"heure"_s;
    QTest::newRow("0,06 g/l back to zero in the 1st hour")
            << 0.06
            << u"Pic à 0,06 g/l une heure après la dernière prise, retour à 0,00 g/l vers la 2e "
               u"heure"_s;
    QTest::newRow("nothing drunk") << 0.0 << u"Alcoolémie nulle : la courbe reste à 0,00 g/l"_s;
}

// The curve and the main window bear the same caption; the curve's description tells what it
// shows.
void TestAccessibility::curveInWords()
{
    QFETCH(double, peak);
    QFETCH(QString, description);
    Graph graph;
    graph.drawCurve(peak, peak / 0.12);
    QCOMPARE(QAccessible::queryAccessibleInterface(&graph)->text(QAccessible::Description),
             description);
}

void TestAccessibility::otherWindowsNameTheirPictures()
{
    Graph graph;
    verifyEveryControlIsNamed(&graph);
    QCOMPARE(accessibleText(child<Picture>(&graph, u"Impression"_s), QAccessible::Name),
             u"Imprimer la courbe"_s);

    HelpPage::showPage<Notice1>(m_window.get());
    QVERIFY(HelpPage::loaded<Notice1>() != nullptr);
    verifyEveryControlIsNamed(HelpPage::loaded<Notice1>());
    child<QAbstractButton>(HelpPage::loaded<Notice1>(), u"PageSuiv"_s)->click();
    QVERIFY(HelpPage::loaded<Notice2>() != nullptr);
    verifyEveryControlIsNamed(HelpPage::loaded<Notice2>());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
