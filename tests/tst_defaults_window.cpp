// The user's usual values through the main window: what Ctrl+S writes to Defaut.dat, what a new
// window shows from the file it finds, the reload (F2, Initialiser) and restore (Ctrl+R)
// commands, and what the user sees when the file cannot be written or read.
#include "file_support.h"
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "program_texts.h"
#include "test_support.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>

#include <fcntl.h>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The volume and degree boxes in the order of their records, 5 to 16.
const QStringList drinkBoxes{u"VOL_K"_s, u"DEG_K"_s, u"VOL_B"_s, u"DEG_B"_s,
                             u"VOL_A"_s, u"DEG_A"_s, u"VOL_V"_s, u"DEG_V"_s,
                             u"VOL_D"_s, u"DEG_D"_s, u"VOL_C"_s, u"DEG_C"_s};
const QStringList countBoxes{u"NB_K"_s, u"NB_B"_s, u"NB_A"_s, u"NB_V"_s, u"NB_D"_s, u"NB_C"_s};
const QStringList factoryDrinks{u"12"_s, u"12"_s, u"25"_s, u"5"_s,  u"4"_s,  u"44"_s,
                                u"12"_s, u"11"_s, u"4"_s,  u"40"_s, u"12"_s, u"12"_s};
const QString fileName = u"Defaut.dat"_s;

// What the tip beside the message panel says after a save into the file at path, from the
// current directory.
QString savedIn(const QString &path)
{
    return u"Valeurs enregistrées dans "_s + QDir::current().absoluteFilePath(path);
}

// A text field as stored: the 8-bit characters padded with blanks to six.
QByteArray text(const QByteArray &characters)
{
    return characters.leftJustified(6, ' ');
}

// A 16-bit code, little-endian.
QByteArray code(char low, char high = 0)
{
    QByteArray bytes(2, low);
    bytes[1] = high;
    return bytes;
}

// The leading value of each record, in file order, as a fresh window saves them: no weight, a
// man of normal build without a meal, the factory volumes and degrees.
QList<QByteArray> factoryRecords()
{
    QList<QByteArray> records{text(""), code(1), code(1), code(0)};
    for (const QString &value : factoryDrinks)
        records << text(value.toLatin1());
    return records;
}

// The file holding these leading values, one per 128-byte record, zeros after each.
QByteArray fileOf(const QList<QByteArray> &records)
{
    QByteArray bytes;
    for (const QByteArray &value : records)
        bytes += value.leftJustified(128, '\0');
    return bytes;
}

// Sixteen records: the factory ones, with the given records (numbered from 1) replaced.
QByteArray savedFile(std::initializer_list<std::pair<int, QByteArray>> changed = {})
{
    QList<QByteArray> records = factoryRecords();
    for (const auto &[number, value] : changed)
        records[number - 1] = value;
    return fileOf(records);
}

// Makes a file read-only while it lives. Permission bits do not stop root, under which the
// tests run, so root also marks the file immutable, where the file system allows it.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QString &path)
        : m_path(path)
    {
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (geteuid() == 0)
            m_immutable = setImmutable(true);
    }
    ~ReadOnlyFile()
    {
        if (m_immutable)
            setImmutable(false);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    bool refusesWrites() const
    {
        QFile file(m_path);
        return !file.open(QIODevice::WriteOnly | QIODevice::Append);
    }

private:
    bool setImmutable(bool immutable) const
    {
        const int descriptor = open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK);
        if (descriptor < 0)
            return false;
        int flags = 0;
        bool done = ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            done = ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
        }
        close(descriptor);
        return done;
    }

    QString m_path;
    bool m_immutable = false;
};

// One step of the user before a command.
struct Edit
{
    enum Kind { Type, Paste, Click, Tick };
    Kind kind = Type;
    QString widget;
    QString text;
};
using Edits = QList<Edit>;

Edit typed(const QString &box, const QString &characters)
{
    return {Edit::Type, box, characters};
}
// Text a keyboard cannot type (accents, signs) arrives as a paste does.
Edit pasted(const QString &box, const QString &characters)
{
    return {Edit::Paste, box, characters};
}
Edit clicked(const QString &button)
{
    return {Edit::Click, button, {}};
}
// A menu item ticked or unticked.
Edit ticked(const QString &item)
{
    return {Edit::Tick, item, {}};
}

// What the window shows of the usual values.
struct Shown
{
    QString weight;
    bool woman = false;
    bool strongBuild = false;
    bool meal = false;
    QStringList drinks = factoryDrinks;
    bool probationary = false; // the 0,2 g/l limit
    bool prudent = false;
};

Shown factoryShown()
{
    return {};
}

enum class Command { Reload, ReloadButton, Restore };

// What may stand at Defaut.dat besides a plain file. "ailleurs/valeurs.dat" stands for a file of
// the user's elsewhere; a foreign link is one that another user planted.
enum class OddFile {
    Fifo,
    LinkToDevice,
    OwnLink,
    OwnDanglingLink,
    ForeignLink,
    ForeignDanglingLink,
    WriteOnlyFile
};

const QString elsewhere = u"ailleurs/valeurs.dat"_s;

// The device a link at Defaut.dat leads to. Root, who could replace /dev/zero itself should the
// save ever write through the link, gets a device node of the test's own, alike.
QString zeroDevice()
{
    return geteuid() == 0 ? u"ailleurs/zero"_s : u"/dev/zero"_s;
}

void plant(OddFile kind, const QByteArray &savedValues)
{
    QVERIFY(QDir().mkdir(u"ailleurs"_s));
    const QByteArray name = QFile::encodeName(fileName);
    switch (kind) {
    case OddFile::Fifo:
        QCOMPARE(mkfifo(name.constData(), 0644), 0);
        return;
    case OddFile::LinkToDevice:
        QVERIFY(QFile::link(zeroDevice(), fileName));
        if (geteuid() == 0)
            QCOMPARE(mknod(QFile::encodeName(zeroDevice()).constData(), S_IFCHR | 0666,
                           makedev(1, 5)),
                     0);
        return;
    case OddFile::WriteOnlyFile:
        writeFile(fileName, savedValues);
        QVERIFY(QFile::setPermissions(fileName, QFile::WriteOwner | QFile::WriteGroup));
        return;
    case OddFile::OwnLink:
    case OddFile::ForeignLink:
        writeFile(elsewhere, savedValues);
        break;
    case OddFile::OwnDanglingLink:
    case OddFile::ForeignDanglingLink:
        break;
    }
    QVERIFY(QFile::link(elsewhere, fileName));
    if (kind == OddFile::ForeignLink || kind == OddFile::ForeignDanglingLink) {
        constexpr uid_t nobody = 65534;
        QCOMPARE(lchown(name.constData(), nobody, nobody), 0);
    }
}

// The permission bits of the file that path names or leads to.
mode_t modeOf(const QString &path)
{
    struct stat status = {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0;
}

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Shown)
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(OddFile)

class TestDefaultsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void saveWritesTheFields_data();
    void saveWritesTheFields();
    void startUpShowsTheFile_data();
    void startUpShowsTheFile();
    void savedWeightCountsAsItsNumber();
    void loadedTextTakesMoreDigits_data();
    void loadedTextTakesMoreDigits();
    void savedValuesComeBack_data();
    void savedValuesComeBack();
    void startUpWithoutUsableFile_data();
    void startUpWithoutUsableFile();
    void failedSaveWarnsAndKeepsEverything_data();
    void failedSaveWarnsAndKeepsEverything();
    void readOnlyFileShownAndKept();
    void oddFileNeitherHoldsUpStartUpNorTakesWrongSave_data();
    void oddFileNeitherHoldsUpStartUpNorTakesWrongSave();
    void startUpRemovesOnlyOldLeftoversOfSaves();
    void commandsClearRedVerdict_data();
    void commandsClearRedVerdict();
    void reloadAfterRestoreBringsSavedValuesBack();
    void reloadShowsWhatTheFileNowHolds_data();
    void reloadShowsWhatTheFileNowHolds();
    void saveTipGoesByItself();

private:
    void startWindow();
    template<typename T = QWidget>
    T *widget(const QString &name) const
    {
        return child<T>(m_window.get(), name);
    }
    QLineEdit *box(const QString &name) const { return widget<QLineEdit>(name); }
    QLabel *label(const QString &name) const { return widget<QLabel>(name); }
    void apply(const Edits &edits);
    void press(const QKeySequence &keys);
    void run(Command command);
    void verifyRedVerdict();
    void verifyShown(const Shown &expected);
    void verifyBlankResult();
    QStringList widgetSnapshot() const;

    std::unique_ptr<TemporaryWorkingDirectory> m_folder;
    std::unique_ptr<MessageBoxWatcher> m_boxes;
    std::unique_ptr<Sobrimetre> m_window;
};

void TestDefaultsWindow::initTestCase()
{
    useFrenchLocale();
}

// Each test lays out its folder first, then starts its window, which reads Defaut.dat.
void TestDefaultsWindow::init()
{
    m_folder = std::make_unique<TemporaryWorkingDirectory>();
    m_boxes = std::make_unique<MessageBoxWatcher>();
    // The tip of an earlier test's save would stand for this one's.
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestDefaultsWindow::cleanup()
{
    m_window.reset();
    m_boxes.reset();
    m_folder.reset();
}

void TestDefaultsWindow::startWindow()
{
    m_window = std::make_unique<Sobrimetre>();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestDefaultsWindow::apply(const Edits &edits)
{
    for (const Edit &edit : edits) {
        switch (edit.kind) {
        case Edit::Type: {
            // Typing replaces the whole text, as after a click into the box.
            QLineEdit *target = box(edit.widget);
            target->setFocus();
            target->selectAll();
            if (edit.text.isEmpty())
                QTest::keyClick(target, Qt::Key_Delete);
            else
                QTest::keyClicks(target, edit.text);
            break;
        }
        case Edit::Paste:
            box(edit.widget)->setFocus();
            box(edit.widget)->setText(edit.text);
            break;
        case Edit::Click:
            QTest::mouseClick(widget(edit.widget), Qt::LeftButton);
            break;
        case Edit::Tick:
            widget<QAction>(edit.widget)->trigger();
            break;
        }
    }
}

// Keys reach the window's menu when it is the active window; a warning just closed leaves no
// window active here, where a user would come back to the window first.
void TestDefaultsWindow::press(const QKeySequence &keys)
{
    if (QApplication::activeWindow() != m_window.get()) {
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    QWidget *focus = QApplication::focusWidget();
    QTest::keySequence(focus != nullptr ? focus : m_window.get(), keys);
}

void TestDefaultsWindow::run(Command command)
{
    switch (command) {
    case Command::Reload:
        press(QKeySequence(Qt::Key_F2));
        break;
    case Command::ReloadButton:
        QTest::mouseClick(widget<QPushButton>(u"BtnIni"_s), Qt::LeftButton);
        break;
    case Command::Restore:
        press(QKeySequence(u"Ctrl+R"_s));
        break;
    }
}

// Far over the limit: red light, every alert sign, the stop message in bold.
void TestDefaultsWindow::verifyRedVerdict()
{
    QVERIFY(widget<Picture>(u"FeuRouge"_s)->isVisible());
    QVERIFY(!widget<Picture>(u"FeuVert"_s)->isVisible());
    QVERIFY(widget<Picture>(u"Alerte3"_s)->isVisible());
    QVERIFY(label(u"Note"_s)->font().bold());
    QVERIFY(label(u"Alcoolémie"_s)->text() != u"0,00"_s);
}

void TestDefaultsWindow::verifyShown(const Shown &expected)
{
    QCOMPARE(box(u"Poids"_s)->text(), expected.weight);
    QCOMPARE(widget<QRadioButton>(u"OptionF"_s)->isChecked(), expected.woman);
    QCOMPARE(widget<QRadioButton>(u"OptionH"_s)->isChecked(), !expected.woman);
    QCOMPARE(widget<QRadioButton>(u"CorpuF"_s)->isChecked(), expected.strongBuild);
    QCOMPARE(widget<QRadioButton>(u"CorpuN"_s)->isChecked(), !expected.strongBuild);
    QCOMPARE(widget<QCheckBox>(u"CocheR"_s)->checkState(),
             expected.meal ? Qt::Checked : Qt::Unchecked);
    QStringList drinks;
    for (const QString &name : drinkBoxes) {
        drinks << box(name)->text();
        QCOMPARE(textColor(box(name)), QColor(Qt::black));
    }
    QCOMPARE(drinks, expected.drinks);
    QCOMPARE(textColor(box(u"Poids"_s)), QColor(Qt::black));
    QCOMPARE(widget<QAction>(u"SeuilProbatoire"_s)->isChecked(), expected.probationary);
    QCOMPARE(m_window->windowTitle().contains(u"0,2"_s), expected.probationary);
    QCOMPARE(widget<QAction>(u"EstimationPrudente"_s)->isChecked(), expected.prudent);
    QCOMPARE(m_window->windowTitle().contains(u"estimation prudente"_s), expected.prudent);
}

// No glasses, one hour, "0,00" on light green with the green light alone, the bar at rest.
void TestDefaultsWindow::verifyBlankResult()
{
    QCOMPARE(readyOf(m_window.get()), qint16(1));
    for (const QString &name : countBoxes)
        QVERIFY2(box(name)->text().isEmpty(), qPrintable(name));
    QCOMPARE(box(u"Délai"_s)->text(), u"1"_s);
    QCOMPARE(textColor(box(u"Délai"_s)), QColor(Qt::black));
    QCOMPARE(label(u"Etiquette14"_s)->text(), u"heure"_s);
    const QLabel *level = label(u"Alcoolémie"_s);
    QCOMPARE(level->text(), u"0,00"_s);
    QCOMPARE(backgroundColor(level), fromBgr(0x80FF80));
    QCOMPARE(textColor(level), QColor(Qt::black));
    QCOMPARE(label(u"Attente"_s)->text(), u"0"_s);
    QCOMPARE(label(u"Etiquette15"_s)->text(), u"heure"_s);
    QVERIFY(!widget<Picture>(u"FeuVert"_s)->isHidden());
    for (const QString &name :
         {u"FeuJaune"_s, u"FeuRouge"_s, u"Alerte1"_s, u"Alerte2"_s, u"Alerte3"_s})
        QVERIFY2(widget<Picture>(name)->isHidden(), qPrintable(name));
    const Shape *bar = widget<Shape>(u"Colonne"_s);
    QCOMPARE(bar->twipsHeight(), 15.0f);
    QCOMPARE(bar->top(), 4500.0f);
    QCOMPARE(label(u"Note"_s)->text(), instructionText);
}

// Everything a user sees change in the window: texts, colours, selections and visibility.
QStringList TestDefaultsWindow::widgetSnapshot() const
{
    QStringList snapshot;
    for (const QWidget *child : m_window->findChildren<QWidget *>()) {
        // The tip that a save shows stands beside the window, not in it.
        if (child->windowType() == Qt::ToolTip)
            continue;
        QString state = child->objectName() + u' ' + textColor(child).name() + u' '
                        + backgroundColor(child).name()
                        + (child->isHidden() ? u" hidden"_s : u""_s);
        if (const auto *edit = qobject_cast<const QLineEdit *>(child))
            state += u' ' + edit->text();
        else if (const auto *label = qobject_cast<const QLabel *>(child))
            state += u' ' + label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(child))
            state += button->isChecked() ? u" checked"_s : u""_s;
        snapshot << state;
    }
    const Shape *bar = widget<Shape>(u"Colonne"_s);
    snapshot << QString::number(bar->top()) << QString::number(bar->twipsHeight());
    return snapshot;
}

void TestDefaultsWindow::saveWritesTheFields_data()
{
    QTest::addColumn<QByteArray>("oldFile");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray none;
    QTest::newRow("weight 72 stored as 72 and four blanks")
            << none << Edits{typed(u"Poids"_s, u"72"_s)} << savedFile({{1, "72    "}});
    QTest::newRow("woman, strong build, no meal stored as 2, 2, 0")
            << none
            << Edits{typed(u"Poids"_s, u"70"_s), clicked(u"OptionF"_s), clicked(u"CorpuF"_s)}
            << savedFile({{1, text("70")}, {2, code(2)}, {3, code(2)}, {4, code(0)}});
    QTest::newRow("man, normal build, meal stored as 1, 1, 1")
            << none << Edits{typed(u"Poids"_s, u"70"_s), clicked(u"CocheR"_s)}
            << savedFile({{1, text("70")}, {2, code(1)}, {3, code(1)}, {4, code(1)}});
    QTest::newRow("empty weight stored blank") << none << Edits{} << savedFile();
    // The window asks for a weight and empties the box; the save then finds it empty.
    QTest::newRow("weight 0 stored blank")
            << none << Edits{typed(u"Poids"_s, u"0"_s)} << savedFile();
    QTest::newRow("negative weight stored blank")
            << none << Edits{pasted(u"Poids"_s, u"-5"_s)} << savedFile();
    QTest::newRow("weight followed by a unit kept as typed")
            << none << Edits{typed(u"Poids"_s, u"72kg"_s)} << savedFile({{1, text("72kg")}});
    QTest::newRow("seventh character of a volume not taken, six stored whole")
            << none << Edits{typed(u"Poids"_s, u"72"_s), typed(u"VOL_B"_s, u"1234567"_s)}
            << savedFile({{1, text("72")}, {7, "123456"}});
    QTest::newRow("é stored as the byte E9")
            << none << Edits{typed(u"Poids"_s, u"72"_s), pasted(u"DEG_K"_s, u"é"_s)}
            << savedFile({{1, text("72")}, {6, text("\xE9")}});
    QTest::newRow("euro sign stored as the byte 80")
            << none << Edits{typed(u"Poids"_s, u"72"_s), pasted(u"VOL_C"_s, u"5€"_s)}
            << savedFile({{1, text("72")}, {15, text("5\x80")}});
    QTest::newRow("emptied volume stored blank")
            << none << Edits{typed(u"Poids"_s, u"72"_s), typed(u"VOL_A"_s, u""_s)}
            << savedFile({{1, text("72")}, {9, text("")}});
    QTest::newRow("glass counts and delay not stored")
            << none
            << Edits{typed(u"Poids"_s, u"72"_s), typed(u"NB_B"_s, u"3"_s),
                     typed(u"Délai"_s, u"4"_s)}
            << savedFile({{1, text("72")}});
    QTest::newRow("0,2 limit on: a 17th record holds code 1")
            << none << Edits{typed(u"Poids"_s, u"72"_s), ticked(u"SeuilProbatoire"_s)}
            << savedFile({{1, text("72")}}) + fileOf({code(1)});
    QTest::newRow("0,2 limit on then off: 16 records as ever")
            << none
            << Edits{typed(u"Poids"_s, u"72"_s), ticked(u"SeuilProbatoire"_s),
                     ticked(u"SeuilProbatoire"_s)}
            << savedFile({{1, text("72")}});
    QTest::newRow("prudent estimate on: 18 records, the 17th of code 0, the 18th of code 1")
            << none << Edits{typed(u"Poids"_s, u"72"_s), ticked(u"EstimationPrudente"_s)}
            << savedFile({{1, text("72")}}) + fileOf({code(0), code(1)});
    QTest::newRow("both options on: the 17th and the 18th of code 1")
            << none
            << Edits{typed(u"Poids"_s, u"72"_s), ticked(u"SeuilProbatoire"_s),
                     ticked(u"EstimationPrudente"_s)}
            << savedFile({{1, text("72")}}) + fileOf({code(1), code(1)});
    QTest::newRow("prudent estimate on then off: 16 records as ever")
            << none
            << Edits{typed(u"Poids"_s, u"72"_s), ticked(u"EstimationPrudente"_s),
                     ticked(u"EstimationPrudente"_s)}
            << savedFile({{1, text("72")}});

    // Its codes 0x7878 read as a woman of strong build without a meal, its texts as "xxxxxx".
    QList<QByteArray> fromOldFile{text("72"), code(2), code(2), code(0)};
    for (qsizetype i = 0; i < drinkBoxes.size(); ++i)
        fromOldFile << text("xxxxxx");
    QTest::newRow("longer old file replaced by exactly 16 records")
            << QByteArray(3000, 'x') << Edits{typed(u"Poids"_s, u"72"_s)} << fileOf(fromOldFile);
}

void TestDefaultsWindow::saveWritesTheFields()
{
    QFETCH(QByteArray, oldFile);
    QFETCH(Edits, edits);
    QFETCH(QByteArray, expected);
    if (!oldFile.isEmpty())
        writeFile(fileName, oldFile);
    startWindow();
    apply(edits);
    const QStringList before = widgetSnapshot();

    const int boxesBefore = m_boxes->count();
    press(QKeySequence(u"Ctrl+S"_s));
    QCOMPARE(m_boxes->count(), boxesBefore);

    const QByteArray saved = contentOf(m_folder->filePath(fileName));
    QCOMPARE(saved.size(), expected.size());
    QCOMPARE(saved.toHex(' '), expected.toHex(' '));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), savedIn(fileName));
    QCOMPARE(widgetSnapshot(), before);
    QCOMPARE(QDir(u"."_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{fileName});
}

void TestDefaultsWindow::startUpShowsTheFile_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Shown>("expected");

    QTest::newRow("missing file created empty, factory values shown")
            << false << QByteArray() << factoryShown();
    QTest::newRow("0-byte file like a missing one") << true << QByteArray() << factoryShown();

    const QByteArray threeRecords = fileOf({text("80"), code(2), code(2)});
    Shown firstThree;
    firstThree.weight = u"80"_s;
    firstThree.woman = true;
    firstThree.strongBuild = true;
    QTest::newRow("three records, the rest factory") << true << threeRecords << firstThree;

    Shown sexThree;
    sexThree.woman = true;
    sexThree.meal = true;
    QTest::newRow("sex code 3 selects woman")
            << true << savedFile({{2, code(3)}, {4, code(1)}}) << sexThree;

    Shown mealTwo;
    mealTwo.strongBuild = true;
    QTest::newRow("meal code 2 leaves the box unchecked, corpulence 0 is strong")
            << true << savedFile({{3, code(0)}, {4, code(2)}}) << mealTwo;

    Shown zeroText;
    zeroText.drinks[2] = QString();
    QTest::newRow("record of zero bytes leaves its box empty")
            << true << savedFile({{7, QByteArray(6, '\0')}}) << zeroText;

    Shown noWeight;
    QTest::newRow("weight 0 leaves Poids empty") << true << savedFile({{1, text("0")}}) << noWeight;
    QTest::newRow("negative weight leaves Poids empty")
            << true << savedFile({{1, text("-70")}}) << noWeight;

    Shown accents;
    accents.weight = u"72kg"_s;
    accents.drinks[0] = u"é"_s;
    accents.drinks[11] = u"12€"_s;
    QTest::newRow("8-bit characters read back as typed")
            << true << savedFile({{1, text("72kg")}, {5, text("\xE9")}, {16, text("12\x80")}})
            << accents;

    Shown blankVolume;
    blankVolume.drinks[4] = QString();
    QTest::newRow("saved blank volume comes back empty")
            << true << savedFile({{9, text("")}}) << blankVolume;

    Shown whole;
    whole.weight = u"64"_s;
    Shown probationary;
    probationary.probationary = true;
    QTest::newRow("17th record of code 1: the 0,2 limit on")
            << true << savedFile() + fileOf({code(1)}) << probationary;
    Shown standard;
    QTest::newRow("17th record of code 2: the limit stays off")
            << true << savedFile() + fileOf({code(2)}) << standard;
    QTest::newRow("17th record cut short: the limit stays off")
            << true << savedFile() + code(1) << standard;
    Shown prudent = standard;
    prudent.prudent = true;
    QTest::newRow("18th record of code 1: the prudent estimate on, the limit as the 17th says")
            << true << savedFile() + fileOf({code(0), code(1)}) << prudent;
    QTest::newRow("18th record of code 2: the prudent estimate stays off")
            << true << savedFile() + fileOf({code(0), code(2)}) << standard;
    QTest::newRow("18th record cut short: the prudent estimate stays off")
            << true << savedFile() + fileOf({code(0)}) + code(1) << standard;

    QTest::newRow("bytes past the 16 records ignored")
            << true << savedFile({{1, text("64")}}) + QByteArray(500, 'x') << whole;
}

void TestDefaultsWindow::startUpShowsTheFile()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, file);
    QFETCH(Shown, expected);
    if (fileExists)
        writeFile(fileName, file);

    startWindow();
    QCOMPARE(m_boxes->count(), 0);
    verifyShown(expected);
    verifyBlankResult();
    QCOMPARE(textColor(label(u"Note"_s)), fromBgr(0x008000));
    QVERIFY(!label(u"Note"_s)->font().bold());
    // The file is read, never written.
    QVERIFY(QFileInfo(m_folder->filePath(fileName)).isFile());
    QCOMPARE(contentOf(m_folder->filePath(fileName)), file);
}

void TestDefaultsWindow::savedWeightCountsAsItsNumber()
{
    writeFile(fileName, fileOf({text("80")}));
    startWindow();
    QCOMPARE(box(u"Poids"_s)->text(), u"80"_s);

    apply({typed(u"NB_B"_s, u"2"_s)});
    QCOMPARE(m_boxes->count(), 0);
    const QString level = label(u"Alcoolémie"_s)->text();
    QVERIFY(level != u"0,00"_s);
    apply({typed(u"Poids"_s, u"40"_s)});
    QVERIFY(label(u"Alcoolémie"_s)->text() != level);
    apply({typed(u"Poids"_s, u"80"_s)});
    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
}

// A loaded value comes without the blanks that pad it in the file: End then a digit adds the
// digit, where six characters would have filled the box.
void TestDefaultsWindow::loadedTextTakesMoreDigits_data()
{
    QTest::addColumn<bool>("reloaded"); // by F2 rather than at start-up
    QTest::addColumn<QString>("name");

    QTest::newRow("weight at start-up") << false << u"Poids"_s;
    QTest::newRow("weight after F2") << true << u"Poids"_s;
    QTest::newRow("wine volume at start-up") << false << u"VOL_V"_s;
    QTest::newRow("champagne degree after F2") << true << u"DEG_C"_s;
}

void TestDefaultsWindow::loadedTextTakesMoreDigits()
{
    QFETCH(bool, reloaded);
    QFETCH(QString, name);
    const QByteArray file = savedFile({{1, text("82")}, {11, text("82")}, {16, text("82")}});
    if (reloaded) {
        startWindow();
        writeFile(fileName, file);
        press(QKeySequence(Qt::Key_F2));
    } else {
        writeFile(fileName, file);
        startWindow();
    }

    QLineEdit *loaded = box(name);
    QCOMPARE(loaded->text(), u"82"_s);
    loaded->setFocus();
    QTest::keyClick(loaded, Qt::Key_End);
    QTest::keyClick(loaded, Qt::Key_5);
    QCOMPARE(loaded->text(), u"825"_s);
    QCOMPARE(contentOf(m_folder->filePath(fileName)), file);
}

void TestDefaultsWindow::savedValuesComeBack_data()
{
    QTest::addColumn<bool>("newWindow");
    QTest::addColumn<Command>("command");

    QTest::newRow("in a new window") << true << Command::Reload;
    QTest::newRow("after F2") << false << Command::Reload;
    QTest::newRow("after the Initialiser button") << false << Command::ReloadButton;
}

void TestDefaultsWindow::savedValuesComeBack()
{
    QFETCH(bool, newWindow);
    QFETCH(Command, command);
    startWindow();
    apply({typed(u"Poids"_s, u"72.5"_s), clicked(u"OptionF"_s), clicked(u"CorpuF"_s),
           clicked(u"CocheR"_s), typed(u"VOL_K"_s, u""_s), typed(u"DEG_K"_s, u"123456"_s),
           typed(u"VOL_B"_s, u"50"_s), pasted(u"DEG_B"_s, u"8°"_s), typed(u"NB_B"_s, u"3"_s),
           typed(u"NB_C"_s, u"1"_s), typed(u"Délai"_s, u"4"_s)});
    QCOMPARE(m_boxes->count(), 0);
    press(QKeySequence(u"Ctrl+S"_s));

    if (newWindow) {
        m_window.reset();
        startWindow();
    } else {
        run(command);
    }
    Shown expected;
    expected.weight = u"72.5"_s;
    expected.woman = true;
    expected.strongBuild = true;
    expected.meal = true;
    expected.drinks[0] = QString();
    expected.drinks[1] = u"123456"_s;
    expected.drinks[2] = u"50"_s;
    expected.drinks[3] = u"8°"_s;
    verifyShown(expected);
    verifyBlankResult();
    QCOMPARE(m_boxes->count(), 0);
}

void TestDefaultsWindow::startUpWithoutUsableFile_data()
{
    QTest::addColumn<bool>("folderInPlace");

    QTest::newRow("folder named Defaut.dat") << true;
    QTest::newRow("current directory removed") << false;
}

void TestDefaultsWindow::startUpWithoutUsableFile()
{
    QFETCH(bool, folderInPlace);
    if (folderInPlace) {
        QVERIFY(QDir().mkdir(fileName));
        writeFile(fileName + u"/notes.txt"_s, "kept");
    } else {
        QVERIFY(QDir(m_folder->path()).removeRecursively());
    }
    const QStringList before = directorySnapshot();

    startWindow();
    QCOMPARE(m_boxes->count(), 0);
    verifyShown(factoryShown());
    verifyBlankResult();
    QCOMPARE(directorySnapshot(), before);
    QCOMPARE(QFileInfo(m_folder->filePath(fileName)).isDir(), folderInPlace);
}

void TestDefaultsWindow::failedSaveWarnsAndKeepsEverything_data()
{
    QTest::addColumn<bool>("folderInPlace");

    QTest::newRow("folder named Defaut.dat") << true;
    QTest::newRow("current directory removed after start-up") << false;
}

void TestDefaultsWindow::failedSaveWarnsAndKeepsEverything()
{
    QFETCH(bool, folderInPlace);
    if (folderInPlace) {
        QVERIFY(QDir().mkdir(fileName));
        writeFile(fileName + u"/notes.txt"_s, "kept");
    } else {
        writeFile(fileName, savedFile({{1, text("64")}}));
    }
    startWindow();
    apply({typed(u"Poids"_s, u"72"_s), clicked(u"OptionF"_s), typed(u"VOL_B"_s, u"50"_s),
           typed(u"NB_B"_s, u"2"_s)});
    if (!folderInPlace)
        QVERIFY(QDir(m_folder->path()).removeRecursively());
    const QStringList widgetsBefore = widgetSnapshot();
    const QStringList directoryBefore = directorySnapshot();
    QCOMPARE(m_boxes->count(), 0);

    press(QKeySequence(u"Ctrl+S"_s));
    QTRY_COMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->titles(), QStringList{warningTitle});
    QCOMPARE(m_boxes->lastIcon(), QMessageBox::Warning);
    const QString message = m_boxes->texts().constFirst();
    QVERIFY2(message.startsWith(saveFailureText), qPrintable(message));
    // The system's reason follows.
    QVERIFY2(message.size() > saveFailureText.size() + 3, qPrintable(message));
    QVERIFY(!QToolTip::isVisible());
    QCOMPARE(widgetSnapshot(), widgetsBefore);
    QCOMPARE(directorySnapshot(), directoryBefore);
    QCOMPARE(QFileInfo(m_folder->filePath(fileName)).isDir(), folderInPlace);
    QCOMPARE(QFileInfo::exists(m_folder->path()), folderInPlace);
}

void TestDefaultsWindow::readOnlyFileShownAndKept()
{
    const QByteArray file = savedFile({{1, text("64")}, {2, code(2)}, {8, text("6")}});
    writeFile(fileName, file);
    const ReadOnlyFile readOnly(m_folder->filePath(fileName));
    if (!readOnly.refusesWrites())
        QSKIP("This file system cannot make a file read-only for this user");

    startWindow();
    Shown saved;
    saved.weight = u"64"_s;
    saved.woman = true;
    saved.drinks[3] = u"6"_s;
    verifyShown(saved);
    QCOMPARE(m_boxes->count(), 0);

    apply({typed(u"Poids"_s, u"72"_s)});
    press(QKeySequence(u"Ctrl+S"_s));
    QCOMPARE(m_boxes->count(), 1);
    QVERIFY2(m_boxes->texts().constFirst().startsWith(saveFailureText),
             qPrintable(m_boxes->texts().constFirst()));
    QCOMPARE(contentOf(m_folder->filePath(fileName)), file);
    QCOMPARE(QDir(u"."_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{fileName});
}

void TestDefaultsWindow::oddFileNeitherHoldsUpStartUpNorTakesWrongSave_data()
{
    QTest::addColumn<OddFile>("kind");
    QTest::addColumn<bool>("savedValuesShown");
    QTest::addColumn<QString>("saveRefusal"); // empty when the save goes through

    const QString notAFile = u" n'est pas un fichier ordinaire."_s;
    const QString foreignLink
            = u"le lien symbolique Defaut.dat appartient à un autre utilisateur."_s;
    QTest::newRow("FIFO") << OddFile::Fifo << false << fileName + notAFile;
    QTest::newRow("link to a device like /dev/zero")
            << OddFile::LinkToDevice << false << zeroDevice() + notAFile;
    QTest::newRow("own link to a file elsewhere") << OddFile::OwnLink << true << QString();
    QTest::newRow("own link to a file yet to be made")
            << OddFile::OwnDanglingLink << false << QString();
    QTest::newRow("foreign link to a file of the user")
            << OddFile::ForeignLink << false << foreignLink;
    QTest::newRow("foreign link to a missing file")
            << OddFile::ForeignDanglingLink << false << foreignLink;
    // Permission bits do not stop root, who reads the file anyway.
    QTest::newRow("file the user may write but not read")
            << OddFile::WriteOnlyFile << (geteuid() == 0) << QString();
}

void TestDefaultsWindow::oddFileNeitherHoldsUpStartUpNorTakesWrongSave()
{
    QFETCH(OddFile, kind);
    QFETCH(bool, savedValuesShown);
    QFETCH(QString, saveRefusal);
    const bool foreign = kind == OddFile::ForeignLink || kind == OddFile::ForeignDanglingLink;
    if (foreign && geteuid() != 0)
        QSKIP("Only root can give a link to another user");
    plant(kind, savedFile({{1, text("64")}}));
    const QStringList planted = directorySnapshot();

    startWindow();
    Shown expected;
    if (savedValuesShown) {
        expected.weight = u"64"_s;
    }
    verifyShown(expected);
    QCOMPARE(m_boxes->count(), 0);
    if (kind == OddFile::OwnDanglingLink)
        QCOMPARE(contentOf(elsewhere), QByteArray());
    else
        QCOMPARE(directorySnapshot(), planted);

    apply({typed(u"Poids"_s, u"72"_s)});
    const QStringList beforeSave = directorySnapshot();
    const mode_t modeBeforeSave = modeOf(fileName);
    press(QKeySequence(u"Ctrl+S"_s));
    if (saveRefusal.isEmpty()) {
        QCOMPARE(m_boxes->count(), 0);
        QCOMPARE(contentOf(fileName).left(6), text("72"));
        QCOMPARE(modeOf(fileName), modeBeforeSave | S_IRUSR | S_IWUSR);
        QCOMPARE(QFileInfo(fileName).isSymLink(), kind != OddFile::WriteOnlyFile);
        QCOMPARE(QToolTip::text(), savedIn(kind == OddFile::WriteOnlyFile ? fileName : elsewhere));
    } else {
        QTRY_COMPARE(m_boxes->count(), 1);
        QCOMPARE(m_boxes->texts().constFirst(), saveFailureText + u" : "_s + saveRefusal);
        QCOMPARE(directorySnapshot(), beforeSave);
        QVERIFY(!QToolTip::isVisible());
    }
}

void TestDefaultsWindow::startUpRemovesOnlyOldLeftoversOfSaves()
{
    const QDateTime twoMinutesAgo = QDateTime::currentDateTime().addSecs(-120);
    const QString oldLeftover = u".Defaut.dat.sobrimetre-a1B2c3"_s;
    const QString saveInProgress = u".Defaut.dat.sobrimetre-d4E5f6"_s;
    // The user's own copies, whatever their names look like.
    const QStringList lookAlikes = {u".Defaut.dat.sobrimetre-a1B2c"_s, u"Defaut.dat.202401"_s,
                                    u"Defaut.dat.backup"_s, u"Defaut.dat.old"_s};
    for (const QString &name : lookAlikes + QStringList{oldLeftover, saveInProgress})
        writeFile(name, savedFile());
    for (const QString &name : lookAlikes + QStringList{oldLeftover}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(twoMinutesAgo, QFileDevice::FileModificationTime));
    }

    startWindow();
    QStringList kept = lookAlikes + QStringList{fileName, saveInProgress};
    kept.sort();
    QCOMPARE(QDir(u"."_s).entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
}

void TestDefaultsWindow::commandsClearRedVerdict_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<Shown>("expected");
    QTest::addColumn<QColor>("noteColor");
    QTest::addColumn<bool>("noteBold");

    Shown saved;
    saved.woman = true;
    saved.strongBuild = true;
    saved.meal = true;
    saved.drinks[2] = u"50"_s;
    saved.drinks[3] = u"8"_s;
    const QColor green = fromBgr(0x008000);
    QTest::newRow("F2 reloads the saved values") << Command::Reload << saved << green << false;
    QTest::newRow("Initialiser button reloads the saved values")
            << Command::ReloadButton << saved << green << false;
    QTest::newRow("Ctrl+R restores the factory values, message dark blue and still bold")
            << Command::Restore << factoryShown() << QColor(0, 0, 192) << true;
}

void TestDefaultsWindow::commandsClearRedVerdict()
{
    QFETCH(Command, command);
    QFETCH(Shown, expected);
    QFETCH(QColor, noteColor);
    QFETCH(bool, noteBold);
    // Saved without a weight, so that a recompute after the command would ask for one.
    const QByteArray file = savedFile(
            {{2, code(2)}, {3, code(2)}, {4, code(1)}, {7, text("50")}, {8, text("8")}});
    writeFile(fileName, file);
    startWindow();
    apply({typed(u"Poids"_s, u"60"_s), clicked(u"OptionH"_s), clicked(u"CocheR"_s),
           typed(u"VOL_B"_s, u"33"_s), typed(u"NB_K"_s, u"9"_s), ticked(u"EstimationPrudente"_s)});
    verifyRedVerdict();
    box(u"VOL_B"_s)->setFocus();
    const double noteSize = label(u"Note"_s)->font().pointSizeF();
    const int boxesBefore = m_boxes->count();

    run(command);
    QCOMPARE(m_boxes->count(), boxesBefore);
    verifyShown(expected);
    verifyBlankResult();
    QCOMPARE(textColor(label(u"Note"_s)), noteColor);
    QCOMPARE(label(u"Note"_s)->font().bold(), noteBold);
    QCOMPARE(label(u"Note"_s)->font().pointSizeF(), noteSize);
    if (command != Command::Restore)
        QCOMPARE(QApplication::focusWidget(), box(u"Poids"_s));
    QCOMPARE(contentOf(m_folder->filePath(fileName)), file);

    // The next edit recomputes and marks again.
    apply({typed(u"Poids"_s, u"70"_s)});
    QCOMPARE(textColor(box(u"Poids"_s)), fromBgr(0x000080));
    QCOMPARE(m_boxes->count(), boxesBefore);
}

void TestDefaultsWindow::reloadAfterRestoreBringsSavedValuesBack()
{
    const QByteArray file
            = savedFile({{1, text("64")}, {2, code(2)}, {11, text("15")}, {12, text("13.5")}})
              + fileOf({code(1)});
    writeFile(fileName, file);
    startWindow();
    press(QKeySequence(u"Ctrl+R"_s));
    verifyShown(factoryShown());

    press(QKeySequence(Qt::Key_F2));
    Shown saved;
    saved.weight = u"64"_s;
    saved.woman = true;
    saved.drinks[6] = u"15"_s;
    saved.drinks[7] = u"13.5"_s;
    saved.probationary = true;
    verifyShown(saved);
    verifyBlankResult();
    QCOMPARE(contentOf(m_folder->filePath(fileName)), file);
    QCOMPARE(m_boxes->count(), 0);
}

// The file changes behind the window's back: F2 shows what it holds now, and the factory value
// for every value it lacks, never a value of the file read before.
void TestDefaultsWindow::reloadShowsWhatTheFileNowHolds_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<Shown>("expected");

    QTest::newRow("file deleted: created empty, factory values") << u"delete"_s << factoryShown();
    Shown firstThree;
    firstThree.weight = u"80"_s;
    QTest::newRow("shorter file: its three records, the rest factory")
            << u"shorten"_s << firstThree;
    QTest::newRow("folder in its place: nothing to read, factory values")
            << u"folder"_s << factoryShown();
}

void TestDefaultsWindow::reloadShowsWhatTheFileNowHolds()
{
    QFETCH(QString, change);
    QFETCH(Shown, expected);
    QList<QByteArray> before{text("64"), code(2), code(2), code(1)};
    for (int drink = 0; drink < 12; ++drink)
        before << text("7");
    writeFile(fileName, fileOf(before));
    startWindow();
    QCOMPARE(box(u"Poids"_s)->text(), u"64"_s);

    QVERIFY(QFile::remove(fileName));
    if (change == u"shorten"_s)
        writeFile(fileName, fileOf({text("80"), code(1), code(1)}));
    else if (change == u"folder"_s)
        QVERIFY(QDir().mkdir(fileName));
    press(QKeySequence(Qt::Key_F2));

    QCOMPARE(m_boxes->count(), 0);
    verifyShown(expected);
    verifyBlankResult();
}

// The tip that tells where the values went stays a few seconds, then goes by itself.
void TestDefaultsWindow::saveTipGoesByItself()
{
    startWindow();
    press(QKeySequence(u"Ctrl+S"_s));
    QVERIFY(QToolTip::isVisible());
    QTest::qWait(2000);
    QVERIFY(QToolTip::isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 3000);
}

QTEST_MAIN(TestDefaultsWindow)
#include "tst_defaults_window.moc"
