// Defaut.dat on disk: the save writes exactly the 16 records and never loses the saved values,
// and the reading creates a missing file and never fails visibly.
#include "defaults/defaults_file.h"
#include "defaults/defaults_format.h"
#include "file_support.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(DefaultsRecord)

namespace {

enum class Obstacle {
    FolderInPlace, // a folder stands where Defaut.dat should be
    DirectoryRemoved, // the current directory was deleted under the program
    DiskRefusesWrite // the new file cannot be written whole (a full disk or quota)
};

QByteArray bytesOf(const std::string &bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

DefaultsRecord someSavedValues()
{
    DefaultsRecord record;
    record.weight = "64";
    record.sexCode = sexWoman;
    record.corpulenceCode = corpulenceStrong;
    record.mealCode = mealTaken;
    record[DrinkCategory::B] = {"50", "8"};
    return record;
}

// Keeps the files this process writes below a size while it lives. Unlike permission bits it
// also stops root, under which the tests run.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
};

} // namespace

class TestDefaultsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveWritesExactlySixteenRecords_data();
    void saveWritesExactlySixteenRecords();
    void savedValuesComeBack();
    void reads_data();
    void reads();
    void failedSaveKeepsOldValues_data();
    void failedSaveKeepsOldValues();
    void unreadableFileGivesFactoryValues_data();
    void unreadableFileGivesFactoryValues();
};

void TestDefaultsFile::saveWritesExactlySixteenRecords_data()
{
    QTest::addColumn<bool>("oldFileExists");
    QTest::addColumn<QByteArray>("oldFile");

    QTest::newRow("no file yet") << false << QByteArray();
    QTest::newRow("empty file made by start-up") << true << QByteArray();
    QTest::newRow("longer old file replaced whole") << true << QByteArray(5000, 'x');
    QTest::newRow("older save of other values")
            << true << bytesOf(writeDefaults(someSavedValues()));
}

void TestDefaultsFile::saveWritesExactlySixteenRecords()
{
    QFETCH(bool, oldFileExists);
    QFETCH(QByteArray, oldFile);
    TemporaryWorkingDirectory directory;
    if (oldFileExists)
        writeFile(defaultsFileName, oldFile);

    DefaultsRecord record;
    record.weight = "72";
    QString reason = "untouched";
    QVERIFY(saveDefaults(record, &reason));
    QCOMPARE(reason, "untouched");

    const QByteArray saved = contentOf(directory.filePath(defaultsFileName));
    QCOMPARE(saved.size(), qsizetype(2048));
    QCOMPARE(saved, bytesOf(writeDefaults(record)));
    QCOMPARE(QDir(".").entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{defaultsFileName});
}

void TestDefaultsFile::savedValuesComeBack()
{
    TemporaryWorkingDirectory directory;
    DefaultsRecord saved = someSavedValues();
    saved.weight = "80";
    saved.corpulenceCode = corpulenceStrong;
    saved.mealCode = noMeal;
    QVERIFY(saveDefaults(saved, nullptr));

    const DefaultsRecord read = readDefaultsFile();
    QCOMPARE(read.weight, "80    ");
    QCOMPARE(read.sexCode, sexWoman);
    QCOMPARE(read.corpulenceCode, corpulenceStrong);
    QCOMPARE(read.mealCode, noMeal);
    QCOMPARE(read[DrinkCategory::B].volume, "50    ");
    QCOMPARE(read[DrinkCategory::A].degree, "44    ");
}

void TestDefaultsFile::reads_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<DefaultsRecord>("expected");

    QTest::newRow("missing file created empty, factory values stay")
            << false << QByteArray() << DefaultsRecord();
    QTest::newRow("0-byte file like a missing one") << true << QByteArray() << DefaultsRecord();

    const QByteArray whole = bytesOf(writeDefaults(someSavedValues()));
    DefaultsRecord threeRecords;
    threeRecords.weight = "64    ";
    threeRecords.sexCode = sexWoman;
    threeRecords.corpulenceCode = corpulenceStrong;
    QTest::newRow("three records, the rest factory") << true << whole.left(3 * 128) << threeRecords;

    DefaultsRecord wholeFile;
    readDefaults(whole.toStdString(), wholeFile);
    QTest::newRow("16 records") << true << whole << wholeFile;
}

void TestDefaultsFile::reads()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, file);
    QFETCH(DefaultsRecord, expected);
    TemporaryWorkingDirectory directory;
    if (fileExists)
        writeFile(defaultsFileName, file);

    QVERIFY(readDefaultsFile() == expected);
    QVERIFY(QFileInfo(directory.filePath(defaultsFileName)).isFile());
    QCOMPARE(contentOf(directory.filePath(defaultsFileName)), file);
}

void TestDefaultsFile::failedSaveKeepsOldValues_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("folder named Defaut.dat") << Obstacle::FolderInPlace;
    QTest::newRow("current directory removed") << Obstacle::DirectoryRemoved;
    QTest::newRow("disk refuses the new file") << Obstacle::DiskRefusesWrite;
}

void TestDefaultsFile::failedSaveKeepsOldValues()
{
    QFETCH(Obstacle, obstacle);
    TemporaryWorkingDirectory directory;
    const bool rootHeldFile = QFileInfo::exists("/" + defaultsFileName);
    switch (obstacle) {
    case Obstacle::FolderInPlace:
        QVERIFY(QDir().mkdir(defaultsFileName));
        writeFile(defaultsFileName + "/notes.txt", "kept");
        break;
    case Obstacle::DirectoryRemoved:
        QVERIFY(QDir(directory.path()).removeRecursively());
        break;
    case Obstacle::DiskRefusesWrite:
        writeFile(defaultsFileName, bytesOf(writeDefaults(someSavedValues())));
        break;
    }
    const QStringList before = directorySnapshot();

    QString reason;
    {
        const FileSizeLimit limit(obstacle == Obstacle::DiskRefusesWrite ? 1000 : RLIM_INFINITY);
        QVERIFY(!saveDefaults(DefaultsRecord(), &reason));
    }
    QVERIFY2(!reason.isEmpty() && reason != QFile().errorString(), qPrintable(reason));
    QCOMPARE(directorySnapshot(), before);
    QCOMPARE(QFileInfo::exists("/" + defaultsFileName), rootHeldFile);
}

void TestDefaultsFile::unreadableFileGivesFactoryValues_data()
{
    QTest::addColumn<Obstacle>("obstacle");
    QTest::newRow("folder named Defaut.dat") << Obstacle::FolderInPlace;
    QTest::newRow("current directory removed") << Obstacle::DirectoryRemoved;
}

void TestDefaultsFile::unreadableFileGivesFactoryValues()
{
    QFETCH(Obstacle, obstacle);
    TemporaryWorkingDirectory directory;
    if (obstacle == Obstacle::FolderInPlace)
        QVERIFY(QDir().mkdir(defaultsFileName));
    else
        QVERIFY(QDir(directory.path()).removeRecursively());

    QVERIFY(readDefaultsFile() == DefaultsRecord());
    QCOMPARE(QFileInfo(directory.filePath(defaultsFileName)).isDir(),
             obstacle == Obstacle::FolderInPlace);
}

QTEST_GUILESS_MAIN(TestDefaultsFile)
#include "tst_defaults_file.moc"
