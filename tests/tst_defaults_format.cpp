// The bytes of Defaut.dat without any file: where each value goes, how texts are coded, how
// short or odd files read back, and which weight the save command keeps.
#include "defaults/defaults_format.h"
#include "defaults/weight_field.h"
#include "defaults/windows_1252.h"

#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(DefaultsRecord)

namespace {

using Change = std::function<void(DefaultsRecord &)>;

QByteArray bytesOf(const std::string &bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string_view viewOf(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// A record as the file holds it: value at the start, zero bytes up to 128.
QByteArray recordBytes(const QByteArray &value)
{
    return value + QByteArray(static_cast<qsizetype>(defaultsRecordSize) - value.size(), '\0');
}

QByteArray code(int low, int high)
{
    return QByteArray(1, static_cast<char>(low)) + QByteArray(1, static_cast<char>(high));
}

// A factory text as it comes back from a saved file.
std::string padded(std::string text)
{
    text.resize(textFieldLength, ' ');
    return text;
}

DefaultsRecord changed(const Change &change)
{
    DefaultsRecord record;
    change(record);
    return record;
}

} // namespace

class TestDefaultsFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshRecordHoldsFactoryValues();
    void writesEachValueAtItsRecord_data();
    void writesEachValueAtItsRecord();
    void writesCategoriesInScreenOrder();
    void optionRecords_data();
    void optionRecords();
    void codePage_data();
    void codePage();
    void storesUnmappableAsQuestionMark_data();
    void storesUnmappableAsQuestionMark();
    void reads_data();
    void reads();
    void savedValuesComeBack_data();
    void savedValuesComeBack();
    void weightField_data();
    void weightField();
};

void TestDefaultsFormat::freshRecordHoldsFactoryValues()
{
    const DefaultsRecord record;
    QCOMPARE(record.weight, "");
    QCOMPARE(record.sexCode, sexMan);
    QCOMPARE(record.corpulenceCode, corpulenceNormal);
    QCOMPARE(record.mealCode, noMeal);
    const auto factory = [&record](DrinkCategory category) {
        return record[category].volume + "/" + record[category].degree;
    };
    QCOMPARE(factory(DrinkCategory::K), "12/12");
    QCOMPARE(factory(DrinkCategory::B), "25/5");
    QCOMPARE(factory(DrinkCategory::A), "4/44");
    QCOMPARE(factory(DrinkCategory::V), "12/11");
    QCOMPARE(factory(DrinkCategory::D), "4/40");
    QCOMPARE(factory(DrinkCategory::C), "12/12");
}

void TestDefaultsFormat::writesEachValueAtItsRecord_data()
{
    QTest::addColumn<DefaultsRecord>("record");
    QTest::addColumn<int>("recordNumber");
    QTest::addColumn<QByteArray>("value");

    const auto weight = [](const char *text) {
        return changed([text](DefaultsRecord &r) { r.weight = text; });
    };
    const auto volumeK = [](const char *text) {
        return changed([text](DefaultsRecord &r) { r[DrinkCategory::K].volume = text; });
    };
    QTest::newRow("weight 72 padded with blanks") << weight("72") << 1 << QByteArray("72    ");
    QTest::newRow("empty weight is six blanks") << weight("") << 1 << QByteArray("      ");
    QTest::newRow("text of six kept whole") << weight("123.45") << 1 << QByteArray("123.45");
    QTest::newRow("longer text cut to six") << volumeK("1234567") << 5 << QByteArray("123456");
    QTest::newRow("accented letters count as one character")
            << volumeK("éèàùçô€") << 5 << QByteArray("\xE9\xE8\xE0\xF9\xE7\xF4");
    QTest::newRow("é stored as 0xE9") << volumeK("é") << 5 << QByteArray("\xE9     ");
    QTest::newRow("€ stored as 0x80") << volumeK("5€") << 5 << QByteArray("5\x80    ");
    QTest::newRow("ĉ has no byte, stored as ?") << volumeK("ĉ1") << 5 << QByteArray("?1    ");
    QTest::newRow("woman") << changed([](DefaultsRecord &r) { r.sexCode = sexWoman; }) << 2
                           << code(2, 0);
    QTest::newRow("strong corpulence")
            << changed([](DefaultsRecord &r) { r.corpulenceCode = corpulenceStrong; }) << 3
            << code(2, 0);
    QTest::newRow("no meal") << DefaultsRecord() << 4 << code(0, 0);
    QTest::newRow("meal") << changed([](DefaultsRecord &r) { r.mealCode = mealTaken; }) << 4
                          << code(1, 0);
    QTest::newRow("code low byte first")
            << changed([](DefaultsRecord &r) { r.sexCode = 0x0102; }) << 2 << code(0x02, 0x01);
    QTest::newRow("negative code in two's complement")
            << changed([](DefaultsRecord &r) { r.mealCode = -2; }) << 4 << code(0xFE, 0xFF);
    QTest::newRow("factory volume of apéritifs") << DefaultsRecord() << 9 << QByteArray("4     ");
    QTest::newRow("factory degree of champagne") << DefaultsRecord() << 16 << QByteArray("12    ");
}

void TestDefaultsFormat::writesEachValueAtItsRecord()
{
    QFETCH(DefaultsRecord, record);
    QFETCH(int, recordNumber);
    QFETCH(QByteArray, value);

    const QByteArray file = bytesOf(writeDefaults(record));
    QCOMPARE(file.size(), qsizetype(2048));
    const qsizetype start = (recordNumber - 1) * qsizetype(defaultsRecordSize);
    QCOMPARE(file.mid(start, qsizetype(defaultsRecordSize)), recordBytes(value));
}

void TestDefaultsFormat::writesCategoriesInScreenOrder()
{
    DefaultsRecord record;
    record.weight = "75";
    record.sexCode = sexWoman;
    record.corpulenceCode = corpulenceNormal;
    record.mealCode = mealTaken;
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        record[drink.category].volume = std::string("v") + drink.letter;
        record[drink.category].degree = std::string("d") + drink.letter;
    }

    QByteArray expected = recordBytes("75    ") + recordBytes(code(2, 0)) + recordBytes(code(1, 0))
                          + recordBytes(code(1, 0));
    for (const char letter : {'K', 'B', 'A', 'V', 'D', 'C'}) {
        expected += recordBytes(QByteArray("v") + letter + "    ");
        expected += recordBytes(QByteArray("d") + letter + "    ");
    }
    QCOMPARE(bytesOf(writeDefaults(record)), expected);
}

// The records after the 16, as written for the options given (written) or as only read.
void TestDefaultsFormat::optionRecords_data()
{
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QList<bool>>("options"); // 0.2 g/l limit, prudent estimate, journal

    const QByteArray on = recordBytes(code(1, 0));
    const QByteArray off = recordBytes(code(0, 0));
    QTest::newRow("none: 2 048 bytes") << QByteArray() << true << QList{false, false, false};
    QTest::newRow("0.2 g/l limit: 2 176 bytes") << on << true << QList{true, false, false};
    QTest::newRow("prudent: 2 304 bytes") << off + on << true << QList{false, true, false};
    QTest::newRow("journal: 2 432 bytes") << off + off + on << true << QList{false, false, true};
    QTest::newRow("journal and limit") << on + off + on << true << QList{true, false, true};
    QTest::newRow("all three") << on + on + on << true << QList{true, true, true};
    QTest::newRow("19th record cut by a byte")
            << on + on + on.chopped(1) << false << QList{true, true, false};
    QTest::newRow("19th record holds 257")
            << off + off + recordBytes(code(1, 1)) << false << QList{false, false, false};
    QTest::newRow("bytes past the 19th ignored")
            << off + on + on + "abc" << false << QList{false, true, true};
}

void TestDefaultsFormat::optionRecords()
{
    QFETCH(QByteArray, records);
    QFETCH(bool, written);
    QFETCH(QList<bool>, options);
    DefaultsRecord record;
    record.weight = "64";
    const QByteArray usualValues = bytesOf(writeDefaults(record));
    record.probationary = options[0];
    record.prudent = options[1];
    record.journal = options[2];

    if (written)
        QCOMPARE(bytesOf(writeDefaults(record)), usualValues + records);
    DefaultsRecord read;
    readDefaults(viewOf(usualValues + records), read);
    QCOMPARE((QList{read.probationary, read.prudent, read.journal}), options);
}

void TestDefaultsFormat::codePage_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("character");

    const char16_t block[32] = {u'€',      u'\u0081', u'‚', u'ƒ', u'„', u'…',      u'†', u'‡',
                                u'ˆ',      u'‰',      u'Š', u'‹', u'Œ', u'\u008D', u'Ž', u'\u008F',
                                u'\u0090', u'‘',      u'’', u'“', u'”', u'•',      u'–', u'—',
                                u'˜',      u'™',      u'š', u'›', u'œ', u'\u009D', u'ž', u'Ÿ'};
    for (int i = 0; i < 32; ++i) {
        const int byte = 0x80 + i;
        QTest::addRow("byte 0x%X", byte) << byte << QString(QChar(block[i]));
    }
    QTest::newRow("blank") << 0x20 << QString(" ");
    QTest::newRow("tilde, last of ASCII") << 0x7E << QString("~");
    QTest::newRow("delete control") << 0x7F << QString(QChar(0x7F));
    QTest::newRow("no-break space") << 0xA0 << QString(QChar(0xA0));
    QTest::newRow("degree sign") << 0xB0 << QString("°");
    QTest::newRow("é") << 0xE9 << QString("é");
    QTest::newRow("ÿ, last byte") << 0xFF << QString("ÿ");
}

void TestDefaultsFormat::codePage()
{
    QFETCH(int, byte);
    QFETCH(QString, character);

    const std::string stored(1, static_cast<char>(byte));
    QCOMPARE(QString::fromStdString(fromWindows1252(stored)), character);
    QCOMPARE(toWindows1252(character.toStdString()), stored);
}

void TestDefaultsFormat::storesUnmappableAsQuestionMark_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("ĉ") << QByteArray("ĉ") << QByteArray("?");
    QTest::newRow("C1 control whose byte holds €") << QByteArray("\xC2\x80") << QByteArray("?");
    QTest::newRow("character beyond 16 bits is one ?") << QByteArray("1😀2") << QByteArray("1?2");
    QTest::newRow("invisible zero-width space is one ?")
            << QByteArray("1\u200B2") << QByteArray("1?2");
    QTest::newRow("overlong slash, byte by byte") << QByteArray("\xC0\xAF") << QByteArray("??");
    QTest::newRow("sequence cut by the end") << QByteArray("7\xE2\x82") << QByteArray("7??");
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("???");
}

void TestDefaultsFormat::storesUnmappableAsQuestionMark()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, stored);
    QCOMPARE(bytesOf(toWindows1252(viewOf(utf8))), stored);
}

void TestDefaultsFormat::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<DefaultsRecord>("expected");

    const QByteArray threeRecords = recordBytes("80    ") + recordBytes(code(2, 0))
                                    + recordBytes(code(2, 0));
    const DefaultsRecord eightyWomanStrong = changed([](DefaultsRecord &r) {
        r.weight = "80    ";
        r.sexCode = sexWoman;
        r.corpulenceCode = corpulenceStrong;
    });
    QTest::newRow("empty file keeps every factory value") << QByteArray() << DefaultsRecord();
    QTest::newRow("three records, the rest factory") << threeRecords << eightyWomanStrong;
    QTest::newRow("weight cut off by the end keeps its value")
            << QByteArray("80") << DefaultsRecord();
    QTest::newRow("130 bytes hold the whole sex code")
            << recordBytes("80    ") + code(2, 0) << changed([](DefaultsRecord &r) {
                   r.weight = "80    ";
                   r.sexCode = sexWoman;
               });
    QTest::newRow("129 bytes cut the sex code, which keeps its value")
            << recordBytes("80    ") + QByteArray(1, '\2')
            << changed([](DefaultsRecord &r) { r.weight = "80    "; });

    DefaultsRecord allEmpty;
    allEmpty.weight.clear();
    allEmpty.sexCode = allEmpty.corpulenceCode = allEmpty.mealCode = 0;
    for (DrinkDefaults &drink : allEmpty.drinks)
        drink = {};
    QTest::newRow("records of zero bytes give empty texts and codes 0")
            << QByteArray(2048, '\0') << allEmpty;

    QByteArray file = bytesOf(writeDefaults(DefaultsRecord()));
    file.replace(0, 6,
                 QByteArray("8\0"
                            "0   ",
                            6));
    file.replace(128, 2, code(3, 0));
    file.replace(256, 2, code(0xFF, 0xFF));
    file.replace(384, 2, code(0x00, 0x80));
    file.replace(4 * 128, 6, "\x80\x81\xE9\x9F\xFF ");
    file.replace(4 * 128 + 6, 122, QByteArray(122, 'x'));
    file += QByteArray(1000, '\x7');
    DefaultsRecord expected;
    for (DrinkDefaults &drink : expected.drinks)
        drink = {padded(drink.volume), padded(drink.degree)};
    expected.weight = "8";
    expected.sexCode = 3;
    expected.corpulenceCode = -1;
    expected.mealCode = -32768;
    expected[DrinkCategory::K].volume = "€\u0081éŸÿ ";
    QTest::newRow("a text ends at its first zero byte; codes and bytes as stored")
            << file << expected;
}

void TestDefaultsFormat::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(DefaultsRecord, expected);

    DefaultsRecord record;
    readDefaults(viewOf(file), record);
    QCOMPARE(record.weight, expected.weight);
    QCOMPARE(record.sexCode, expected.sexCode);
    QCOMPARE(record.corpulenceCode, expected.corpulenceCode);
    QCOMPARE(record.mealCode, expected.mealCode);
    QVERIFY(record.drinks == expected.drinks);
}

void TestDefaultsFormat::savedValuesComeBack_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("restored");

    QTest::newRow("80 comes back as six characters") << "80"
                                                     << "80    ";
    QTest::newRow("blank text stays blank") << ""
                                            << "      ";
    QTest::newRow("six characters unchanged") << "12,5cl"
                                              << "12,5cl";
    QTest::newRow("text cut to six") << "1234567"
                                     << "123456";
    QTest::newRow("typographic signs") << "€–—‘’…"
                                       << "€–—‘’…";
    QTest::newRow("unmappable becomes ?") << "ĉ"
                                          << "?     ";
}

void TestDefaultsFormat::savedValuesComeBack()
{
    QFETCH(QString, saved);
    QFETCH(QString, restored);

    DefaultsRecord record;
    record.sexCode = sexWoman;
    record.mealCode = mealTaken;
    record.weight = saved.toStdString();
    for (DrinkDefaults &drink : record.drinks)
        drink = {saved.toStdString(), saved.toStdString()};

    DefaultsRecord read;
    readDefaults(writeDefaults(record), read);
    QCOMPARE(read.sexCode, sexWoman);
    QCOMPARE(read.corpulenceCode, corpulenceNormal);
    QCOMPARE(read.mealCode, mealTaken);
    QCOMPARE(QString::fromStdString(read.weight), restored);
    for (const DrinkDefaults &drink : read.drinks) {
        QCOMPARE(QString::fromStdString(drink.volume), restored);
        QCOMPARE(QString::fromStdString(drink.degree), restored);
    }
}

void TestDefaultsFormat::weightField_data()
{
    QTest::addColumn<QString>("poids");
    QTest::addColumn<QString>("field");

    const QString blank(6, QLatin1Char(' '));
    QTest::newRow("72 padded") << "72"
                               << "72    ";
    QTest::newRow("decimal weight kept as typed") << "0.5"
                                                  << "0.5   ";
    QTest::newRow("comma ends the number, text kept") << "70,5"
                                                      << "70,5  ";
    QTest::newRow("leading blank kept") << " 80"
                                        << " 80   ";
    QTest::newRow("longer text cut") << "1234567"
                                     << "123456";
    QTest::newRow("accented letters cut as characters") << "7ééééééé"
                                                        << "7ééééé";
    QTest::newRow("hexadecimal weight") << "&H50"
                                        << "&H50  ";
    QTest::newRow("empty") << "" << blank;
    QTest::newRow("zero") << "0" << blank;
    QTest::newRow("negative") << "-5" << blank;
    QTest::newRow("not a number") << "abc" << blank;
    QTest::newRow("too small to read reads 0") << "1E-400" << blank;
    QTest::newRow("beyond the double range, positive") << "9E999"
                                                       << "9E999 ";
    QTest::newRow("beyond the double range, negative") << "-9E999" << blank;
    QTest::newRow("negative after a blank") << " -9E999" << blank;
}

void TestDefaultsFormat::weightField()
{
    QFETCH(QString, poids);
    QFETCH(QString, field);
    QCOMPARE(QString::fromStdString(::weightField(poids.toStdString())), field);
    QCOMPARE(hasPositiveWeight(poids.toStdString()), field.trimmed() != "");
}

QTEST_APPLESS_MAIN(TestDefaultsFormat)
#include "tst_defaults_format.moc"
