// The times of the journal's glasses in Paris's time zone: a typed clock time is the latest such
// time not after now, across midnight and the clock's changes, and a glass's time says its day
// when it is not today's.
#include "journal/glass_time.h"
#include "test_support.h"

#include <QTest>

#include <time.h>

using namespace Qt::StringLiterals;

class TestJournalTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void typedTime_data();
    void typedTime();
    void shownTime_data();
    void shownTime();
};

void TestJournalTime::initTestCase()
{
    qputenv("TZ", "Europe/Paris");
    tzset();
}

void TestJournalTime::typedTime_data()
{
    QTest::addColumn<QDateTime>("now"); // in UTC
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("moment"); // in UTC, or the start of the refusal

    // Paris is UTC+1 in winter, UTC+2 in summer: 00:40 on 10 December is 23:40 UTC on the 9th.
    const QDateTime winterNight(QDate(2026, 12, 9), QTime(23, 40), Qt::UTC);
    QTest::newRow("00:30 typed at 00:40 is today's")
            << winterNight << u"00:30"_s << u"2026-12-09T23:30:00Z"_s;
    QTest::newRow("23:50 typed at 00:40 is yesterday's")
            << winterNight << u"23 h 50"_s << u"2026-12-09T22:50:00Z"_s;
    QTest::newRow("the minute now is now") << winterNight << u"0h40"_s << u"2026-12-09T23:40:00Z"_s;
    QTest::newRow("a whole hour") << winterNight << u"21"_s << u"2026-12-09T20:00:00Z"_s;
    QTest::newRow("not a time") << winterNight << u"25:10"_s << u"illisible"_s;
    // On 29 March 2026 the clocks went from 2:00 to 3:00: at 3:10 (1:10 UTC), 2:30 never was.
    QTest::newRow("the hour skipped in spring")
            << QDateTime(QDate(2026, 3, 29), QTime(1, 10), Qt::UTC) << u"2:30"_s
            << u"L'heure 2 h 30 n'a pas existé aujourd'hui"_s;
    // On 25 October 2026 they went from 3:00 back to 2:00. At the second 2:10 (1:10 UTC), 2:30
    // was last shown the first time (0:30 UTC), and 2:05 the second time (1:05 UTC).
    const QDateTime autumn(QDate(2026, 10, 25), QTime(1, 10), Qt::UTC);
    QTest::newRow("the hour shown twice, once past")
            << autumn << u"2:30"_s << u"2026-10-25T00:30:00Z"_s;
    QTest::newRow("the hour shown twice, twice past")
            << autumn << u"2:05"_s << u"2026-10-25T01:05:00Z"_s;
}

void TestJournalTime::typedTime()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, typed);
    QFETCH(QString, moment);

    const std::optional<QTime> clockTime = readClockTime(typed);
    if (!clockTime) {
        QCOMPARE(u"illisible"_s, moment);
        return;
    }
    const TypedMoment found = latestMomentAt(*clockTime, now.toLocalTime());
    if (found.minute)
        QCOMPARE(momentOf(*found.minute).toUTC().toString(Qt::ISODate), moment);
    else
        QVERIFY2(found.refusal.startsWith(moment), qPrintable(found.refusal));
}

void TestJournalTime::shownTime_data()
{
    QTest::addColumn<QDateTime>("glass");
    QTest::addColumn<QString>("shown");

    QTest::newRow("today") << QDateTime(QDate(2026, 12, 10), QTime(0, 5)) << u"0 h 05"_s;
    QTest::newRow("yesterday") << QDateTime(QDate(2026, 12, 9), QTime(23, 50)) << u"hier 23 h 50"_s;
    QTest::newRow("before") << QDateTime(QDate(2026, 12, 7), QTime(21, 15))
                            << u"7 décembre 21 h 15"_s;
    QTest::newRow("last year") << QDateTime(QDate(2025, 12, 31), QTime(23, 0))
                               << u"31 décembre 2025 23 h 00"_s;
}

void TestJournalTime::shownTime()
{
    QFETCH(QDateTime, glass);
    QFETCH(QString, shown);
    const QDateTime now(QDate(2026, 12, 10), QTime(0, 40));
    QCOMPARE(glassTimeText(minuteOf(glass), now), shown);
}

QTEST_MAIN(TestJournalTime)
#include "tst_journal_time.moc"
