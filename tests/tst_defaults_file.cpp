// Defaut.dat on disk: the save writes exactly the 16 records and never loses the saved values,
// and the reading creates a missing file and never fails visibly.
#include "defaults/defaults_file.h"
#include "defaults/defaults_format.h"
#include "defaults/temporary_files.h"
#include "file_support.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Sets the file mode mask of the process while it lives.
class FileModeMask
{
public:
    explicit FileModeMask(mode_t mask)
        : m_previous(umask(mask))
    { }
    ~FileModeMask() { umask(m_previous); }
    FileModeMask(const FileModeMask &) = delete;
    FileModeMask &operator=(const FileModeMask &) = delete;

private:
    mode_t m_previous;
};

mode_t permissionsOf(const QString &path)
{
    struct stat status = {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777
                                                                    : 07777;
}

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
    void savedFileKeepsItsOwnersRights_data();
    void savedFileKeepsItsOwnersRights();
    void temporaryFileIsPrivateFromItsCreation();
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

void TestDefaultsFile::savedFileKeepsItsOwnersRights_data()
{
    QTest::addColumn<mode_t>("mask");
    QTest::addColumn<int>("oldMode"); // -1: start-up creates the file
    QTest::addColumn<mode_t>("afterStartUp");
    QTest::addColumn<mode_t>("afterSave");

    QTest::newRow("created by start-up under the usual mask")
            << mode_t(022) << -1 << mode_t(0644) << mode_t(0644);
    QTest::newRow("created by start-up under mask 0277, still saved")
            << mode_t(0277) << -1 << mode_t(0600) << mode_t(0600);
    QTest::newRow("old file's 0640 kept") << mode_t(022) << 0640 << mode_t(0640) << mode_t(0640);
    QTest::newRow("old file's 0604 kept under mask 0277")
            << mode_t(0277) << 0604 << mode_t(0604) << mode_t(0604);
}

void TestDefaultsFile::savedFileKeepsItsOwnersRights()
{
    QFETCH(mode_t, mask);
    QFETCH(int, oldMode);
    QFETCH(mode_t, afterStartUp);
    QFETCH(mode_t, afterSave);
    TemporaryWorkingDirectory directory;
    const FileModeMask fileModeMask(mask);
    if (oldMode >= 0) {
        writeFile(defaultsFileName, bytesOf(writeDefaults(someSavedValues())));
        QVERIFY(QFile::setPermissions(defaultsFileName, QFile::Permissions()));
        QCOMPARE(chmod(QFile::encodeName(defaultsFileName).constData(), oldMode), 0);
    }

    readDefaultsFile();
    QCOMPARE(permissionsOf(defaultsFileName), afterStartUp);
    QString reason;
    QVERIFY2(saveDefaults(someSavedValues(), &reason), qPrintable(reason));
    QCOMPARE(permissionsOf(defaultsFileName), afterSave);
}

// Another user who opens the file while it is written would read the values.
void TestDefaultsFile::temporaryFileIsPrivateFromItsCreation()
{
    TemporaryWorkingDirectory directory;
    const FileModeMask noMask(0);
    std::string name;
    const int descriptor = createTemporaryIn(AT_FDCWD, "Defaut.dat", &name);
    QVERIFY(descriptor >= 0);
    struct stat status = {};
    QCOMPARE(fstat(descriptor, &status), 0);
    close(descriptor);
    QCOMPARE(status.st_mode & 07777, mode_t(0600));
    QVERIFY2(name.starts_with(".Defaut.dat.sobrimetre-"), name.c_str());
}

QTEST_GUILESS_MAIN(TestDefaultsFile)
#include "tst_defaults_file.moc"
