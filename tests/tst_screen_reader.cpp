// What a screen reader is sent while the user works: each estimate tells the new level, wait and
// message (their names carry the text, the numbers are values) and which light shows. Qt sends
// these only while assistive technology listens, so the program runs here with a real
// accessibility bus (with_accessibility_bus.sh).
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "test_support.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The events sent, as "object: kind" or "object: value v".
QStringList s_events;

void recordEvent(QAccessibleEvent *event)
{
    const QString object = event->object() != nullptr ? event->object()->objectName() : QString();
    switch (event->type()) {
    case QAccessible::NameChanged:
        s_events << object + u": name"_s;
        break;
    case QAccessible::ValueChanged:
        s_events << object + u": value "_s
                            + static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
        break;
    case QAccessible::ObjectShow:
        s_events << object + u": shown"_s;
        break;
    default:
        break;
    }
}

} // namespace

class TestScreenReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void estimateIsAnnounced();
    void impossibleValueIsAnnounced();
    void restoreIsAnnounced();

private:
    TemporaryWorkingDirectory m_folder;
    std::unique_ptr<Sobrimetre> m_window;
};

void TestScreenReader::initTestCase()
{
    useFrenchLocale();
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    QAccessible::installUpdateHandler(recordEvent);
}

void TestScreenReader::init()
{
    m_window = std::make_unique<Sobrimetre>();
    m_window->show();
    child<QLineEdit>(m_window.get(), u"Poids"_s)->setText(u"70"_s);
    s_events.clear();
}

void TestScreenReader::cleanup()
{
    m_window.reset();
}

// Three glasses of wine for a man of 70 kg: 0,65 g/l, two hours to wait, the stop and the red
// light; and in one sentence, by a notification that appears, which a screen reader speaks
// wherever the focus is.
void TestScreenReader::estimateIsAnnounced()
{
    child<QLineEdit>(m_window.get(), u"NB_V"_s)->setText(u"3"_s);
    for (const QString &event :
         {u"Alcoolémie: name"_s, u"Alcoolémie: value 0.65"_s, u"Attente: name"_s,
          u"Attente: value 2"_s, u"FeuRouge: shown"_s, u"Note: name"_s, u"Annonce: shown"_s})
        QVERIFY2(s_events.contains(event), qPrintable(event + u" in "_s + s_events.join(u", ")));
    QAccessibleInterface *announcement = QAccessible::queryAccessibleInterface(
            child(m_window.get(), u"Annonce"_s));
    QCOMPARE(announcement->role(), QAccessible::Notification);
    QCOMPARE(announcement->text(QAccessible::Name),
             u"0,65 gramme par litre. Stop, ne conduisez pas. Attendre encore 2 heures."_s);

    // The same result again tells nothing new.
    s_events.clear();
    child<QLineEdit>(m_window.get(), u"NB_V"_s)->setText(u"3.0"_s);
    QCOMPARE(s_events.filter(u": name"_s), QStringList());
    QCOMPARE(s_events.filter(u"Annonce"_s), QStringList());
}

// A value that cannot be leaves no verdict, and the reason is said as a result is.
void TestScreenReader::impossibleValueIsAnnounced()
{
    child<QLineEdit>(m_window.get(), u"NB_V"_s)->setText(u"3"_s);
    s_events.clear();
    child<QLineEdit>(m_window.get(), u"VOL_B"_s)->setText(u"-25"_s);
    QVERIFY2(s_events.contains(u"Annonce: shown"_s), qPrintable(s_events.join(u", ")));
    QCOMPARE(QAccessible::queryAccessibleInterface(child(m_window.get(), u"Annonce"_s))
                     ->text(QAccessible::Name),
             u"Valeur impossible : le volume des « Bière, cidre » est négatif. Corrigez-la pour "
             u"obtenir une estimation."_s);
}

void TestScreenReader::restoreIsAnnounced()
{
    child<QLineEdit>(m_window.get(), u"NB_V"_s)->setText(u"3"_s);
    s_events.clear();
    child<QAction>(m_window.get(), u"Rétablir"_s)->trigger();
    for (const QString &event :
         {u"Alcoolémie: name"_s, u"Alcoolémie: value 0"_s, u"FeuVert: shown"_s, u"Note: name"_s})
        QVERIFY2(s_events.contains(event), qPrintable(event + u" in "_s + s_events.join(u", ")));
}

QTEST_MAIN(TestScreenReader)
#include "tst_screen_reader.moc"
