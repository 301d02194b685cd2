// The main window while the evening's journal is kept, driven as a user drives it, with the clock
// set by the test in Paris's time zone: the worked evenings, the bytes of both files, lines that
// cannot be read and kept, the window given back when the journal is left, the verdict that
// follows the minutes, and a journal that cannot be read giving no verdict.
#include "file_support.h"
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "program_texts.h"
#include "test_support.h"
#include "toolkit/picture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <time.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray header = "heure;boisson;volume_cl;degre\n";

// 2026-12-09 in Paris, an hour ahead of UTC; minutes past 24 h fall on the next day.
QDateTime parisTime(int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, 12, 9), QTime(0, 0)).addSecs(hour * 3600 + minute * 60 + second);
}

// Glasses of wine of 12 cl at 11 degrees, one a line.
QByteArray wines(const QStringList &times)
{
    QByteArray bytes = header;
    for (const QString &time : times)
        bytes += "2026-12-09 " + time.toLatin1() + "+01:00;V;12;11\n";
    return bytes;
}

} // namespace

class TestEveningJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void workedEvenings_data();
    void workedEvenings();
    void glassesAndOptionInTheirFiles();
    void unreadableLinesAreKept();
    void leavingGivesBackTheTypedWindow();
    void theVerdictFollowsTheClock_data();
    void theVerdictFollowsTheClock();
    void unreadableJournalGivesNoVerdict();
    void glassesChangedInTheJournalsWindow();

private:
    template<typename T = QWidget>
    T *widget(const QString &name) const
    {
        return child<T>(m_window.get(), name);
    }
    QString text(const QString &name) const { return widget<QLabel>(name)->text(); }
    void openWindow();
    void keepJournal(bool on);

    TemporaryWorkingDirectory m_folder;
    QDateTime m_now;
    std::unique_ptr<MessageBoxWatcher> m_watcher;
    std::unique_ptr<Sobrimetre> m_window;
};

void TestEveningJournal::initTestCase()
{
    useFrenchLocale();
    qputenv("TZ", "Europe/Paris");
    tzset();
}

void TestEveningJournal::init()
{
    for (const QString &name : QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        QVERIFY(QFile::remove(name) || QDir(name).removeRecursively());
    m_now = parisTime(23, 0);
    m_watcher = std::make_unique<MessageBoxWatcher>();
}

void TestEveningJournal::cleanup()
{
    m_window.reset();
    m_watcher.reset();
}

void TestEveningJournal::openWindow()
{
    m_window = std::make_unique<Sobrimetre>(nullptr, [this] { return m_now; });
    m_window->show();
}

// As the user does from the Options menu, a man of 70 kg being typed first.
void TestEveningJournal::keepJournal(bool on)
{
    auto *option = widget<QAction>(u"JournalSoiree"_s);
    if (option->isChecked() != on)
        option->trigger();
}

void TestEveningJournal::workedEvenings_data()
{
    QTest::addColumn<QStringList>("glasses"); // clock times on 9 December, 24:00 and on the 10th
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("meal");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("wait");
    QTest::addColumn<QString>("light");
    QTest::addColumn<QString>("counts"); // of wines, and Délai
    QTest::addColumn<QString>("prudent"); // level and wait

    // Each wine is 10.56 g: 0,2155 g/l for a man of 70 kg (0,2694 high, 0,1724 low). Elimination
    // starts an hour after the first glass of the bout. 20, 21, 22 h at 23 h: 0,2155 x 3 - 0,12
    // x 2 = 0,41; high 0,2694 x 3 - 0,10 x 2 = 0,61, wait (0,61 - 0,5) / 0,1 = 1,08 h shown 2.
    QTest::newRow("three glasses an hour apart")
            << QStringList{u"20:00"_s, u"21:00"_s, u"22:00"_s} << parisTime(23, 0) << false
            << u"0,41"_s << u"0"_s << u"FeuJaune"_s << u"3 1"_s << u"0,61 2"_s;
    // Two at 23:30, at 1:00: 0,2155 x 2 - 0,12 x 0,5 = 0,37; high 0,5388 - 0,05 = 0,49.
    QTest::newRow("two glasses, the next day")
            << QStringList{u"23:30"_s, u"23:30"_s} << parisTime(25, 0) << false << u"0,37"_s
            << u"0"_s << u"FeuJaune"_s << u"2 1"_s << u"0,49 0"_s;
    // Three at 22 h, an hour later: as one moment with a delay of 1, 0,65 and 2 hours.
    QTest::newRow("three at once, an hour after")
            << QStringList{u"22:00"_s, u"22:00"_s, u"22:00"_s} << parisTime(23, 0) << false
            << u"0,65"_s << u"2"_s << u"FeuRouge"_s << u"3 1"_s << u"0,81 4"_s;
    // With a meal each peak is divided by 1,5: 0,1437 x 3 - 0,24 = 0,19; high by 1,2.
    QTest::newRow("three glasses an hour apart, with a meal")
            << QStringList{u"20:00"_s, u"21:00"_s, u"22:00"_s} << parisTime(23, 0) << true
            << u"0,19"_s << u"0"_s << u"FeuVert"_s << u"3 1"_s << u"0,47 0"_s;
    // 18 h's glass is gone by 23 h (high 0,2694 at 0,10 an hour from 19 h): a new bout.
    QTest::newRow("a glass long gone, then another")
            << QStringList{u"18:00"_s, u"23:00"_s} << parisTime(23, 30) << false << u"0,22"_s
            << u"0"_s << u"FeuVert"_s << u"1 0"_s << u"0,27 0"_s;
}

void TestEveningJournal::workedEvenings()
{
    QFETCH(QStringList, glasses);
    QFETCH(QDateTime, now);
    QFETCH(bool, meal);
    QFETCH(QString, level);
    QFETCH(QString, wait);
    QFETCH(QString, light);
    QFETCH(QString, counts);
    QFETCH(QString, prudent);

    writeFile(u"Soiree.csv"_s, wines(glasses));
    m_now = now;
    openWindow();
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    widget<QCheckBox>(u"CocheR"_s)->setChecked(meal);
    keepJournal(true);

    QCOMPARE(text(u"Alcoolémie"_s), level);
    QCOMPARE(text(u"Attente"_s), wait);
    QVERIFY(widget(light)->isVisible());
    QCOMPARE(widget<QLineEdit>(u"NB_V"_s)->text() + u' ' + widget<QLineEdit>(u"Délai"_s)->text(),
             counts);
    QVERIFY(widget<QLineEdit>(u"NB_V"_s)->isReadOnly());
    // 0,6465 g/l falls to 0,5 in 1,22 h at 0,12 an hour: from 23 h, at 0 h 13, shown at 0 h 15.
    if (wait == u"2"_s)
        QCOMPARE(widget<QLabel>(u"Attente"_s)->toolTip(),
                 u"Conduite possible demain vers 0 h 15 (seuil 0,5 g/l)"_s);
    widget<QAction>(u"EstimationPrudente"_s)->trigger();
    QCOMPARE(text(u"Alcoolémie"_s) + u' ' + text(u"Attente"_s), prudent);
    QCOMPARE(m_window->windowTitle(), u"Sobrimetre (estimation prudente, journal de la soirée)"_s);
    QCOMPARE(m_watcher->count(), 0);
}

// A glass of wine at 20 h and a beer of 5,5 degrees at 21 h 15 from the main window's buttons,
// with the volume and degree of their boxes; the option saved with the usual values.
void TestEveningJournal::glassesAndOptionInTheirFiles()
{
    m_now = parisTime(20, 0);
    openWindow();
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    keepJournal(true);
    QTest::mouseClick(widget<Picture>(u"Vin"_s), Qt::LeftButton);
    m_now = parisTime(21, 15);
    widget<QLineEdit>(u"DEG_B"_s)->setText(u"5.5"_s);
    QTest::mouseClick(widget<Picture>(u"Bière"_s), Qt::LeftButton);
    QCOMPARE(contentOf(u"Soiree.csv"_s),
             header + "2026-12-09 20:00+01:00;V;12;11\n2026-12-09 21:15+01:00;B;25;5,5\n");
    QCOMPARE(widget<QLineEdit>(u"NB_B"_s)->text(), u"1"_s);
    QCOMPARE(widget<QTableWidget>(u"Verres"_s)->rowCount(), 2);

    widget<QAction>(u"Sauve"_s)->trigger();
    const QByteArray saved = contentOf(u"Defaut.dat"_s);
    QCOMPARE(saved.size(), 2432);
    // Records 17 and 18, the other options, off; record 19, the journal, on.
    QCOMPARE(saved.mid(16 * 128, 2) + saved.mid(17 * 128, 2) + saved.mid(18 * 128, 2),
             QByteArray("\0\0\0\0\1\0", 6));

    // Started again, the window shows the evening at once: the wine's 0,2155 less a quarter of
    // an hour at 0,12, and the beer's 25 x 5,5 x 0,08 = 11 g, 11 / 49 = 0,2245: 0,41.
    m_window.reset();
    openWindow();
    QVERIFY(widget<QAction>(u"JournalSoiree"_s)->isChecked());
    QCOMPARE(text(u"Alcoolémie"_s), u"0,41"_s);
}

void TestEveningJournal::unreadableLinesAreKept()
{
    const QByteArray bytes = wines({u"22:00"_s}) + "hier;V;12;11\n"
                             + "2026-12-09 22:30+01:00;X;12;11\n";
    writeFile(u"Soiree.csv"_s, bytes);
    openWindow();
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    keepJournal(true);
    QTRY_COMPARE(m_watcher->count(), 1);
    QVERIFY2(m_watcher->texts().first().contains(u"les lignes 3, 4 n'ont pas été comptées"_s),
             qPrintable(m_watcher->texts().first()));
    // One glass at 22 h, an hour later: 0,2155.
    QCOMPARE(text(u"Alcoolémie"_s), u"0,22"_s);

    QTest::mouseClick(widget<Picture>(u"Vin"_s), Qt::LeftButton);
    QCOMPARE(contentOf(u"Soiree.csv.illisible"_s), bytes);
    QCOMPARE(contentOf(u"Soiree.csv"_s), wines({u"22:00"_s, u"23:00"_s}));
}

// Left, the journal gives back the window as it is without it; kept again, the same evening.
void TestEveningJournal::leavingGivesBackTheTypedWindow()
{
    writeFile(u"Soiree.csv"_s, wines({u"22:00"_s, u"22:00"_s, u"22:00"_s}));
    openWindow();
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    keepJournal(true);
    QCOMPARE(text(u"Alcoolémie"_s), u"0,65"_s);

    keepJournal(false);
    for (const QString &name : {u"NB_K"_s, u"NB_B"_s, u"NB_A"_s, u"NB_V"_s, u"NB_D"_s, u"NB_C"_s}) {
        QCOMPARE(widget<QLineEdit>(name)->text(), QString());
        QVERIFY(!widget<QLineEdit>(name)->isReadOnly());
    }
    QCOMPARE(widget<QLineEdit>(u"Délai"_s)->text(), u"1"_s);
    QVERIFY(!widget<QLineEdit>(u"Délai"_s)->isReadOnly());
    QCOMPARE(text(u"Alcoolémie"_s), u"0,00"_s);
    QCOMPARE(m_window->windowTitle(), u"Sobrimetre"_s);
    QVERIFY(!widget(u"Journal"_s)->isVisible());
    QCOMPARE(contentOf(u"Soiree.csv"_s), wines({u"22:00"_s, u"22:00"_s, u"22:00"_s}));

    keepJournal(true);
    QCOMPARE(text(u"Alcoolémie"_s), u"0,65"_s);
    QCOMPARE(m_watcher->count(), 0);
}

void TestEveningJournal::theVerdictFollowsTheClock_data()
{
    QTest::addColumn<int>("minute"); // after midnight, the minute before the tick
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("spoken");

    // Three glasses at 22 h: 0,6465 - 0,12 x (minutes after 23 h) / 60. At 0 h 00, 0,5265, and at
    // 0 h 01, 0,5245: the hundredths fall, the stop and its hour stand, nothing is said. At 0 h 13,
    // 0,5005, and at 0 h 14, 0,4985: the stop turns into the caution, which is said.
    QTest::newRow("the hundredths fall")
            << 0 << u"0,53 1 FeuRouge"_s << u"0,52 1 FeuRouge"_s << false;
    QTest::newRow("below the limit") << 13 << u"0,50 1 FeuRouge"_s << u"0,50 0 FeuJaune"_s << true;
}

// The minute's tick recomputes, and a screen reader hears it only when the verdict or the wait
// changes.
void TestEveningJournal::theVerdictFollowsTheClock()
{
    QFETCH(int, minute);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, spoken);

    writeFile(u"Soiree.csv"_s, wines({u"22:00"_s, u"22:00"_s, u"22:00"_s}));
    m_now = parisTime(24, minute, 59).addMSecs(990);
    openWindow();
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    keepJournal(true);
    const auto shown = [this] {
        for (const QString &light : {u"FeuVert"_s, u"FeuJaune"_s, u"FeuRouge"_s}) {
            if (widget(light)->isVisible())
                return text(u"Alcoolémie"_s) + u' ' + text(u"Attente"_s) + u' ' + light;
        }
        return QString();
    };
    QCOMPARE(shown(), before);
    const QString said = widget(u"Annonce"_s)->accessibleName();
    m_now = parisTime(24, minute + 1);

    QTRY_COMPARE(shown(), after);
    QCOMPARE(widget(u"Annonce"_s)->accessibleName() != said, spoken);
    QCOMPARE(widget<QLineEdit>(u"Délai"_s)->text(), u"2"_s);
}

// A folder where the journal's file should be: no verdict, the reason in the message, and the
// glass added meanwhile kept in the journal's window.
void TestEveningJournal::unreadableJournalGivesNoVerdict()
{
    QVERIFY(QDir().mkdir(u"Soiree.csv"_s));
    openWindow();
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    keepJournal(true);
    QCOMPARE(text(u"Alcoolémie"_s), u"-,--"_s);
    QVERIFY(text(u"Note"_s).startsWith(u"Journal de la soirée inaccessible : "_s));
    QVERIFY(!widget(u"FeuVert"_s)->isVisible());

    QTest::mouseClick(widget<Picture>(u"Vin"_s), Qt::LeftButton);
    QCOMPARE(widget<QTableWidget>(u"Verres"_s)->rowCount(), 1);
    QCOMPARE(text(u"Alcoolémie"_s), u"-,--"_s);
    QVERIFY(QDir(u"Soiree.csv"_s).isEmpty());
}

// A glass's time typed in its cell, another running copy's glass, a glass deleted with the Delete
// key: each reaches the file, or comes from it, and the verdict follows.
void TestEveningJournal::glassesChangedInTheJournalsWindow()
{
    writeFile(u"Soiree.csv"_s, wines({u"22:00"_s}));
    openWindow();
    widget<QLineEdit>(u"Poids"_s)->setText(u"70"_s);
    keepJournal(true);
    auto *table = widget<QTableWidget>(u"Verres"_s);
    table->editItem(table->item(0, 0));
    auto *editor = table->findChild<QLineEdit *>();
    QVERIFY(editor);
    QCOMPARE(editor->text(), u"22:00"_s);
    editor->setText(u"21 h 30"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(contentOf(u"Soiree.csv"_s), wines({u"21:30"_s}));
    // At 23 h, half an hour of elimination: 0,2155 - 0,06.
    QCOMPARE(text(u"Alcoolémie"_s), u"0,16"_s);

    writeFile(u"Soiree.csv"_s, wines({u"21:30"_s, u"22:30"_s}));
    QTRY_COMPARE(table->rowCount(), 2);
    QCOMPARE(widget<QLineEdit>(u"NB_V"_s)->text(), u"2"_s);

    table->setCurrentCell(1, 0);
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(contentOf(u"Soiree.csv"_s), wines({u"21:30"_s}));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(m_watcher->count(), 0);
}

QTEST_MAIN(TestEveningJournal)
#include "tst_evening_journal.moc"
