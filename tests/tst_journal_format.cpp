// The bytes of the evening's journal without any file: each line read or refused, the local
// times of Paris across its clock changes, and the file written back.
#include "defaults/journal_format.h"

#include <QTest>

namespace {

// Minutes since 1970-01-01 00:00 UTC, worked by hand: 2026-01-01 is day 56 × 365 + 14 leap days
// = 20454; 2026-12-09 is 334 + 8 days later, day 20796, whose 19:00 UTC is
// 20796 × 1440 + 1140 = 29947380.
constexpr qint64 dec9At19Utc = 29947380;
// 2026-03-29, day 20454 + 87 = 20541, at 01:30 UTC: 20541 × 1440 + 90.
constexpr qint64 mar29At0130Utc = 29579130;
// 2026-10-25, day 20454 + 297 = 20751, at 01:30 UTC: 20751 × 1440 + 90.
constexpr qint64 oct25At0130Utc = 29881530;

const QByteArray header = "heure;boisson;volume_cl;degre\n";

QByteArray bytesOf(const std::string &bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

JournalContents read(const QByteArray &bytes)
{
    return readJournal(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QList<qint64> minutesOf(const JournalContents &contents)
{
    QList<qint64> minutes;
    for (const JournalEntry &entry : contents.entries)
        minutes << entry.glass.minute;
    return minutes;
}

} // namespace

class TestJournalFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsOneLine_data();
    void readsOneLine();
    void readsWholeFile_data();
    void readsWholeFile();
    void writesGlassesOfTheEvening();
};

// Paris puts its clocks forward at 02:00 on 2026-03-29 and back at 03:00 on 2026-10-25.
void TestJournalFormat::initTestCase()
{
    qputenv("TZ", "Europe/Paris");
}

void TestJournalFormat::readsOneLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<qint64>("minute"); // -1: the line is unreadable
    QTest::addColumn<QByteArray>("writtenBack");

    const QByteArray wine = "2026-12-09 20:00+01:00;V;12;11";
    QTest::newRow("wine at 20:00") << wine << dec9At19Utc << wine;
    QTest::newRow("beer at 21:15, decimal comma")
            << QByteArray("2026-12-09 21:15+01:00;B;25;5,5") << dec9At19Utc + 75
            << QByteArray("2026-12-09 21:15+01:00;B;25;5,5");
    QTest::newRow("decimal point")
            << QByteArray("2026-12-09 21:15+01:00;B;25;5.5") << dec9At19Utc + 75
            << QByteArray("2026-12-09 21:15+01:00;B;25;5,5");
    QTest::newRow("other offset kept")
            << QByteArray("2026-12-09 14:00-05:00;V;12;11") << dec9At19Utc
            << QByteArray("2026-12-09 14:00-05:00;V;12;11");
    QTest::newRow("no offset: winter time")
            << QByteArray("2026-12-09 20:00;V;12;11") << dec9At19Utc << wine;
    QTest::newRow("no offset, hour skipped in spring: as before the change")
            << QByteArray("2026-03-29 02:30;V;12;11") << mar29At0130Utc
            << QByteArray("2026-03-29 03:30+02:00;V;12;11");
    QTest::newRow("no offset, hour shown twice in autumn: the later")
            << QByteArray("2026-10-25 02:30;V;12;11") << oct25At0130Utc
            << QByteArray("2026-10-25 02:30+01:00;V;12;11");
    QTest::newRow("numbers in their shortest form")
            << QByteArray("2026-12-09 20:00+01:00;K;012,50;0.10") << dec9At19Utc
            << QByteArray("2026-12-09 20:00+01:00;K;12,5;0,1");
    QTest::newRow("volume 0, degree 100")
            << QByteArray("2026-12-09 20:00+01:00;A;0;100") << dec9At19Utc
            << QByteArray("2026-12-09 20:00+01:00;A;0;100");

    const QList<std::pair<const char *, QByteArray>> unreadable = {
            {"30 February", "2026-02-30 20:00+01:00;V;12;11"},
            {"24:00", "2026-12-09 24:00+01:00;V;12;11"},
            {"offset without colon", "2026-12-09 20:00+0100;V;12;11"},
            {"unknown kind", "2026-12-09 20:00+01:00;X;12;11"},
            {"volume in words", "2026-12-09 20:00+01:00;V;douze;11"},
            {"infinite volume", "2026-12-09 20:00+01:00;V;inf;11"},
            {"degree not a number", "2026-12-09 20:00+01:00;V;12;nan"},
            {"hexadecimal", "2026-12-09 20:00+01:00;V;0x1p3;11"},
            {"negative volume", "2026-12-09 20:00+01:00;V;-12;11"},
            {"negative degree", "2026-12-09 20:00+01:00;V;12;-11"},
            {"degree over 100", "2026-12-09 20:00+01:00;V;12;100,5"},
            {"volume beyond a double", "2026-12-09 20:00+01:00;V;1" + QByteArray(400, '0') + ";11"},
            {"five fields", "2026-12-09 20:00+01:00;V;12;11;"},
    };
    for (const auto &[name, line] : unreadable)
        QTest::newRow(name) << line << qint64(-1) << QByteArray();
}

void TestJournalFormat::readsOneLine()
{
    QFETCH(QByteArray, line);
    QFETCH(qint64, minute);
    QFETCH(QByteArray, writtenBack);

    const JournalContents contents = read(header + line + '\n');
    if (minute < 0) {
        QCOMPARE(contents.unreadableLines, std::vector<int>{2});
        QVERIFY(contents.entries.empty());
        return;
    }
    QVERIFY(contents.unreadableLines.empty());
    QCOMPARE(minutesOf(contents), QList<qint64>{minute});
    QCOMPARE(bytesOf(writeJournal(contents.entries)), header + writtenBack + '\n');
}

void TestJournalFormat::readsWholeFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<qint64>>("minutes");
    QTest::addColumn<QList<int>>("unreadableLines");

    const QByteArray wine = "2026-12-09 20:00+01:00;V;12;11";
    const QByteArray beer = "2026-12-09 21:15+01:00;B;25;5,5";
    QTest::newRow("byte-order mark, CRLF, blank lines, a bad line between good ones")
            << "\xEF\xBB\xBF" + header.chopped(1) + "\r\n" + wine + "\r\n\r\n \t\r\nverre\r\n"
                       + beer + "\r\n"
            << QList<qint64>{dec9At19Utc, dec9At19Utc + 75} << QList<int>{5};
    QTest::newRow("no header, last line without line feed, time order")
            << beer + "\n;;;\n" + wine << QList<qint64>{dec9At19Utc, dec9At19Utc + 75}
            << QList<int>{2};
    QTest::newRow("header again in the middle is skipped")
            << header + wine + '\n' + header + "x;V;1;1\n"
            << QList<qint64>{dec9At19Utc} << QList<int>{4};
    QTest::newRow("empty file") << QByteArray() << QList<qint64>{} << QList<int>{};
}

void TestJournalFormat::readsWholeFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<qint64>, minutes);
    QFETCH(QList<int>, unreadableLines);

    const JournalContents contents = read(file);
    QCOMPARE(minutesOf(contents), minutes);
    QCOMPARE(QList<int>(contents.unreadableLines.begin(), contents.unreadableLines.end()),
             unreadableLines);
}

// Given out of order, at the local times of Paris in December.
void TestJournalFormat::writesGlassesOfTheEvening()
{
    const JournalEntry beer = journalEntryAt({dec9At19Utc + 75, DrinkCategory::B, 25, 5.5});
    const JournalEntry wine = journalEntryAt({dec9At19Utc, DrinkCategory::V, 12, 11});
    QCOMPARE(bytesOf(writeJournal({beer, wine})),
             header + "2026-12-09 20:00+01:00;V;12;11\n2026-12-09 21:15+01:00;B;25;5,5\n");
}

QTEST_GUILESS_MAIN(TestJournalFormat)
#include "tst_journal_format.moc"
