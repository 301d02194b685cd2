// The estimate without any window: reading of fields, alcohol masses, level, wait and verdict,
// what the main window shows of them, and the peak of the curve.
#include "engine/arithmetic_overflow.h"
#include "engine/curve_peak.h"
#include "engine/estimate.h"
#include "engine/read_number.h"
#include "engine/result_display.h"

#include <QTest>
#include <QTime>

#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(EstimateInputs)
Q_DECLARE_METATYPE(Light)
Q_DECLARE_METATYPE(DrivingLimit)
Q_DECLARE_METATYPE(NoteMessage)

// QCOMPARE forgives doubles their last bits; the estimate must match to the last bit.
#define COMPARE_EXACTLY(actual, expected) \
    QVERIFY2((actual) == (expected), qPrintable(QString::number(actual, 'g', 17) + u" != "_s \
                                                + QString::number(expected, 'g', 17)))

namespace {

EstimateInputs threeWinesFor70KgMan()
{
    EstimateInputs inputs;
    inputs.weightKg = 70;
    inputs[DrinkCategory::V] = {3, 12, 11};
    return inputs;
}

// Inputs for a 70 kg man, no meal, delay 1, whose whole intake is the given grams of alcohol
// (one glass of 1 litre at grams / 8 degrees).
EstimateInputs gramsFor70KgMan(double grams)
{
    EstimateInputs inputs;
    inputs.weightKg = 70;
    inputs[DrinkCategory::K] = {1, 100, grams / 8};
    return inputs;
}

} // namespace

class TestEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsLeadingNumber_data();
    void readsLeadingNumber();
    void stopsAtMalformedUtf8_data();
    void stopsAtMalformedUtf8();
    void refusesNumbersBeyondDoubleRange_data();
    void refusesNumbersBeyondDoubleRange();
    void alcoholOfOneCategory_data();
    void alcoholOfOneCategory();
    void sumsCategoriesInFixedOrder();
    void diffusionCoefficients_data();
    void diffusionCoefficients();
    void classifiesLevels_data();
    void classifiesLevels();
    void estimates_data();
    void estimates();
    void spreadBetweenPeople_data();
    void spreadBetweenPeople();
    void abandonsOnOverflow_data();
    void abandonsOnOverflow();
    void refusesWhatCannotBe_data();
    void refusesWhatCannotBe();
    void formatsLevel_data();
    void formatsLevel();
    void presentsResult_data();
    void presentsResult();
    void clockTimes_data();
    void clockTimes();
    void takesPeakBack_data();
    void takesPeakBack();
};

void TestEngine::readsLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plain integer") << "75" << 75.0;
    QTest::newRow("point decimal") << "2.5" << 2.5;
    QTest::newRow("comma ends the number") << "2,5" << 2.0;
    QTest::newRow("comma after weight") << "70,5" << 70.0;
    QTest::newRow("blank inside") << "1 2" << 12.0;
    QTest::newRow("tabs and line feeds ignored") << "\t1\n2 . 5" << 12.5;
    QTest::newRow("carriage return ignored like a line feed") << "1\r2" << 12.0;
    QTest::newRow("trailing letters") << "3abc" << 3.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("two signs read nothing") << "+-5" << 0.0;
    QTest::newRow("two signs the other way read nothing") << "-+5" << 0.0;
    QTest::newRow("sign then blank") << "- 7" << -7.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent e with sign") << "25e-1" << 2.5;
    QTest::newRow("exponent D") << "1D2" << 100.0;
    QTest::newRow("exponent d plus") << "3d+1" << 30.0;
    QTest::newRow("exponent without digits") << "7E" << 7.0;
    QTest::newRow("exponent sign without digits") << "7E-x" << 7.0;
    QTest::newRow("blank inside exponent") << "1 E 2" << 100.0;
    QTest::newRow("hexadecimal") << "&HFF" << 255.0;
    QTest::newRow("hexadecimal lower case") << "&h1a" << 26.0;
    QTest::newRow("hexadecimal stops") << "&H1G" << 1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    // Past 2^53 the integer is rounded once to the nearest double, not at every digit.
    QTest::newRow("hexadecimal past 2^53") << "&H20000000000001F" << 144115188075855904.0;
    QTest::newRow("octal past 2^53") << "&O100000000000000000201" << 1152921504606847232.0;
    QTest::newRow("octal stops at 8") << "&o78" << 7.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("unknown prefix") << "&X1" << 0.0;
    QTest::newRow("accented letter stops") << QString::fromUtf8("4é5") << 4.0;
    QTest::newRow("number too small reads 0") << "1E-400" << 0.0;
    QTest::newRow("zeros with huge exponent") << "0E99999" << 0.0;
    // Texts of a megabyte: the exponent is read whole, against as many digits.
    QTest::newRow("a million zeros undone by their exponent")
            << "1" + QString(1000000, u'0') + "e-1000000" << 1.0;
    QTest::newRow("many leading zeros") << "0000000000000000000012" << 12.0;
    QTest::newRow("decimal rounds correctly") << "2.675" << 2.675;
    QTest::newRow("fifteen significant digits") << "123456789.012345" << 123456789.012345;
    QTest::newRow("sixteen significant digits") << "1234567890.123456" << 1234567890.123456;
    QTest::newRow("twenty-two decimals") << "0.0000000000000000000001" << 1e-22;
    QTest::newRow("twenty-three decimals") << "0.00000000000000000000001" << 1e-23;
    QTest::newRow("negative decimal") << "-0.1" << -0.1;
    QTest::newRow("largest double")
            << "1.7976931348623157E308" << std::numeric_limits<double>::max();

    // Pasted text: what the eye sees is what is counted.
    QTest::newRow("no-break space before") << u"\u00A03"_s << 3.0;
    QTest::newRow("no-break space inside") << u"1\u00A02"_s << 12.0;
    QTest::newRow("narrow no-break space as thousands") << u"1\u202F000.5"_s << 1000.5;
    QTest::newRow("zero-width space inside") << u"7\u200B5"_s << 75.0;
    QTest::newRow("left-to-right mark before sign") << u"\u200E-2.5"_s << -2.5;
    QTest::newRow("byte order mark") << u"\uFEFF42"_s << 42.0;
    QTest::newRow("full-width digits") << u"\uFF17\uFF15"_s << 75.0;
    QTest::newRow("Arabic-Indic digits with point") << u"\u0667\u0665.\u0665"_s << 75.5;
    QTest::newRow("Devanagari digit in exponent") << u"1E\u0968"_s << 100.0;
    QTest::newRow("octal digits of another script") << u"&O\uFF11\uFF17"_s << 15.0;
    QTest::newRow("comma still ends after them") << u"\uFF17\u00A0,5"_s << 7.0;
    QTest::newRow("Greek letter stops") << u"4\u03B15"_s << 4.0;
    QTest::newRow("full-width E is no exponent") << u"1\uFF252"_s << 1.0;
    // One to nine, each in the digits of another script (Arabic-Indic, Extended Arabic-Indic,
    // Devanagari, Bengali, Gurmukhi, Gujarati, Oriya, Tamil, Telugu): more characters than a
    // reading keeps the meanings of, read twice.
    const QString nineScripts = u"\u0661\u06F2\u0969\u09EA\u0A6B\u0AEC\u0B6D\u0BEE\u0C6F"_s;
    QTest::newRow("digits of nine scripts") << nineScripts << 123456789.0;
    QTest::newRow("digits of nine scripts again") << nineScripts << 123456789.0;
    QTest::newRow("the first of them after the last") << u"\u0C6F\u0661"_s << 91.0;
}

void TestEngine::readsLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    COMPARE_EXACTLY(readNumber(text.toStdString()), expected);
}

void TestEngine::stopsAtMalformedUtf8_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<double>("expected");
    QTest::newRow("truncated no-break space") << QByteArray("4\xC2") << 4.0;
    QTest::newRow("overlong blank") << QByteArray("4\xC0\xA0.5") << 4.0;
}

void TestEngine::stopsAtMalformedUtf8()
{
    QFETCH(QByteArray, utf8);
    QFETCH(double, expected);
    COMPARE_EXACTLY(readNumber(utf8.toStdString()), expected);
}

void TestEngine::refusesNumbersBeyondDoubleRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("negative");
    QTest::newRow("9E999") << "9E999" << false;
    QTest::newRow("negative -1D400") << "-1D400" << true;
    QTest::newRow("just above the largest double") << "1.8E308" << false;
    QTest::newRow("fraction with huge exponent") << "0.001E99999" << false;
    QTest::newRow("exponent longer than any integer") << "1E99999999999999999999999" << false;
    QTest::newRow("100 000 zeros after the point, exponent 1 000 000")
            << "0." + QString(100000, u'0') + "1e1000000" << false;
    QTest::newRow("hexadecimal of 300 digits") << "&H" + QString(300, QLatin1Char('F')) << false;
    QTest::newRow("minus after a no-break space") << u"\u00A0-9E\uFF19\uFF19\uFF19"_s << true;
}

void TestEngine::refusesNumbersBeyondDoubleRange()
{
    QFETCH(QString, text);
    QFETCH(bool, negative);
    QVERIFY_THROWS_EXCEPTION(ArithmeticOverflow, readNumber(text.toStdString()));
    QCOMPARE(hasMinusSign(text.toStdString()), negative);
}

void TestEngine::alcoholOfOneCategory_data()
{
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("volume");
    QTest::addColumn<double>("degree");
    QTest::addColumn<double>("grams");

    QTest::newRow("one beer") << 1.0 << 25.0 << 5.0 << 10.0;
    // In this order of operations: ((3 * 0.12) * 11) * 8.
    QTest::newRow("three wines") << 3.0 << 12.0 << 11.0 << ((3 * (12.0 / 100)) * 11) * 8;
    QTest::newRow("no glass") << 0.0 << 25.0 << 5.0 << 0.0;
    QTest::newRow("volume zero") << 5.0 << 0.0 << 12.0 << 0.0;
    QTest::newRow("degree zero") << 5.0 << 12.0 << 0.0 << 0.0;
    QTest::newRow("negative count") << -1.0 << 25.0 << 5.0 << -10.0;
}

void TestEngine::alcoholOfOneCategory()
{
    QFETCH(double, count);
    QFETCH(double, volume);
    QFETCH(double, degree);
    QFETCH(double, grams);
    COMPARE_EXACTLY(alcoholGrams({count, volume, degree}), grams);
}

void TestEngine::sumsCategoriesInFixedOrder()
{
    EstimateInputs inputs;
    COMPARE_EXACTLY(totalAlcoholGrams(inputs), 0.0);

    // Masses chosen so that another order of addition gives another last bit.
    const double k = 0.1;
    const double a = 0.2;
    const double v = 0.3;
    const double b = 1e-17;
    const double d = 0.7;
    const double c = 1e16;
    inputs[DrinkCategory::K] = {1, 100, k / 8};
    inputs[DrinkCategory::A] = {1, 100, a / 8};
    inputs[DrinkCategory::V] = {1, 100, v / 8};
    inputs[DrinkCategory::B] = {1, 100, b / 8};
    inputs[DrinkCategory::D] = {1, 100, d / 8};
    inputs[DrinkCategory::C] = {1, 100, c / 8};
    const double expected = ((((alcoholGrams(inputs[DrinkCategory::A])
                                + alcoholGrams(inputs[DrinkCategory::V]))
                               + alcoholGrams(inputs[DrinkCategory::B]))
                              + alcoholGrams(inputs[DrinkCategory::D]))
                             + alcoholGrams(inputs[DrinkCategory::C]))
                            + alcoholGrams(inputs[DrinkCategory::K]);
    COMPARE_EXACTLY(totalAlcoholGrams(inputs), expected);
}

void TestEngine::diffusionCoefficients_data()
{
    QTest::addColumn<bool>("isMale");
    QTest::addColumn<bool>("normal");
    QTest::addColumn<double>("coefficient");
    QTest::newRow("man, normal") << true << true << 0.7;
    QTest::newRow("man, strong") << true << false << 0.7 - 0.1;
    QTest::newRow("woman, normal") << false << true << 0.6;
    QTest::newRow("woman, strong is exactly 0.5") << false << false << 0.5;
}

void TestEngine::diffusionCoefficients()
{
    QFETCH(bool, isMale);
    QFETCH(bool, normal);
    QFETCH(double, coefficient);
    COMPARE_EXACTLY(diffusionCoefficient(isMale, normal), coefficient);
}

void TestEngine::classifiesLevels_data()
{
    QTest::addColumn<double>("level");
    QTest::addColumn<DrivingLimit>("limit");
    QTest::addColumn<Verdict>("verdict");
    const auto standard = DrivingLimit::Standard;
    QTest::newRow("0") << 0.0 << standard << Verdict::Green;
    QTest::newRow("just below 0.3") << std::nextafter(0.3, 0.0) << standard << Verdict::Green;
    QTest::newRow("0.3") << 0.3 << standard << Verdict::Yellow;
    QTest::newRow("just below 0.5") << std::nextafter(0.5, 0.0) << standard << Verdict::Yellow;
    QTest::newRow("0.5") << 0.5 << standard << Verdict::Red;
    QTest::newRow("just below 0.8") << std::nextafter(0.8, 0.0) << standard << Verdict::Red;
    QTest::newRow("0.8") << 0.8 << standard << Verdict::RedSevere;
    QTest::newRow("5") << 5.0 << standard << Verdict::RedSevere;
    // Under the 0,2 g/l limit any alcohol calls for caution.
    const auto probationary = DrivingLimit::Probationary;
    QTest::newRow("0,2 limit: nothing") << 0.0 << probationary << Verdict::Green;
    QTest::newRow("0,2 limit: the least alcohol")
            << std::nextafter(0.0, 1.0) << probationary << Verdict::Yellow;
    QTest::newRow("0,2 limit: 0.1999") << 0.1999 << probationary << Verdict::Yellow;
    QTest::newRow("0,2 limit: 0.2") << 0.2 << probationary << Verdict::Red;
    QTest::newRow("0,2 limit: just below 0.8")
            << std::nextafter(0.8, 0.0) << probationary << Verdict::Red;
    QTest::newRow("0,2 limit: 0.8") << 0.8 << probationary << Verdict::RedSevere;
}

void TestEngine::classifiesLevels()
{
    QFETCH(double, level);
    QFETCH(DrivingLimit, limit);
    QFETCH(Verdict, verdict);
    QCOMPARE(classify(level, limit), verdict);
}

void TestEngine::estimates_data()
{
    QTest::addColumn<EstimateInputs>("inputs");
    QTest::addColumn<double>("level");
    QTest::addColumn<double>("waitDisplay");
    QTest::addColumn<Verdict>("verdict");

    const EstimateInputs wines = threeWinesFor70KgMan();
    const double grams = ((3 * (12.0 / 100)) * 11) * 8;
    QTest::newRow("three wines") << wines << (grams / (70 * 0.7)) / 1 << 2.0 << Verdict::Red;

    EstimateInputs withMeal = wines;
    withMeal.mealTaken = true;
    QTest::newRow("three wines with a meal")
            << withMeal << (grams / (70 * 0.7)) / 1.5 << 0.0 << Verdict::Yellow;

    EstimateInputs later = wines;
    later.delayHours = 3;
    QTest::newRow("three wines, 3 hours later")
            << later << (grams / (70 * 0.7)) / 1 - 0.12 * 2 << 0.0 << Verdict::Yellow;

    EstimateInputs mealLater = withMeal;
    mealLater.delayHours = 2;
    QTest::newRow("meal divides the peak before elimination")
            << mealLater << (grams / (70 * 0.7)) / 1.5 - 0.12 << 0.0 << Verdict::Yellow;

    EstimateInputs halfHour = wines;
    halfHour.delayHours = 1.5;
    QTest::newRow("1.5 hours eliminate 0.06")
            << halfHour << (grams / (70 * 0.7)) - 0.12 * 0.5 << 1.0 << Verdict::Red;

    EstimateInputs early = wines;
    early.delayHours = 0.25;
    QTest::newRow("delay below 1 eliminates nothing")
            << early << grams / (70 * 0.7) << 2.0 << Verdict::Red;

    EstimateInputs muchLater = wines;
    muchLater.delayHours = 20;
    QTest::newRow("long delay gives exactly 0") << muchLater << 0.0 << 0.0 << Verdict::Green;

    EstimateInputs nothing;
    nothing.weightKg = 70;
    QTest::newRow("no drinks") << nothing << 0.0 << 0.0 << Verdict::Green;

    QTest::newRow("exactly 0.5: wait 1") << gramsFor70KgMan(24.5) << 0.5 << 1.0 << Verdict::Red;
    QTest::newRow("exactly 2 hours to wait shows 3")
            << gramsFor70KgMan(0.74 * 49) << (0.74 * 49) / 49 << 3.0 << Verdict::Red;
    QTest::newRow("0.3 is yellow")
            << gramsFor70KgMan(0.3 * 49) << (0.3 * 49) / 49 << 0.0 << Verdict::Yellow;

    EstimateInputs woman = wines;
    woman.isMale = false;
    woman.corpulenceNormal = false;
    QTest::newRow("woman of strong corpulence")
            << woman << grams / (70 * 0.5) << 4.0 << Verdict::RedSevere;

    // Under the 0,2 g/l limit the wait runs to 0,2 g/l.
    EstimateInputs probationary = withMeal;
    probationary.limit = DrivingLimit::Probationary;
    QTest::newRow("0,2 limit: 0.43 waits 2 hours, red")
            << probationary << (grams / (70 * 0.7)) / 1.5 << 2.0 << Verdict::Red;
    EstimateInputs oneGlass = gramsFor70KgMan(0.1999 * 49);
    oneGlass.limit = DrivingLimit::Probationary;
    QTest::newRow("0,2 limit: below 0.2 no wait, yellow")
            << oneGlass << (0.1999 * 49) / 49 << 0.0 << Verdict::Yellow;
}

void TestEngine::estimates()
{
    QFETCH(EstimateInputs, inputs);
    QFETCH(double, level);
    QFETCH(double, waitDisplay);
    QFETCH(Verdict, verdict);

    const EstimateResult result = estimate(inputs);
    COMPARE_EXACTLY(result.level, level);
    COMPARE_EXACTLY(result.waitHours, (level - legalLimitOf(inputs.limit)) / 0.12);
    COMPARE_EXACTLY(result.waitDisplay, waitDisplay);
    QCOMPARE(result.verdict, verdict);
    COMPARE_EXACTLY(result.middle, level);
    QVERIFY(result.low <= result.middle && result.middle <= result.high);
}

// The spread between people, in hundredths of g/l as the window shows them, and what the
// prudent estimate shows: the high level, waiting at 0.10 g/l per hour. Worked by hand for a
// man of 70 kg after three glasses of wine (31.68 g): the middle 31.68 / 49 = 0.6465, the high
// 31.68 / 39.2 = 0.8082, the low 31.68 / 61.25 = 0.5172.
void TestEngine::spreadBetweenPeople_data()
{
    QTest::addColumn<EstimateInputs>("inputs");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("middle");
    QTest::addColumn<int>("high");
    QTest::addColumn<double>("prudentWait");
    QTest::addColumn<Verdict>("prudentVerdict");

    const EstimateInputs wines = threeWinesFor70KgMan();
    QTest::newRow("no meal, 1 h") << wines << 52 << 65 << 81 << 4.0 << Verdict::RedSevere;
    EstimateInputs meal = wines;
    meal.mealTaken = true;
    // 0.5172 / 2, 0.8082 * 5 / 6.
    QTest::newRow("meal, 1 h") << meal << 26 << 43 << 67 << 2.0 << Verdict::Red;
    EstimateInputs threeHours = wines;
    threeHours.delayHours = 3;
    QTest::newRow("no meal, 3 h") << threeHours << 16 << 41 << 61 << 2.0 << Verdict::Red;
    EstimateInputs sixHours = wines;
    sixHours.delayHours = 6;
    QTest::newRow("no meal, 6 h: the low level spent")
            << sixHours << 0 << 5 << 31 << 0.0 << Verdict::Yellow;
    EstimateInputs probationary = wines;
    probationary.limit = DrivingLimit::Probationary;
    QTest::newRow("no meal, 1 h, 0,2 limit: (0.8082 - 0.2) / 0.10 = 6.08 hours")
            << probationary << 52 << 65 << 81 << 7.0 << Verdict::RedSevere;
    EstimateInputs nothing;
    nothing.weightKg = 70;
    QTest::newRow("no glass") << nothing << 0 << 0 << 0 << 0.0 << Verdict::Green;
    // Next to each limit, the high level alone decides; without meal nor delay the middle is
    // 0.8 times the high one, the low 0.64 times.
    QTest::newRow("high 0.499: under the limit")
            << gramsFor70KgMan(0.499 * 39.2) << 32 << 40 << 50 << 0.0 << Verdict::Yellow;
    QTest::newRow("high 0.501: over it, wait 1")
            << gramsFor70KgMan(0.501 * 39.2) << 32 << 40 << 50 << 1.0 << Verdict::Red;
    EstimateInputs underProbationary = gramsFor70KgMan(0.199 * 39.2);
    underProbationary.limit = DrivingLimit::Probationary;
    QTest::newRow("0,2 limit, high 0.199: caution")
            << underProbationary << 13 << 16 << 20 << 0.0 << Verdict::Yellow;
    EstimateInputs overProbationary = gramsFor70KgMan(0.201 * 39.2);
    overProbationary.limit = DrivingLimit::Probationary;
    QTest::newRow("0,2 limit, high 0.201: wait 1")
            << overProbationary << 13 << 16 << 20 << 1.0 << Verdict::Red;
}

void TestEngine::spreadBetweenPeople()
{
    QFETCH(EstimateInputs, inputs);
    QFETCH(int, low);
    QFETCH(int, middle);
    QFETCH(int, high);
    QFETCH(double, prudentWait);
    QFETCH(Verdict, prudentVerdict);

    const EstimateResult average = estimate(inputs);
    inputs.prudent = true;
    const EstimateResult prudent = estimate(inputs);
    for (const EstimateResult &result : {average, prudent}) {
        QCOMPARE(std::round(result.low * 100), low);
        QCOMPARE(std::round(result.middle * 100), middle);
        QCOMPARE(std::round(result.high * 100), high);
    }
    QCOMPARE(average.level, average.middle);
    QCOMPARE(prudent.level, prudent.high);
    QCOMPARE(prudent.waitDisplay, prudentWait);
    QCOMPARE(prudent.verdict, prudentVerdict);
}

void TestEngine::abandonsOnOverflow_data()
{
    QTest::addColumn<EstimateInputs>("inputs");
    const EstimateInputs base = threeWinesFor70KgMan();
    const double huge = 9e300;

    EstimateInputs count = base;
    count[DrinkCategory::K] = {huge, huge, 1};
    QTest::newRow("count times volume") << count;
    // A litre counted 1e307 times is 1e307 l, at 100 degrees 1e309.
    EstimateInputs degree = base;
    degree[DrinkCategory::C] = {1e307, 100, 100};
    QTest::newRow("times degree") << degree;
    // 1e306 l at 100 degrees is 1e308, times 8 beyond the largest double (1.8e308).
    EstimateInputs times8 = base;
    times8[DrinkCategory::B] = {1e306, 100, 100};
    QTest::newRow("times 8") << times8;
    // Three categories of 8e307 g each.
    EstimateInputs sum = base;
    sum[DrinkCategory::A] = {1e305, 100, 100};
    sum[DrinkCategory::D] = {1e305, 100, 100};
    sum[DrinkCategory::V] = {1e305, 100, 100};
    QTest::newRow("sum of categories") << sum;
    EstimateInputs tinyWeight = base;
    tinyWeight.weightKg = 4.9e-324;
    QTest::newRow("weight times coefficient underflows to 0") << tinyWeight;
    EstimateInputs smallWeight = base;
    smallWeight.weightKg = 1e-307;
    QTest::newRow("division") << smallWeight;
    EstimateInputs wait = base;
    wait.weightKg = 1e-300;
    // 87 500 l at 100 degrees: 7e7 g.
    wait[DrinkCategory::V] = {87500, 100, 100};
    QTest::newRow("hours to wait") << wait;
}

void TestEngine::abandonsOnOverflow()
{
    QFETCH(EstimateInputs, inputs);
    QVERIFY_THROWS_EXCEPTION(ArithmeticOverflow, estimate(inputs));
}

Q_DECLARE_METATYPE(EstimateStatus)

void TestEngine::refusesWhatCannotBe_data()
{
    QTest::addColumn<EstimateInputs>("inputs");
    QTest::addColumn<EstimateStatus>("status");
    QTest::addColumn<QString>("impossible");

    const EstimateInputs wines = threeWinesFor70KgMan();
    for (const double weight : {0.0, -0.0, -70.0}) {
        EstimateInputs noWeight = wines;
        noWeight.weightKg = weight;
        QTest::addRow("weight %g", weight) << noWeight << EstimateStatus::WeightMissing << "";
    }
    EstimateInputs both = wines;
    both.weightKg = 0;
    both[DrinkCategory::B].count = -1;
    QTest::newRow("the weight before any other value")
            << both << EstimateStatus::WeightMissing << "";

    // Row by row as the boxes stand: the counts', the volumes', the degrees', left to right.
    EstimateInputs several = wines;
    several[DrinkCategory::K].degree = 150;
    several[DrinkCategory::C].count = -1;
    several[DrinkCategory::B].volumeCl = -25;
    several[DrinkCategory::A].degree = -44;
    QTest::newRow("several, in the order of the screen")
            << several << EstimateStatus::ImpossibleValue << "C0- B1- K2+ A2-";
    EstimateInputs justOver = wines;
    justOver[DrinkCategory::V].degree = 100.5;
    QTest::newRow("a degree of 100.5") << justOver << EstimateStatus::ImpossibleValue << "V2+";

    EstimateInputs limits = wines;
    limits[DrinkCategory::V].degree = 100;
    limits[DrinkCategory::B] = {0, 0, 0};
    limits[DrinkCategory::D] = {-0.0, -0.0, -0.0};
    QTest::newRow("100 degrees and zeros can be") << limits << EstimateStatus::Ok << "";
}

// No level, wait or verdict comes of a weight that is missing or a value that cannot be.
void TestEngine::refusesWhatCannotBe()
{
    QFETCH(EstimateInputs, inputs);
    QFETCH(EstimateStatus, status);
    QFETCH(QString, impossible);

    const EstimateResult result = estimate(inputs);
    QCOMPARE(result.status, status);
    QStringList found;
    for (const ImpossibleValue &value : result.impossibleValues)
        found << QString(QChar::fromLatin1(drinkCategories[indexOf(value.category)].letter))
                         + QString::number(static_cast<int>(value.field))
                         + (value.aboveHundred ? u'+' : u'-');
    QCOMPARE(found.join(u' '), impossible);
    if (status != EstimateStatus::Ok)
        QCOMPARE(presentResult(result).estimated, false);
}

void TestEngine::formatsLevel_data()
{
    QTest::addColumn<double>("level");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("three wines") << 31.68 / 49 << "0.65";
    QTest::newRow("0.2999") << 0.2999 << "0.30";
    QTest::newRow("0.4999") << 0.4999 << "0.50";
    QTest::newRow("tie 0.125 away from zero") << 0.125 << "0.13";
    QTest::newRow("tie 0.375") << 0.375 << "0.38";
    QTest::newRow("tie 2.625") << 2.625 << "2.63";
    QTest::newRow("tie 0.875") << 0.875 << "0.88";
    QTest::newRow("not a tie below") << 0.145 << "0.14";
    QTest::newRow("not a tie above") << 0.645 << "0.65";
    QTest::newRow("tiny") << 1e-300 << "0.00";
    QTest::newRow("large") << 1234567.891 << "1234567.89";
}

void TestEngine::formatsLevel()
{
    QFETCH(double, level);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatLevel(level)), text);
}

void TestEngine::presentsResult_data()
{
    QTest::addColumn<double>("level");
    QTest::addColumn<double>("waitDisplay");
    QTest::addColumn<Light>("light");
    QTest::addColumn<NoteMessage>("message");
    QTest::addColumn<QString>("alerts");
    QTest::addColumn<QString>("wait");
    QTest::addColumn<float>("barHeight");
    QTest::addColumn<DrivingLimit>("limit");

    const auto row = [](const char *name, double level, double waitDisplay, Light light,
                        NoteMessage message, const char *alerts, const char *wait, float barHeight,
                        DrivingLimit limit = DrivingLimit::Standard) {
        QTest::newRow(name) << level << waitDisplay << light << message
                            << QString::fromLatin1(alerts) << QString::fromLatin1(wait) << barHeight
                            << limit;
    };
    const auto bar = [](double level) {
        return static_cast<float>(level * 2295);
    };
    row("nothing drunk", 0, 0, Light::Green, NoteMessage::Instruction, "---", "0 heure", 0);
    row("just below 0.3 is green", 0.2999, 0, Light::Green, NoteMessage::Instruction, "---",
        "0 heure", bar(0.2999));
    row("0.3 is yellow, first sign", 0.3, 0, Light::Yellow, NoteMessage::Caution, "x--", "0 heure",
        bar(0.3));
    row("0.5 is red, one hour", 0.5, 1, Light::Red, NoteMessage::Stop, "xx-", "1 heure", bar(0.5));
    row("0.8 is severe, three hours", 0.8, 3, Light::Red, NoteMessage::Stop, "xxx", "3 heures",
        bar(0.8));
    row("1.83 still grows the bar", 1.83, 12, Light::Red, NoteMessage::Stop, "xxx", "12 heures",
        4199.85f);
    row("above 1.83 the bar is capped", 1.84, 12, Light::Red, NoteMessage::Stop, "xxx", "12 heures",
        4230);
    // The stop sign goes with the limit; the other two signs stay where they were.
    row("0,2 limit: 0.1999 cautions", 0.1999, 0, Light::Yellow, NoteMessage::Caution, "---",
        "0 heure", bar(0.1999), DrivingLimit::Probationary);
    row("0,2 limit: 0.2 stops, with the stop sign", 0.2, 1, Light::Red, NoteMessage::Stop, "-x-",
        "1 heure", bar(0.2), DrivingLimit::Probationary);
}

void TestEngine::presentsResult()
{
    QFETCH(double, level);
    QFETCH(double, waitDisplay);
    QFETCH(Light, light);
    QFETCH(NoteMessage, message);
    QFETCH(QString, alerts);
    QFETCH(QString, wait);
    QFETCH(float, barHeight);
    QFETCH(DrivingLimit, limit);

    EstimateResult result;
    result.level = level;
    result.waitDisplay = waitDisplay;
    result.verdict = classify(level, limit);
    result.limit = limit;
    const ResultDisplay shown = presentResult(result);
    QCOMPARE(shown.light, light);
    QCOMPARE(shown.message, message);
    QString signs;
    for (const bool visible : shown.alerts)
        signs += visible ? u'x' : u'-';
    QCOMPARE(signs, alerts);
    QCOMPARE(QString::fromStdString(shown.wait + ' ' + std::string(shown.waitUnit)), wait);
    QCOMPARE(shown.barHeight, barHeight);
    // The bar's foot stays at 4500 whatever its height.
    QCOMPARE(shown.barTop, 4500 - barHeight);
    // A severe level keeps the message's size from the state shown before; every other state
    // sets it.
    QCOMPARE(shown.notePoints.has_value(), result.verdict != Verdict::RedSevere);
}

void TestEngine::clockTimes_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<double>("hours");
    QTest::addColumn<QTime>("shown");

    QTest::newRow("on a multiple of 5 minutes") << QTime(10, 0) << 1.0 << QTime(11, 0);
    QTest::newRow("a second later rounds up") << QTime(10, 0, 1) << 1.0 << QTime(11, 5);
    QTest::newRow("past midnight") << QTime(23, 58) << 0.5 << QTime(0, 30);
    QTest::newRow("rounding up to midnight") << QTime(23, 57, 30) << 0.0 << QTime(0, 0);
    QTest::newRow("more than a day later") << QTime(12, 0) << 25.0 << QTime(13, 0);
    QTest::newRow("a fraction of an hour") << QTime(20, 47) << 0.64653 / 0.12 << QTime(2, 15);
}

void TestEngine::clockTimes()
{
    QFETCH(QTime, now);
    QFETCH(double, hours);
    QFETCH(QTime, shown);
    QCOMPARE(clockAfter(now.msecsSinceStartOfDay() / 1000, hours),
             shown.hour() * 60 + shown.minute());
}

void TestEngine::takesPeakBack_data()
{
    QTest::addColumn<QString>("delay");
    QTest::addColumn<double>("displayed");
    QTest::addColumn<double>("peak");

    QTest::newRow("nothing drunk stays flat") << u"1"_s << 0.0 << 0.0;
    QTest::newRow("three hours add two hours of elimination") << u"3"_s << 0.5 << 0.74;
    QTest::newRow("one hour adds nothing") << u"1"_s << 0.5 << 0.5;
    QTest::newRow("half an hour adds nothing") << u"0.5"_s << 0.5 << 0.5;
    QTest::newRow("half an hour with a comma adds nothing") << u"0,5"_s << 0.5 << 0.5;
    QTest::newRow("an empty delay adds nothing") << QString() << 0.5 << 0.5;
    QTest::newRow("a decimal comma ends the delay") << u"2,5"_s << 0.5 << 0.62;
    QTest::newRow("a decimal point belongs to the delay") << u"2.5"_s << 0.5 << 0.68;
    QTest::newRow("a zero level gets no correction") << u"10"_s << 0.0 << 0.0;
    QTest::newRow("a delay beyond any number adds nothing") << u"9E999"_s << 0.5 << 0.5;
}

void TestEngine::takesPeakBack()
{
    QFETCH(QString, delay);
    QFETCH(double, displayed);
    QFETCH(double, peak);

    const CurvePeak curve = curvePeak(readDelay(delay.toStdString()), displayed, 0.12);
    QVERIFY2(qAbs(curve.level - peak) < 1e-12, qPrintable(QString::number(curve.level)));
    // The fall lasts as long as 0.12 g/l per hour takes to bring the peak to zero.
    COMPARE_EXACTLY(curve.fallHours, curve.level / 0.12);
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
