// The evening's model without any window: the level, the wait and the spread from glasses
// logged with their minutes, the current bout, the glasses that may leave the journal, and the
// curve. Worked for a man of 70 kg, normal build (r 0.7), glasses of wine of 12 cl at 11 degrees:
// 12 * 11 * 0.08 = 10.56 g, whose peak is 10.56 / 49 = 0.21551 g/l for the average person,
// 10.56 / 39.2 = 0.26939 for the high estimate and 10.56 / 61.25 = 0.17241 for the low one;
// eliminated at 0.12, 0.10 and 0.18 g/l per hour from one hour after a bout's first glass.
#include "engine/evening.h"
#include "engine/result_display.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::vector<LoggedGlass>)
Q_DECLARE_METATYPE(DrivingLimit)

namespace {

// 2024-10-04 00:00 UTC, a whole number of days since the epoch: minutes of that day and after.
std::int64_t at(int hour, int minute = 0)
{
    return 28'800'000 + hour * 60 + minute;
}

std::vector<LoggedGlass> wines(std::initializer_list<std::int64_t> minutes)
{
    std::vector<LoggedGlass> glasses;
    for (const std::int64_t minute : minutes)
        glasses.push_back({minute, DrinkCategory::V, 12, 11});
    return glasses;
}

EstimateInputs man70Kg(bool meal = false, DrivingLimit limit = DrivingLimit::Standard)
{
    EstimateInputs person;
    person.weightKg = 70;
    person.mealTaken = meal;
    person.limit = limit;
    return person;
}

} // namespace

class TestEvening : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedEvenings_data();
    void workedEvenings();
    void followsBouts_data();
    void followsBouts();
    void instantsStayPut_data();
    void instantsStayPut();
    void drawsCurve();
};

void TestEvening::workedEvenings_data()
{
    QTest::addColumn<std::vector<LoggedGlass>>("glasses");
    QTest::addColumn<std::int64_t>("now");
    QTest::addColumn<bool>("meal");
    QTest::addColumn<DrivingLimit>("limit");
    QTest::addColumn<QString>("shown"); // level, verdict, wait; low-high; prudent level, wait
    const auto standard = DrivingLimit::Standard;

    // Average 0.2155 * 2 - 0.12 + 0.2155 - 0.12 = 0.4065; low 0.1724 * 2 - 0.18 + 0.1724 - 0.18
    // = 0.1572; high 0.2694 * 3 - 0.20 = 0.6082, (0.6082 - 0.5) / 0.10 = 1.08 hours shown 2.
    QTest::newRow("20:00, 21:00, 22:00; 23:00")
            << wines({at(20), at(21), at(22)}) << at(23) << false << standard
            << "0.41 Y 0; 0.16-0.61; 0.61 R 2";
    // 0.2155 * 2 - 0.06 = 0.3710; 0.1724 * 2 - 0.09 = 0.2548; 0.2694 * 2 - 0.05 = 0.4888.
    QTest::newRow("20:00, 21:00; 21:30") << wines({at(20), at(21)}) << at(21, 30) << false
                                         << standard << "0.37 Y 0; 0.25-0.49; 0.49 Y 0";
    // The high level of 18:00 is back to 0 at 21:42: 23:00 starts a bout, whose first hour
    // eliminates nothing.
    QTest::newRow("18:00, then 23:00; 23:30") << wines({at(18), at(23)}) << at(23, 30) << false
                                              << standard << "0.22 G 0; 0.17-0.27; 0.27 G 0";
    // (0.2155 - 0.2) / 0.12 = 0.13 hours, plus 0.5 before elimination starts: 0.63, shown 1;
    // prudent (0.2694 - 0.2) / 0.10 + 0.5 = 1.19, shown 2.
    QTest::newRow("18:00, then 23:00; 23:30, 0,2 limit")
            << wines({at(18), at(23)}) << at(23, 30) << false << DrivingLimit::Probationary
            << "0.22 R 1; 0.17-0.27; 0.27 R 2";
    QTest::newRow("two at 23:30; 01:00 the next day")
            << wines({at(23, 30), at(23, 30)}) << at(25) << false << standard
            << "0.37 Y 0; 0.25-0.49; 0.49 Y 0";
    // 0.2155 * 3 = 0.6465, (0.6465 - 0.5) / 0.12 = 1.22 shown 2; 0.2694 * 3 = 0.8082,
    // (0.8082 - 0.5) / 0.10 = 3.08 shown 4.
    QTest::newRow("three at 22:00; 23:00") << wines({at(22), at(22), at(22)}) << at(23) << false
                                           << standard << "0.65 R 2; 0.52-0.81; 0.81 S 4";
    // 0.6465 - 0.12 = 0.5265, 0.22 hours shown 1; 0.5172 - 0.18 = 0.3372; 0.8082 - 0.10 =
    // 0.7082, 2.08 hours shown 3.
    QTest::newRow("three at 22:00; 00:00 the next day")
            << wines({at(22), at(22), at(22)}) << at(24) << false << standard
            << "0.53 R 1; 0.34-0.71; 0.71 R 3";
    // Meal: average peaks 0.1437, 0.2873 - 0.12 + 0.1437 - 0.12 = 0.1910; low peaks 0.0862,
    // 0.1724 falls to 0 at 21:57 and the glass of 22:00 is eliminated by 23:00; high peaks
    // 0.2245, 0.4490 - 0.10 + 0.2245 - 0.10 = 0.4735.
    QTest::newRow("20:00, 21:00, 22:00 with a meal; 23:00")
            << wines({at(20), at(21), at(22)}) << at(23) << true << standard
            << "0.19 G 0; 0.00-0.47; 0.47 Y 0";
}

void TestEvening::workedEvenings()
{
    QFETCH(std::vector<LoggedGlass>, glasses);
    QFETCH(std::int64_t, now);
    QFETCH(bool, meal);
    QFETCH(DrivingLimit, limit);
    QFETCH(QString, shown);

    EstimateInputs person = man70Kg(meal, limit);
    const auto figures = [&](const EstimateResult &result) {
        return QString::fromStdString(formatLevel(result.level)) + u' '
               + QLatin1Char("GYRS"[static_cast<int>(result.verdict)]) + u' '
               + QString::number(result.waitDisplay);
    };
    const EstimateResult average = estimateEvening(person, glasses, now).estimate;
    person.prudent = true;
    const EstimateResult prudent = estimateEvening(person, glasses, now).estimate;
    QCOMPARE(figures(average) + u"; "_s + QString::fromStdString(formatLevel(average.low)) + u'-'
                     + QString::fromStdString(formatLevel(average.high)) + u"; "_s
                     + figures(prudent),
             shown);
}

void TestEvening::followsBouts_data()
{
    QTest::addColumn<std::vector<LoggedGlass>>("glasses");
    QTest::addColumn<std::int64_t>("now");
    QTest::addColumn<QString>("bout"); // start, wines, last glass, first minute kept
    QTest::newRow("no glass") << wines({}) << at(23) << "- 0 - kept";

    std::vector<LoggedGlass> mixed = wines({at(18), at(23, 50)});
    mixed.push_back({at(23), DrinkCategory::B, 25, 5});
    QTest::newRow("a bout ends, another starts; a glass later than now")
            << mixed << at(23, 30) << "23:00 1 23:30 18:00";
    // Yesterday's high level of 0.5388 at 21:00 was back to 0 at 02:23; its last glass is 25
    // hours old.
    QTest::newRow("yesterday's bout leaves")
            << wines({at(20), at(21), at(45, 30)}) << at(46) << "45:30 1 45:30 45:30";
    // 0.2694 - 0.25 at 23:30 has not yet fallen to 0: one bout, whose last glass is 22.5 hours
    // old. Its glass of 20:00 is 26 hours old, yet stays with it.
    QTest::newRow("a bout leaves whole")
            << wines({at(20), at(23, 30), at(45)}) << at(46) << "45:00 1 45:00 20:00";
    QTest::newRow("the last bout, ended a day ago, leaves")
            << wines({at(20)}) << at(45) << "20:00 1 20:00 20:01";
    // High 0.2694 * 10 = 2.694, minus 0.10 for 24 hours: 0.294 is still there.
    QTest::newRow("a bout still counting a day later stays") << wines(
            {at(20), at(20), at(20), at(20), at(20), at(20), at(20), at(20), at(20), at(20)})
                                                             << at(45) << "20:00 10 20:00 20:00";
}

void TestEvening::followsBouts()
{
    QFETCH(std::vector<LoggedGlass>, glasses);
    QFETCH(std::int64_t, now);
    QFETCH(QString, bout);

    const EveningResult evening = estimateEvening(man70Kg(), glasses, now);
    const auto clock = [](std::optional<std::int64_t> minute) {
        if (!minute)
            return u"-"_s;
        const std::int64_t since = *minute - at(0);
        return u"%1:%2"_s.arg(since / 60).arg(since % 60, 2, 10, QLatin1Char('0'));
    };
    const std::int64_t keptFrom = evening.journalKeepsFrom;
    QCOMPARE(u"%1 %2 %3 %4"_s.arg(clock(evening.boutStart))
                     .arg(evening.boutGlasses[indexOf(DrinkCategory::V)])
                     .arg(clock(evening.lastGlass),
                          keptFrom == std::numeric_limits<std::int64_t>::min() ? u"kept"_s
                                                                               : clock(keptFrom)),
             bout);
}

void TestEvening::instantsStayPut_data()
{
    QTest::addColumn<std::vector<LoggedGlass>>("glasses");
    QTest::addColumn<bool>("prudent");
    QTest::addColumn<int>("drive"); // minute of the day, rounded up to 5 minutes
    QTest::addColumn<int>("zero");
    // Elimination from 23:00: 0.1465 / 0.12 = 1.2211 h, at 00:13.3; 0.6465 / 0.12 = 5.3878 h,
    // at 04:23.3.
    const auto three = wines({at(22), at(22), at(22)});
    QTest::newRow("three at 22:00") << three << false << 15 << 4 * 60 + 25;
    // From the last glass at 22:00, high 0.7082: 2.0816 h, at 00:04.9; 7.0816 h, at 05:04.9.
    QTest::newRow("20:00, 21:00, 22:00, prudent")
            << wines({at(20), at(21), at(22)}) << true << 5 << 5 * 60 + 5;
}

// As the clock turns with no new glass, the clock times of the tooltips do not move, before and
// after elimination starts.
void TestEvening::instantsStayPut()
{
    QFETCH(std::vector<LoggedGlass>, glasses);
    QFETCH(bool, prudent);
    QFETCH(int, drive);
    QFETCH(int, zero);
    EstimateInputs person = man70Kg();
    person.prudent = prudent;
    for (std::int64_t now = at(22); now < at(23, 59); ++now) {
        const EstimateResult result = estimateEvening(person, glasses, now).estimate;
        const int secondsOfDay = static_cast<int>((now - at(0)) % (24 * 60)) * 60;
        if (result.level >= 0.5)
            QCOMPARE(clockAfter(secondsOfDay, result.hoursToDrive), drive);
        QCOMPARE(clockAfter(secondsOfDay, result.hoursToZero), zero);
    }
}

// With a meal, the low estimate of three glasses at 20:00, 21:00 and 22:00: peaks of
// 0.17241 / 2 = 0.086204; 0.17241 falls from 21:00 at 0.18 per hour, to 0 after
// 0.17241 / 0.003 = 57.469 minutes; the last glass after 0.086204 / 0.003 = 28.735 minutes.
void TestEvening::drawsCurve()
{
    const BoutCurves curves = boutCurves(man70Kg(true), wines({at(20), at(21), at(22)}), at(23));
    const std::vector<CurveVertex> expected{
            {0, 0},       {0, 0.086204}, {60, 0.086204},  {60, 0.172408},
            {117.469, 0}, {120, 0},      {120, 0.086204}, {148.735, 0},
    };
    QCOMPARE(curves.low.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QVERIFY(qAbs(curves.low[i].minutes - expected[i].minutes) < 1e-3);
        QVERIFY(qAbs(curves.low[i].level - expected[i].level) < 1e-6);
    }
}

QTEST_GUILESS_MAIN(TestEvening)
#include "tst_evening.moc"
