// Qt's own texts in French once the program has loaded Qt's translations, as it does at start,
// under an English locale too: the text boxes' context menu and the system's reason for a
// failed save.
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "program_texts.h"
#include "test_support.h"
#include "toolkit/translations.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

class TestFrench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void contextMenuOfATextBox();
    void reasonOfAFailedSave_data();
    void reasonOfAFailedSave();
};

void TestFrench::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    loadQtTranslations(*QCoreApplication::instance());
}

// What a right click on a text box opens.
void TestFrench::contextMenuOfATextBox()
{
    const TemporaryWorkingDirectory folder;
    Sobrimetre window;
    const std::unique_ptr<QMenu> menu(
            child<QLineEdit>(&window, u"Poids"_s)->createStandardContextMenu());
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            items << action->text().section(u'\t', 0, 0).remove(u'&');
    }
    QCOMPARE(items, (QStringList{u"Annuler"_s, u"Rétablir"_s, u"Couper"_s, u"Copier"_s, u"Coller"_s,
                                 u"Supprimer"_s, u"Tout sélectionner"_s}));
}

// Defaut.dat is a link that the save cannot follow to a file it could replace. Qt translates
// the first reason; the C library gives the others, in English without a French locale.
void TestFrench::reasonOfAFailedSave_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("into a folder that does not exist")
            << u"absent/Defaut.dat"_s << u"Aucun fichier ou dossier"_s;
    QTest::newRow("through a file as if it were a folder")
            << u"notes.txt/Defaut.dat"_s << u"N'est pas un dossier"_s;
    QTest::newRow("to itself") << u"Defaut.dat"_s << u"Trop de niveaux de liens symboliques"_s;
}

void TestFrench::reasonOfAFailedSave()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    const TemporaryWorkingDirectory folder;
    QFile notes(u"notes.txt"_s);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(target, u"Defaut.dat"_s));
    Sobrimetre window;
    window.show();
    const MessageBoxWatcher boxes;
    child<QAction>(&window, u"Sauve"_s)->trigger();
    QCOMPARE(boxes.texts(), QStringList{saveFailureText + u" : "_s + reason});
}

QTEST_MAIN(TestFrench)
#include "tst_french.moc"
