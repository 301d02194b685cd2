// What a screen reader can tell of the windows: a French name for every picture, button, text
// box and result, and the current text of the results as they change.
#include "curve/graph.h"
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "test_support.h"
#include "toolkit/picture.h"
#include "windows/apropos.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

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
        if (child->objectName().startsWith(u"qt_")) // Qt's own parts, such as the menu bar's
            continue;
        if (qobject_cast<Picture *>(child) != nullptr
            || qobject_cast<QAbstractButton *>(child) != nullptr
            || qobject_cast<QLineEdit *>(child) != nullptr)
            controls.append(child);
    }
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        const QString name = accessibleText(control, QAccessible::Name).remove(QLatin1Char('&'));
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
    m_window = std::make_unique<Sobrimetre>();
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
    QTest::newRow("wine button") << "Vin"
                                 << "Ajouter un verre de vin";
    QTest::newRow("beer button") << "Bière"
                                 << "Ajouter un verre de bière";
    QTest::newRow("green light") << "FeuVert"
                                 << "Feu vert";
    QTest::newRow("red light") << "FeuRouge"
                               << "Feu rouge";
    QTest::newRow("level") << "Alcoolémie"
                           << "Alcoolémie estimée";
    QTest::newRow("chart") << "GraphImg"
                           << "Graphique de l'alcoolémie sur 24 heures";
    QTest::newRow("weight box, by its caption") << "Poids"
                                                << "Poids en kg";
    QTest::newRow("a count box") << "NB_V"
                                 << "Nombre de verres, vins";
    QTest::newRow("a push button, by its caption") << "BtnQuitter"
                                                   << "Quitter";
}

void TestAccessibility::namesOfMainWindowWidgets()
{
    QFETCH(QString, widget);
    QFETCH(QString, name);
    auto *target = m_window->findChild<QWidget *>(widget);
    QVERIFY(target != nullptr);
    QCOMPARE(accessibleText(target, QAccessible::Name).remove(QLatin1Char('&')), name);
}

void TestAccessibility::everyControlIsNamed()
{
    verifyEveryControlIsNamed(m_window.get());
}

void TestAccessibility::resultsExposeTheirText()
{
    QCOMPARE(accessibleText(m_window->Alcoolémie, QAccessible::Description), u"0,00");
    QCOMPARE(accessibleText(m_window->Note, QAccessible::Description), m_window->Note->text());

    m_window->Poids->setText(QStringLiteral("70"));
    m_window->NB_V->setText(QStringLiteral("3"));
    QCOMPARE(accessibleText(m_window->Alcoolémie, QAccessible::Name), u"Alcoolémie estimée");
    QCOMPARE(accessibleText(m_window->Alcoolémie, QAccessible::Description), u"0,65");
    QCOMPARE(accessibleText(m_window->Attente, QAccessible::Description), u"2");
    QVERIFY(accessibleText(m_window->Note, QAccessible::Description).startsWith(u"STOP !"));

    {
        const MessageBoxWatcher boxes;
        m_window->Rétablir->trigger();
    }
    QCOMPARE(accessibleText(m_window->Alcoolémie, QAccessible::Description), u"0,00");
    QVERIFY(accessibleText(m_window->Note, QAccessible::Description).startsWith(u"Indiquez"));
}

void TestAccessibility::otherWindowsNameTheirPictures()
{
    Graph graph;
    verifyEveryControlIsNamed(&graph);
    QCOMPARE(accessibleText(graph.findChild<Picture *>(QStringLiteral("Impression")),
                            QAccessible::Name),
             u"Imprimer la courbe");

    Notice1::showPage(m_window.get());
    QVERIFY(Notice1::loaded() != nullptr);
    verifyEveryControlIsNamed(Notice1::loaded());
    Notice1::loaded()->findChild<QAbstractButton *>(QStringLiteral("PageSuiv"))->click();
    QVERIFY(Notice2::loaded() != nullptr);
    verifyEveryControlIsNamed(Notice2::loaded());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
