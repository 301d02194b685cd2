// Soiree.csv on disk: what cannot be read is never taken for an empty journal, an update loses
// neither the lines it cannot read nor the glasses of another running copy, and nothing is
// written where it should not be.
#include "defaults/defaults_file.h"
#include "defaults/descriptor.h"
#include "defaults/journal_file.h"
#include "file_support.h"
#include "test_support.h"

#include <QElapsedTimer>
#include <QTest>

#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

enum class Obstacle { Fifo, Folder, ForeignLink, LockHeld };

const QString journal = u"Soiree.csv"_s;
const QByteArray header = "heure;boisson;volume_cl;degre\n";
const QByteArray wine = "2026-12-09 20:00+01:00;V;12;11\n";
const QByteArray beer = "2026-12-09 21:15+01:00;B;25;5,5\n";
// 2026-12-09 19:00 UTC, worked out in tst_journal_format.
constexpr std::int64_t dec9At19Utc = 29947380;

JournalChange adding(const LoggedGlass &glass)
{
    return [glass](std::vector<JournalEntry> &entries) {
        entries.push_back(journalEntryAt(glass));
    };
}

const JournalChange addWine = adding({dec9At19Utc, DrinkCategory::V, 12, 11});
const JournalChange addBeer = adding({dec9At19Utc + 75, DrinkCategory::B, 25, 5.5});

mode_t modeOf(const QString &path)
{
    struct stat status = {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

Q_DECLARE_METATYPE(Obstacle)

class TestJournalFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "Europe/Paris"); }
    void updatesWriteTheFileReadingNeverMakesIt();
    void refusesWhatItCannotRead_data();
    void refusesWhatItCannotRead();
    void keepsUnreadableLinesBeforeRewriting_data();
    void keepsUnreadableLinesBeforeRewriting();
    void interleavedUpdatesLoseNothing();
    void startUpRemovesLeftoversOfKilledUpdates();
};

void TestJournalFile::updatesWriteTheFileReadingNeverMakesIt()
{
    TemporaryWorkingDirectory directory;
    const JournalReading none = readJournalFile();
    QVERIFY(none.failure.isEmpty() && none.contents.entries.empty());
    QVERIFY(!QFileInfo::exists(journal));

    QVERIFY(updateJournalFile(addBeer).failure.isEmpty());
    const JournalUpdate update = updateJournalFile(addWine);
    QVERIFY2(update.failure.isEmpty(), qPrintable(update.failure));
    QCOMPARE(update.entries.size(), std::size_t(2));
    QCOMPARE(contentOf(journal), header + wine + beer);
    QCOMPARE(readJournalFile().contents.entries, update.entries);
    QCOMPARE(QDir(u"."_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{journal});
    QCOMPARE(journalFilePath(), directory.filePath(journal));
}

void TestJournalFile::refusesWhatItCannotRead_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::addColumn<bool>("readable");
    QTest::newRow("FIFO, never waited on") << Obstacle::Fifo << false;
    QTest::newRow("folder") << Obstacle::Folder << false;
    QTest::newRow("link of another user") << Obstacle::ForeignLink << false;
    QTest::newRow("lock kept by another program") << Obstacle::LockHeld << true;
}

void TestJournalFile::refusesWhatItCannotRead()
{
    QFETCH(Obstacle, obstacle);
    QFETCH(bool, readable);
    if (obstacle == Obstacle::ForeignLink && geteuid() != 0)
        QSKIP("Only root can give a link to another user");
    TemporaryWorkingDirectory directory;
    const QByteArray name = QFile::encodeName(journal);
    Descriptor lockHolder;
    switch (obstacle) {
    case Obstacle::Fifo:
        QCOMPARE(mkfifo(name.constData(), 0644), 0);
        break;
    case Obstacle::Folder:
        QVERIFY(QDir().mkdir(journal));
        break;
    case Obstacle::ForeignLink:
        writeFile(u"ailleurs.csv"_s, header + wine);
        QVERIFY(QFile::link(u"ailleurs.csv"_s, journal));
        QCOMPARE(lchown(name.constData(), 65534, 65534), 0);
        break;
    case Obstacle::LockHeld:
        writeFile(journal, header + wine);
        lockHolder = Descriptor(open(name.constData(), O_RDONLY | O_CLOEXEC));
        QCOMPARE(flock(lockHolder.get(), LOCK_EX), 0);
        break;
    }
    const QStringList before = directorySnapshot();

    const JournalReading reading = readJournalFile();
    QCOMPARE(reading.failure.isEmpty(), readable);
    QCOMPARE(reading.contents.entries.size(), std::size_t(readable ? 1 : 0));
    QElapsedTimer waited;
    waited.start();
    const JournalUpdate update = updateJournalFile(addBeer);
    QVERIFY(!update.failure.isEmpty());
    QVERIFY(update.entries.empty());
    // Only the lock is waited for, and not for ever.
    QVERIFY2(waited.elapsed() < (obstacle == Obstacle::LockHeld ? 6000 : 1000),
             qPrintable(QString::number(waited.elapsed())));
    QCOMPARE(directorySnapshot(), before);
}

void TestJournalFile::keepsUnreadableLinesBeforeRewriting_data()
{
    QTest::addColumn<QByteArray>("copyThere"); // null: none
    QTest::addColumn<QString>("copyName"); // where the file's bytes are kept
    QTest::addColumn<bool>("copyMade");

    const QByteArray original = header + wine + "verre de trop\n";
    QTest::newRow("first copy") << QByteArray() << u"Soiree.csv.illisible"_s << true;
    QTest::newRow("a copy of other bytes is never written over")
            << QByteArray("autre soirée") << u"Soiree.csv.illisible.2"_s << true;
    QTest::newRow("copy of the same bytes made already")
            << original << u"Soiree.csv.illisible"_s << false;
}

void TestJournalFile::keepsUnreadableLinesBeforeRewriting()
{
    QFETCH(QByteArray, copyThere);
    QFETCH(QString, copyName);
    QFETCH(bool, copyMade);
    TemporaryWorkingDirectory directory;
    const QByteArray original = header + wine + "verre de trop\n";
    writeFile(journal, original);
    QCOMPARE(chmod(QFile::encodeName(journal).constData(), 0640), 0);
    if (!copyThere.isNull())
        writeFile(journal + u".illisible"_s, copyThere);

    const JournalUpdate update = updateJournalFile(addBeer);
    QVERIFY2(update.failure.isEmpty(), qPrintable(update.failure));
    QCOMPARE(contentOf(copyName), original);
    if (!copyThere.isNull())
        QCOMPARE(contentOf(journal + u".illisible"_s), copyThere);
    QCOMPARE(update.keptCopy, copyMade ? directory.filePath(copyName) : QString());
    QCOMPARE(contentOf(journal), header + wine + beer);
    QCOMPARE(modeOf(journal), mode_t(0640));
    if (copyMade)
        QCOMPARE(modeOf(copyName), mode_t(0640));

    const QStringList before = directorySnapshot();
    QVERIFY(updateJournalFile([](std::vector<JournalEntry> &) {}).keptCopy.isEmpty());
    QCOMPARE(directorySnapshot(), before);
}

// Two running copies: the second one's update starts while the first one's is under way.
void TestJournalFile::interleavedUpdatesLoseNothing()
{
    TemporaryWorkingDirectory directory;
    JournalUpdate second;
    std::thread otherCopy;
    const JournalUpdate first = updateJournalFile([&](std::vector<JournalEntry> &entries) {
        otherCopy = std::thread([&second] { second = updateJournalFile(addBeer); });
        // Time for the other copy to read the file, were nothing to stop it.
        std::this_thread::sleep_for(300ms);
        addWine(entries);
    });
    otherCopy.join();
    QVERIFY(first.failure.isEmpty() && second.failure.isEmpty());
    QCOMPARE(second.entries.size(), std::size_t(2));
    QCOMPARE(contentOf(journal), header + wine + beer);
}

// Only files of the program's naming that are older than a minute go.
void TestJournalFile::startUpRemovesLeftoversOfKilledUpdates()
{
    TemporaryWorkingDirectory directory;
    writeFile(u".Soiree.csv.sobrimetre-a1B2c3"_s, "restes");
    writeFile(u".Soiree.csv.sobrimetre-d4E5f6"_s, "en cours");
    writeFile(u"Soiree.csv.a1B2c3"_s, "copie");
    const std::array<timespec, 2> twoMinutesAgo = {timespec{time(nullptr) - 120, 0},
                                                   timespec{time(nullptr) - 120, 0}};
    for (const char *name : {".Soiree.csv.sobrimetre-a1B2c3", "Soiree.csv.a1B2c3"})
        QCOMPARE(utimensat(AT_FDCWD, name, twoMinutesAgo.data(), 0), 0);

    readDefaultsFile();
    QVERIFY(!QFileInfo::exists(u".Soiree.csv.sobrimetre-a1B2c3"_s));
    QVERIFY(QFileInfo::exists(u".Soiree.csv.sobrimetre-d4E5f6"_s));
    QVERIFY(QFileInfo::exists(u"Soiree.csv.a1B2c3"_s));
}

QTEST_GUILESS_MAIN(TestJournalFile)
#include "tst_journal_file.moc"
