// The live estimate of the main window, driven as a user drives it: typing into the boxes,
// clicking the drink pictures, the options and the meal box, tabbing from box to box, closing the
// window. Each test checks what the user then sees: the level, its colours, the lights, the
// alerts, the waiting time and its unit, the bar, the message, the warnings.
#include "curve/graph.h"
#include "engine/estimate.h"
#include "engine/read_number.h"
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "program_texts.h"
#include "test_support.h"
#include "toolkit/appearance.h"
#include "toolkit/area.h"
#include "toolkit/line.h"
#include "toolkit/number_box.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor darkRed(128, 0, 0);
const QColor darkGreen(0, 128, 0);
const QColor lightGreen(128, 255, 128);
const QColor yellow(255, 255, 0);

// A warning as "title: text", so that one comparison checks both.
QString warning(const QString &text)
{
    return warningTitle + u": "_s + text;
}

// A man of normal build, no meal, one hour after the last drink, with the wines only.
double wineLevel(double weightKg, double glasses, double volumeCl, double degree)
{
    EstimateInputs inputs;
    inputs.weightKg = weightKg;
    inputs[DrinkCategory::V] = {glasses, volumeCl, degree};
    return estimate(inputs).level;
}

// Everything the result display shows, in one line that a comparison can print.
QString resultsOnScreen(const QObject *window)
{
    const auto shown = [window](const QString &name) {
        return child(window, name)->isVisible() ? u"on"_s : u"off"_s;
    };
    const auto *level = child<QLabel>(window, u"Alcoolémie"_s);
    const auto *bar = child<Shape>(window, u"Colonne"_s);
    const auto *note = child<QLabel>(window, u"Note"_s);
    return QStringList{level->text(),
                       backgroundColor(level).name(),
                       textColor(level).name(),
                       u"wait "_s + child<QLabel>(window, u"Attente"_s)->text() + u' '
                               + child<QLabel>(window, u"Etiquette15"_s)->text(),
                       u"lights "_s + shown(u"FeuVert"_s) + shown(u"FeuJaune"_s)
                               + shown(u"FeuRouge"_s),
                       u"alerts "_s + shown(u"Alerte1"_s) + shown(u"Alerte2"_s)
                               + shown(u"Alerte3"_s),
                       u"bar "_s + QString::number(bar->top()) + u' '
                               + QString::number(bar->twipsHeight()),
                       note->text().left(12),
                       textColor(note).name(),
                       note->font().bold() ? u"bold"_s : u"regular"_s,
                       QString::number(note->font().pointSizeF())}
            .join(u" | "_s);
}

} // namespace

class TestLiveEstimate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void workedExamples_data();
    void workedExamples();
    void thresholds_data();
    void thresholds();
    void noteSizeCarriedIntoSevere_data();
    void noteSizeCarriedIntoSevere();
    void levelBar_data();
    void levelBar();
    void weightWarning_data();
    void weightWarning();
    void delayBelowOneHour_data();
    void delayBelowOneHour();
    void delayUnitFollowsTyping_data();
    void delayUnitFollowsTyping();
    void commaLandsAsPoint_data();
    void commaLandsAsPoint();
    void marking_data();
    void marking();
    void notReadyNeitherRecomputesNorMarks_data();
    void notReadyNeitherRecomputesNorMarks();
    void delayReactsWhileNotReady_data();
    void delayReactsWhileNotReady();
    void tabbingSelectsWholeText_data();
    void tabbingSelectsWholeText();
    void drinkButtons_data();
    void drinkButtons();
    void threeBeersRecomputeThreeTimes();
    void drinkClickWhileNotReady();
    void optionClicksRecompute_data();
    void optionClicksRecompute();
    void optionSetByProgram_data();
    void optionSetByProgram();
    void overflow_data();
    void overflow();
    void impossibleValues_data();
    void impossibleValues();
    void closingEndsEveryWindow_data();
    void closingEndsEveryWindow();
    void curveOfTheLevelShown_data();
    void curveOfTheLevelShown();
    void probationaryLimitToggles();
    void prudentEstimateToggles_data();
    void prudentEstimateToggles();
    void tooltips_data();
    void tooltips();

private:
    template<typename T = QWidget>
    T *widget(const QString &name) const
    {
        return child<T>(m_window.get(), name);
    }
    QLineEdit *box(const QString &name) const { return widget<QLineEdit>(name); }
    QLabel *label(const QString &name) const { return widget<QLabel>(name); }
    [[nodiscard]] bool regainActivation();
    [[nodiscard]] bool tabTo(QWidget *target);
    [[nodiscard]] bool typeInto(QLineEdit *box, const QString &text);
    [[nodiscard]] bool typeWorkedExample();
    // Fills the fields as start-up does, with Ready at 0, and shows their estimate. The last
    // value is a glass count's.
    void fillQuietly(const QList<std::pair<QString, QString>> &values);
    void verifyVerdictShown(Verdict verdict);
    QStringList newWarnings();

    TemporaryWorkingDirectory m_folder;
    std::unique_ptr<MessageBoxWatcher> m_watcher;
    std::unique_ptr<Sobrimetre> m_window;
    int m_warningsTaken = 0;
};

void TestLiveEstimate::initTestCase()
{
    useFrenchLocale();
}

void TestLiveEstimate::init()
{
    m_watcher = std::make_unique<MessageBoxWatcher>();
    m_warningsTaken = 0;
    m_window = std::make_unique<Sobrimetre>();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestLiveEstimate::cleanup()
{
    m_window.reset();
    // A warning the test did not expect is a fault of its own.
    const QStringList unexpected = newWarnings();
    m_watcher.reset();
    QCOMPARE(unexpected, QStringList());
}

// When a message box closes, the desktop gives the activation back to the main window; the
// offscreen platform of the tests does not, so the tests do it.
bool TestLiveEstimate::regainActivation()
{
    if (QApplication::activeWindow() == m_window.get())
        return true;
    QApplication::setActiveWindow(m_window.get());
    return QTest::qWaitForWindowActive(m_window.get());
}

// Presses Tab, as a user does, until the focus reaches target.
bool TestLiveEstimate::tabTo(QWidget *target)
{
    if (!regainActivation())
        return false;
    for (int presses = 0; presses < 40; ++presses) {
        QWidget *focused = QApplication::focusWidget();
        if (focused == nullptr)
            return false;
        if (focused == target)
            return true;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return false;
}

// Types text over the whole text of box: an empty text erases it.
bool TestLiveEstimate::typeInto(QLineEdit *box, const QString &text)
{
    if (!tabTo(box))
        return false;
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
    return box->text() == text;
}

// A man of 70 kg, normal build, no meal, three glasses of wine of 12 cl at 11 degrees.
bool TestLiveEstimate::typeWorkedExample()
{
    return typeInto(box(u"Poids"_s), u"70"_s) && typeInto(box(u"VOL_V"_s), u"12"_s)
           && typeInto(box(u"DEG_V"_s), u"11"_s) && typeInto(box(u"NB_V"_s), u"3"_s);
}

// A glass count's change recomputes without marking: the count is written last, once Ready is
// back at 1, and first given another text so that its own text is a change.
void TestLiveEstimate::fillQuietly(const QList<std::pair<QString, QString>> &values)
{
    const auto &[countName, count] = values.last();
    setReady(m_window.get(), 0);
    for (const auto &[name, text] : values.first(values.size() - 1))
        box(name)->setText(text);
    box(countName)->setText(count.isEmpty() ? u"0"_s : QString());
    setReady(m_window.get(), 1);
    box(countName)->setText(count);
}

// The lights, the level's colours and the message of a verdict (not the message's size, which
// depends on the verdict shown before a severe one).
void TestLiveEstimate::verifyVerdictShown(Verdict verdict)
{
    QCOMPARE(widget(u"FeuVert"_s)->isVisible(), verdict == Verdict::Green);
    QCOMPARE(widget(u"FeuJaune"_s)->isVisible(), verdict == Verdict::Yellow);
    QCOMPARE(widget(u"FeuRouge"_s)->isVisible(),
             verdict == Verdict::Red || verdict == Verdict::RedSevere);
    const QLabel *level = label(u"Alcoolémie"_s);
    const QLabel *note = label(u"Note"_s);
    switch (verdict) {
    case Verdict::Green:
        QCOMPARE(backgroundColor(level), lightGreen);
        QCOMPARE(textColor(level), black);
        QCOMPARE(textColor(note), darkGreen);
        QCOMPARE(note->font().bold(), false);
        QCOMPARE(note->text(), instructionText);
        break;
    case Verdict::Yellow:
        QCOMPARE(backgroundColor(level), yellow);
        QCOMPARE(textColor(level), black);
        QCOMPARE(textColor(note), red);
        QCOMPARE(note->font().bold(), true);
        QCOMPARE(note->text(), cautionText);
        break;
    case Verdict::Red:
        QCOMPARE(backgroundColor(level), red);
        QCOMPARE(textColor(level), white);
        QCOMPARE(textColor(note), red);
        QCOMPARE(note->font().bold(), true);
        QCOMPARE(note->text(), stopText);
        break;
    case Verdict::RedSevere:
        QCOMPARE(backgroundColor(level), black);
        QCOMPARE(textColor(level), white);
        QCOMPARE(textColor(note), red);
        QCOMPARE(note->font().bold(), true);
        QCOMPARE(note->text(), stopText);
        break;
    }
}

// The warnings shown since the last call, each as "title: text"; all carry the warning icon.
QStringList TestLiveEstimate::newWarnings()
{
    QStringList shown;
    for (int i = m_warningsTaken; i < m_watcher->count(); ++i)
        shown.append(m_watcher->titles().at(i) + u": "_s + m_watcher->texts().at(i));
    if (m_watcher->count() > m_warningsTaken && m_watcher->lastIcon() != QMessageBox::Warning)
        shown.append(u"(without the warning icon)"_s);
    m_warningsTaken = m_watcher->count();
    return shown;
}

Q_DECLARE_METATYPE(Verdict)

void TestLiveEstimate::workedExamples_data()
{
    QTest::addColumn<bool>("meal");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("level");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("wait");
    QTest::addColumn<QString>("waitUnit");
    QTest::addColumn<double>("noteSize");

    QTest::newRow("an hour after, no meal: red, two hours to wait")
            << false << u"1"_s << u"0,65"_s << Verdict::Red << u"2"_s << u"heures"_s << 10.0;
    QTest::newRow("with a meal: yellow, no wait")
            << true << u"1"_s << u"0,43"_s << Verdict::Yellow << u"0"_s << u"heure"_s << 9.0;
    QTest::newRow("three hours after, no meal: yellow, no wait")
            << false << u"3"_s << u"0,41"_s << Verdict::Yellow << u"0"_s << u"heure"_s << 9.0;
}

void TestLiveEstimate::workedExamples()
{
    QFETCH(bool, meal);
    QFETCH(QString, delay);
    QFETCH(QString, level);
    QFETCH(Verdict, verdict);
    QFETCH(QString, wait);
    QFETCH(QString, waitUnit);
    QFETCH(double, noteSize);

    auto *mealBox = widget<QCheckBox>(u"CocheR"_s);
    QVERIFY(typeWorkedExample());
    if (meal)
        QTest::mouseClick(mealBox, Qt::LeftButton, {}, QPoint(8, mealBox->height() / 2));
    QVERIFY(typeInto(box(u"Délai"_s), delay));

    QCOMPARE(mealBox->isChecked(), meal);
    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
    QCOMPARE(label(u"Attente"_s)->text(), wait);
    QCOMPARE(label(u"Etiquette15"_s)->text(), waitUnit);
    QCOMPARE(widget(u"Alerte1"_s)->isVisible(), true);
    QCOMPARE(widget(u"Alerte2"_s)->isVisible(), verdict == Verdict::Red);
    QCOMPARE(widget(u"Alerte3"_s)->isVisible(), false);
    verifyVerdictShown(verdict);
    QCOMPARE(label(u"Note"_s)->font().pointSizeF(), noteSize);
}

void TestLiveEstimate::thresholds_data()
{
    QTest::addColumn<QString>("degree");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("beyond");
    QTest::addColumn<QString>("level");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("wait");
    QTest::addColumn<QString>("alerts");
    QTest::addColumn<double>("noteSize");
    QTest::addColumn<bool>("probationary");

    // One glass of 25 cl for a man of 100 kg: the level is the degree × 2 / 70. The engine's
    // level must lie in [lowest, beyond): a row that ends with nextafter is an exact level.
    const auto exactly = [](double level) {
        return std::nextafter(level, 1.0);
    };
    QTest::newRow("no glass: 0,00 on green")
            << u"0"_s << 0.0 << exactly(0.0) << u"0,00"_s << Verdict::Green << u"0"_s << u"---"_s
            << 8.25 << false;
    QTest::newRow("just below 0.3: green although it shows 0,30")
            << u"10.49"_s << 0.295 << 0.3 << u"0,30"_s << Verdict::Green << u"0"_s << u"---"_s
            << 8.25 << false;
    QTest::newRow("exactly 0.3: yellow, first alert")
            << u"10.5"_s << 0.3 << exactly(0.3) << u"0,30"_s << Verdict::Yellow << u"0"_s
            << u"x--"_s << 9.0 << false;
    QTest::newRow("just below 0.5: yellow, shows 0,50, no wait")
            << u"17.49"_s << 0.495 << 0.5 << u"0,50"_s << Verdict::Yellow << u"0"_s << u"x--"_s
            << 9.0 << false;
    QTest::newRow("exactly 0.5: red, one hour to wait")
            << u"17.5"_s << 0.5 << exactly(0.5) << u"0,50"_s << Verdict::Red << u"1"_s << u"xx-"_s
            << 10.0 << false;
    QTest::newRow("just below 0.8: red, shows 0,80")
            << u"27.99"_s << 0.795 << 0.8 << u"0,80"_s << Verdict::Red << u"3"_s << u"xx-"_s << 10.0
            << false;
    // Straight from green (no glass yet) to severe: the message keeps the size it had.
    QTest::newRow("exactly 0.8: severe, on black, third alert")
            << u"28"_s << 0.8 << exactly(0.8) << u"0,80"_s << Verdict::RedSevere << u"3"_s
            << u"xxx"_s << 8.25 << false;
    // Under the 0,2 g/l limit, any alcohol calls for caution and the stop comes at 0,20.
    QTest::newRow("0,2 limit: no glass, green")
            << u"0"_s << 0.0 << exactly(0.0) << u"0,00"_s << Verdict::Green << u"0"_s << u"---"_s
            << 8.25 << true;
    QTest::newRow("0,2 limit: just below 0.2, yellow although it shows 0,20")
            << u"6.99"_s << 0.199 << 0.2 << u"0,20"_s << Verdict::Yellow << u"0"_s << u"---"_s
            << 9.0 << true;
    QTest::newRow("0,2 limit: exactly 0.2, red, one hour, the stop sign")
            << u"7"_s << 0.2 << exactly(0.2) << u"0,20"_s << Verdict::Red << u"1"_s << u"-x-"_s
            << 10.0 << true;
    QTest::newRow("0,2 limit: 0.4, two hours to 0,20")
            << u"14"_s << 0.4 << exactly(0.4) << u"0,40"_s << Verdict::Red << u"2"_s << u"xx-"_s
            << 10.0 << true;
    QTest::newRow("0,2 limit: exactly 0.8, severe, six hours to 0,20")
            << u"28"_s << 0.8 << exactly(0.8) << u"0,80"_s << Verdict::RedSevere << u"6"_s
            << u"xxx"_s << 8.25 << true;
}

void TestLiveEstimate::thresholds()
{
    QFETCH(QString, degree);
    QFETCH(double, lowest);
    QFETCH(double, beyond);
    QFETCH(QString, level);
    QFETCH(Verdict, verdict);
    QFETCH(QString, wait);
    QFETCH(QString, alerts);
    QFETCH(double, noteSize);
    QFETCH(bool, probationary);

    const double glasses = degree == u"0"_s ? 0 : 1;
    const double computed = wineLevel(100, glasses, 25, readNumber(degree.toStdString()));
    QVERIFY2(computed >= lowest && computed < beyond,
             qPrintable(QString::number(computed, 'g', 17)));

    QVERIFY(typeInto(box(u"Poids"_s), u"100"_s));
    // Ticked once a weight is given: the estimate it runs would ask for one.
    child<QAction>(m_window.get(), u"SeuilProbatoire"_s)->setChecked(probationary);
    QVERIFY(typeInto(box(u"VOL_V"_s), u"25"_s));
    QVERIFY(typeInto(box(u"DEG_V"_s), degree));
    QCOMPARE(widget(u"FeuVert"_s)->isVisible(), true);
    QVERIFY(typeInto(box(u"NB_V"_s), QString::number(glasses)));

    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
    QCOMPARE(label(u"Attente"_s)->text(), wait);
    QCOMPARE(label(u"Etiquette15"_s)->text(), wait.toInt() > 1 ? u"heures"_s : u"heure"_s);
    QString signs;
    for (const QString &alert : {u"Alerte1"_s, u"Alerte2"_s, u"Alerte3"_s})
        signs += widget(alert)->isVisible() ? u'x' : u'-';
    QCOMPARE(signs, alerts);
    verifyVerdictShown(verdict);
    QCOMPARE(label(u"Note"_s)->font().pointSizeF(), noteSize);
}

void TestLiveEstimate::noteSizeCarriedIntoSevere_data()
{
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<double>("noteSize");

    // Glasses of 25 cl at 10 degrees for a man of 100 kg: 0.29 g/l each.
    QTest::newRow("green to severe keeps 8.25")
            << QStringList{u"1"_s, u"3"_s} << Verdict::RedSevere << 8.25;
    QTest::newRow("yellow to severe keeps 9")
            << QStringList{u"1.5"_s, u"3"_s} << Verdict::RedSevere << 9.0;
    QTest::newRow("red to severe keeps 10")
            << QStringList{u"2"_s, u"3"_s} << Verdict::RedSevere << 10.0;
    QTest::newRow("severe back to red sets 10")
            << QStringList{u"1.5"_s, u"3"_s, u"2"_s} << Verdict::Red << 10.0;
    QTest::newRow("severe back to green sets 8.25, regular")
            << QStringList{u"2"_s, u"3"_s, u"1"_s} << Verdict::Green << 8.25;
}

void TestLiveEstimate::noteSizeCarriedIntoSevere()
{
    QFETCH(QStringList, counts);
    QFETCH(Verdict, verdict);
    QFETCH(double, noteSize);

    QVERIFY(typeInto(box(u"Poids"_s), u"100"_s));
    QVERIFY(typeInto(box(u"VOL_V"_s), u"25"_s));
    QVERIFY(typeInto(box(u"DEG_V"_s), u"10"_s));
    for (const QString &count : counts)
        QVERIFY(typeInto(box(u"NB_V"_s), count));

    verifyVerdictShown(verdict);
    QCOMPARE(label(u"Note"_s)->font().pointSizeF(), noteSize);
}

void TestLiveEstimate::levelBar_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("glasses");
    QTest::addColumn<QString>("degree");
    QTest::addColumn<double>("level"); // NaN: any level, the bar follows the engine's
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("top");

    const double any = std::nan("");
    QTest::newRow("no glass: no bar, at the foot of the scale")
            << u"70"_s << u"0"_s << u"11"_s << 0.0 << 0.0f << 4500.0f;
    QTest::newRow("a level within the scale: 2295 twips per g/l")
            << u"70"_s << u"3"_s << u"11"_s << any << -1.0f << -1.0f;
    QTest::newRow("exactly 1.83 g/l: the full height, not yet capped")
            << u"60"_s << u"3"_s << u"12.81"_s << 1.83 << float(1.83 * 2295)
            << 4500.0f - float(1.83 * 2295);
    QTest::newRow("just above 1.83 g/l: capped at 4230")
            << u"60"_s << u"3"_s << u"12.82"_s << any << 4230.0f << 270.0f;
    QTest::newRow("far above: capped at 4230")
            << u"60"_s << u"9"_s << u"50"_s << any << 4230.0f << 270.0f;
}

void TestLiveEstimate::levelBar()
{
    QFETCH(QString, weight);
    QFETCH(QString, glasses);
    QFETCH(QString, degree);
    QFETCH(double, level);
    QFETCH(float, height);
    QFETCH(float, top);

    const double computed = wineLevel(readNumber(weight.toStdString()),
                                      readNumber(glasses.toStdString()), 25,
                                      readNumber(degree.toStdString()));
    if (!std::isnan(level))
        QVERIFY2(computed == level, qPrintable(QString::number(computed, 'g', 17)));
    if (height < 0) {
        QVERIFY(computed > 0.3 && computed < 1.83);
        height = float(computed * 2295);
        top = 4500.0f - height;
    }

    QVERIFY(typeInto(box(u"Poids"_s), weight));
    QVERIFY(typeInto(box(u"VOL_V"_s), u"25"_s));
    QVERIFY(typeInto(box(u"DEG_V"_s), degree));
    QVERIFY(typeInto(box(u"NB_V"_s), glasses));

    const auto *bar = widget<Shape>(u"Colonne"_s);
    QCOMPARE(bar->twipsHeight(), height);
    QCOMPARE(bar->top(), top);
    QCOMPARE(bar->left(), 7650.0f);
    QCOMPARE(bar->twipsWidth(), 1280.0f);
}

void TestLiveEstimate::weightWarning_data()
{
    QTest::addColumn<bool>("emptyFirst");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("warnings");

    // Emptying the box runs its change reaction once more, which warns again, unless the box
    // was already empty.
    QTest::newRow("clearing a filled box warns once") << false << QString() << 1;
    QTest::newRow("typing 0 in an empty box warns twice") << true << u"0"_s << 2;
    QTest::newRow("typing a letter in an empty box warns twice") << true << u"x"_s << 2;
    QTest::newRow("typing 0 over a weight warns twice") << false << u"0"_s << 2;
}

void TestLiveEstimate::weightWarning()
{
    QFETCH(bool, emptyFirst);
    QFETCH(QString, typed);
    QFETCH(int, warnings);

    QLineEdit *weight = box(u"Poids"_s);
    QVERIFY(typeWorkedExample());
    QCOMPARE(label(u"Alcoolémie"_s)->text(), u"0,65"_s);
    const QString size = resultsOnScreen(m_window.get()).section(u" | "_s, 10);
    if (emptyFirst) {
        QVERIFY(typeInto(weight, QString()));
        QCOMPARE(newWarnings(), QStringList{warning(weightWarningText)});
    }

    QVERIFY(tabTo(weight));
    QTest::keyClick(weight, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty())
        QTest::keyClick(weight, Qt::Key_Backspace);
    else
        QTest::keyClicks(weight, typed);

    QCOMPARE(newWarnings(), QStringList(warnings, warning(weightWarningText)));
    QCOMPARE(weight->text(), QString());
    QVERIFY(regainActivation());
    QCOMPARE(QApplication::focusWidget(), weight);
    // The verdict of a weight that is gone does not stay behind the warning.
    QCOMPARE(resultsOnScreen(m_window.get()),
             u"-,-- | #ffffff | #000000 | wait - heure | lights offoffoff | alerts offoffoff | "
             u"bar 4500 15 | Poids manqua | #ff0000 | bold | "_s
                     + size);
    QCOMPARE(label(u"Note"_s)->text(), weightMissingText);
    QCOMPARE(label(u"Alcoolémie"_s)->toolTip(), QString());
}

void TestLiveEstimate::delayBelowOneHour_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("emptied") << QString();
    QTest::newRow("0 typed") << u"0"_s;
    QTest::newRow("a letter typed") << u"h"_s;
}

void TestLiveEstimate::delayBelowOneHour()
{
    QFETCH(QString, typed);

    QLineEdit *delayBox = box(u"Délai"_s);
    QVERIFY(typeWorkedExample());
    QVERIFY(typeInto(delayBox, u"3"_s));
    QCOMPARE(label(u"Alcoolémie"_s)->text(), u"0,41"_s);
    QCOMPARE(label(u"Etiquette14"_s)->text(), u"heures"_s);
    setTextColor(delayBox, black);

    QTest::keyClick(delayBox, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty())
        QTest::keyClick(delayBox, Qt::Key_Backspace);
    else
        QTest::keyClicks(delayBox, typed);

    QCOMPARE(newWarnings(), QStringList{warning(delayWarningText)});
    QCOMPARE(delayBox->text(), u"1"_s);
    QCOMPARE(textColor(delayBox), blue);
    QCOMPARE(label(u"Etiquette14"_s)->text(), u"heure"_s);
    // Recomputed for one hour.
    QCOMPARE(label(u"Alcoolémie"_s)->text(), u"0,65"_s);
    QCOMPARE(label(u"Attente"_s)->text(), u"2"_s);
    // The 1 is selected: the next digit replaces it rather than making 15 hours.
    QTest::keyClicks(delayBox, u"5"_s);
    QCOMPARE(delayBox->text(), u"5"_s);
    QCOMPARE(label(u"Alcoolémie"_s)->text(), u"0,17"_s);
}

void TestLiveEstimate::delayUnitFollowsTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("units"); // after each keystroke
    QTest::addColumn<QStringList>("levels");

    QTest::newRow("1 then 12") << u"12"_s << QStringList{u"heure"_s, u"heures"_s}
                               << QStringList{u"0,65"_s, u"0,00"_s};
    QTest::newRow("2 at once") << u"2"_s << QStringList{u"heures"_s} << QStringList{u"0,53"_s};
    QTest::newRow("a number followed by a letter counts as the number")
            << u"3h"_s << QStringList{u"heures"_s, u"heures"_s}
            << QStringList{u"0,41"_s, u"0,41"_s};
    QTest::newRow("1 followed by a letter stays one hour")
            << u"1h"_s << QStringList{u"heure"_s, u"heure"_s} << QStringList{u"0,65"_s, u"0,65"_s};
}

void TestLiveEstimate::delayUnitFollowsTyping()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, units);
    QFETCH(QStringList, levels);

    QLineEdit *delayBox = box(u"Délai"_s);
    QVERIFY(typeWorkedExample());
    // From 5 hours, so that the first keystroke changes the text whatever it is.
    QVERIFY(typeInto(delayBox, u"5"_s));
    QTest::keyClick(delayBox, Qt::Key_A, Qt::ControlModifier);
    setTextColor(delayBox, black);
    QStringList unitsSeen;
    QStringList levelsSeen;
    for (const QChar key : typed) {
        QTest::keyClicks(delayBox, QString(key));
        unitsSeen.append(label(u"Etiquette14"_s)->text());
        levelsSeen.append(label(u"Alcoolémie"_s)->text());
        QCOMPARE(textColor(delayBox), blue);
        setTextColor(delayBox, black);
    }
    QCOMPARE(unitsSeen, units);
    QCOMPARE(levelsSeen, levels);
}

// How a text reaches a box: typed key by key, pasted with Ctrl+V, or typed on the keypad, where
// the decimal key gives whatever sign the keyboard layout says: a comma on a French keyboard,
// the Arabic decimal separator on an Arabic one.
enum class Entry { Typed, Pasted, Keypad };
Q_DECLARE_METATYPE(Entry)

void TestLiveEstimate::commaLandsAsPoint_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("level");
    QTest::addColumn<int>("changes");

    // The worked example with glasses of 12.5 cl: 33 g, 33 / (70 x 0.7) = 0.673; read as 12 cl
    // it would stay at 0,65.
    QTest::newRow("12,5 typed in VOL_V")
            << u"VOL_V"_s << Entry::Typed << u"12,5"_s << u"12.5"_s << u"0,67"_s << 4;
    QTest::newRow("12.5 typed in VOL_V")
            << u"VOL_V"_s << Entry::Typed << u"12.5"_s << u"12.5"_s << u"0,67"_s << 4;
    QTest::newRow("12,5 pasted in VOL_V")
            << u"VOL_V"_s << Entry::Pasted << u"12,5"_s << u"12.5"_s << u"0,67"_s << 1;
    QTest::newRow("keypad's decimal key giving a comma in VOL_V")
            << u"VOL_V"_s << Entry::Keypad << u"12,5"_s << u"12.5"_s << u"0,67"_s << 4;
    QTest::newRow("keypad's decimal key giving the Arabic separator in VOL_V")
            << u"VOL_V"_s << Entry::Keypad << u"12\u066B5"_s << u"12.5"_s << u"0,67"_s << 4;
    // 31.68 / (50.9 x 0.7) = 0.889; read as 50 kg it would be 0,91.
    QTest::newRow("50,9 typed in Poids")
            << u"Poids"_s << Entry::Typed << u"50,9"_s << u"50.9"_s << u"0,89"_s << 4;
    QTest::newRow("2, typed in Délai keeps its two characters")
            << u"Délai"_s << Entry::Typed << u"2,"_s << u"2."_s << u"0,53"_s << 2;
    // The override would show "10" while one glass is counted: 10.56 / 49 = 0.216.
    QTest::newRow("right-to-left override pasted in NB_V dropped")
            << u"NB_V"_s << Entry::Pasted << u"\u202E01"_s << u"01"_s << u"0,22"_s << 1;
    // 3 x 12 cl at 11.5 degrees: 33.12 g, 33.12 / 49 = 0.676.
    QTest::newRow("zero-width space and direction mark pasted in DEG_V dropped")
            << u"DEG_V"_s << Entry::Pasted << u"\u200B11,\u200E5"_s << u"11.5"_s << u"0,68"_s << 1;
}

void TestLiveEstimate::commaLandsAsPoint()
{
    QFETCH(QString, field);
    QFETCH(Entry, entry);
    QFETCH(QString, entered);
    QFETCH(QString, shown);
    QFETCH(QString, level);
    QFETCH(int, changes);

    QLineEdit *edited = box(field);
    QVERIFY(typeWorkedExample());
    QVERIFY(tabTo(edited));
    QTest::keyClick(edited, Qt::Key_A, Qt::ControlModifier);
    const QSignalSpy changed(edited, &QLineEdit::textChanged);
    switch (entry) {
    case Entry::Typed:
        QTest::keyClicks(edited, entered);
        break;
    case Entry::Pasted:
        QGuiApplication::clipboard()->setText(entered);
        QTest::keyClick(edited, Qt::Key_V, Qt::ControlModifier);
        break;
    case Entry::Keypad:
        for (const QChar key : entered) {
            if (key.isDigit())
                QTest::keyClick(edited, key.toLatin1(), Qt::KeypadModifier);
            else
                QTest::sendKeyEvent(QTest::Click, edited, Qt::Key_Period, QString(key),
                                    Qt::KeypadModifier);
        }
        break;
    }

    QCOMPARE(edited->text(), shown);
    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
    QCOMPARE(changed.count(), changes);
}

void TestLiveEstimate::marking_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QColor>("before");
    QTest::addColumn<QColor>("after");

    QTest::newRow("the weight turns dark red") << u"Poids"_s << black << darkRed;
    QTest::newRow("a volume turns dark red") << u"VOL_K"_s << black << darkRed;
    QTest::newRow("a degree turns dark red") << u"DEG_C"_s << black << darkRed;
    QTest::newRow("a count keeps its dark green") << u"NB_B"_s << darkGreen << darkGreen;
    QTest::newRow("the delay turns blue") << u"Délai"_s << black << blue;
}

void TestLiveEstimate::marking()
{
    QFETCH(QString, field);
    QFETCH(QColor, before);
    QFETCH(QColor, after);

    QLineEdit *edited = box(field);
    if (field != u"Poids"_s) {
        fillQuietly({{u"Poids"_s, u"70"_s}, {u"NB_K"_s, QString()}});
        QCOMPARE(textColor(box(u"Poids"_s)), black);
    }
    QCOMPARE(textColor(edited), before);

    QVERIFY(typeInto(edited, u"2"_s));

    QCOMPARE(textColor(edited), after);
    // Only the edited box is marked.
    for (QLineEdit *other : {box(u"Poids"_s), box(u"DEG_D"_s), box(u"VOL_C"_s)}) {
        if (other != edited)
            QCOMPARE(textColor(other), black);
    }
}

void TestLiveEstimate::notReadyNeitherRecomputesNorMarks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");

    QTest::newRow("weight") << u"Poids"_s << u"50"_s;
    QTest::newRow("weight emptied, no warning") << u"Poids"_s << QString();
    QTest::newRow("count") << u"NB_V"_s << u"9"_s;
    QTest::newRow("volume") << u"VOL_V"_s << u"50"_s;
    QTest::newRow("degree") << u"DEG_V"_s << u"40"_s;
}

void TestLiveEstimate::notReadyNeitherRecomputesNorMarks()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);

    QLineEdit *edited = box(field);
    fillQuietly({{u"Poids"_s, u"70"_s},
                 {u"VOL_V"_s, u"12"_s},
                 {u"DEG_V"_s, u"11"_s},
                 {u"NB_V"_s, u"3"_s}});
    QCOMPARE(label(u"Alcoolémie"_s)->text(), u"0,65"_s);
    const QString before = resultsOnScreen(m_window.get());
    const QColor colour = textColor(edited);

    setReady(m_window.get(), 0);
    QVERIFY(typeInto(edited, typed));
    setReady(m_window.get(), 1);

    QCOMPARE(resultsOnScreen(m_window.get()), before);
    QCOMPARE(textColor(edited), colour);
}

void TestLiveEstimate::delayReactsWhileNotReady_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("3 hours: blue, heures") << u"3"_s << u"3"_s << u"heures"_s << QStringList();
    QTest::newRow("emptied: back to 1 with the warning")
            << QString() << u"1"_s << u"heure"_s << QStringList{warning(delayWarningText)};
}

void TestLiveEstimate::delayReactsWhileNotReady()
{
    QFETCH(QString, typed);
    QFETCH(QString, delay);
    QFETCH(QString, unit);
    QFETCH(QStringList, warnings);

    // The count comes last; the delay's reaction, which ignores Ready, has turned the delay blue.
    fillQuietly({{u"Poids"_s, u"70"_s},
                 {u"VOL_V"_s, u"12"_s},
                 {u"DEG_V"_s, u"11"_s},
                 {u"Délai"_s, u"2"_s},
                 {u"NB_V"_s, u"3"_s}});
    QLineEdit *delayBox = box(u"Délai"_s);
    setTextColor(delayBox, black);
    const QString before = resultsOnScreen(m_window.get());

    setReady(m_window.get(), 0);
    QVERIFY(tabTo(delayBox));
    QTest::keyClick(delayBox, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty())
        QTest::keyClick(delayBox, Qt::Key_Backspace);
    else
        QTest::keyClicks(delayBox, typed);
    setReady(m_window.get(), 1);

    QCOMPARE(newWarnings(), warnings);
    QCOMPARE(delayBox->text(), delay);
    QCOMPARE(textColor(delayBox), blue);
    QCOMPARE(label(u"Etiquette14"_s)->text(), unit);
    QCOMPARE(resultsOnScreen(m_window.get()), before);
}

void TestLiveEstimate::tabbingSelectsWholeText_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("typed");

    QTest::newRow("from the meal box into the first count")
            << u"CocheR"_s << false << u"NB_K"_s << u"5"_s;
    QTest::newRow("from the last count into the first volume")
            << u"NB_C"_s << false << u"VOL_K"_s << u"20"_s;
    QTest::newRow("from the last degree into the delay")
            << u"DEG_C"_s << false << u"Délai"_s << u"4"_s;
    QTest::newRow("back from the delay into the last degree")
            << u"Délai"_s << true << u"DEG_C"_s << u"9"_s;
    QTest::newRow("back from the build into the weight")
            << u"CorpuN"_s << true << u"Poids"_s << u"8"_s;
}

void TestLiveEstimate::tabbingSelectsWholeText()
{
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, to);
    QFETCH(QString, typed);

    fillQuietly({{u"Poids"_s, u"72"_s},
                 {u"VOL_K"_s, u"125"_s},
                 {u"DEG_C"_s, u"12.5"_s},
                 {u"Délai"_s, u"10"_s},
                 {u"NB_K"_s, u"12"_s}});
    QLineEdit *target = box(to);
    QVERIFY(target->text().size() >= 2);
    widget(from)->setFocus();
    QCOMPARE(QApplication::focusWidget(), widget(from));

    QTest::keyClick(widget(from), backwards ? Qt::Key_Backtab : Qt::Key_Tab);

    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(target->selectedText(), target->text());
    QTest::keyClicks(target, typed);
    QCOMPARE(target->text(), typed);
}

void TestLiveEstimate::drinkButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QStringList>("warnings");

    // Glasses of 10 cl at 10 degrees (8 g) for a man of 80 kg: 1/7 g/l each.
    QTest::newRow("Cocktail: an empty count becomes 1")
            << u"Cocktail"_s << u"NB_K"_s << QString() << u"1"_s << u"0,14"_s << QStringList();
    QTest::newRow("Bière: 3 becomes 4")
            << u"Bière"_s << u"NB_B"_s << u"3"_s << u"4"_s << u"0,57"_s << QStringList();
    QTest::newRow("Apéritif: letters count as no glass")
            << u"Apéritif"_s << u"NB_A"_s << u"abc"_s << u"1"_s << u"0,14"_s << QStringList();
    QTest::newRow("Vin: a fractional count stays readable")
            << u"Vin"_s << u"NB_V"_s << u"2.5"_s << u"3.5"_s << u"0,50"_s << QStringList();
    QTest::newRow("Vin: a count from half a glass")
            << u"Vin"_s << u"NB_V"_s << u".5"_s << u"1.5"_s << u"0,21"_s << QStringList();
    QTest::newRow("Digestif: 99 becomes 100")
            << u"Digestif"_s << u"NB_D"_s << u"99"_s << u"100"_s << u"14,29"_s << QStringList();
    QTest::newRow("Champagne: 999 cannot grow to four digits")
            << u"Champagne"_s << u"NB_C"_s << u"999"_s << u"999"_s << u"142,71"_s
            << QStringList{warning(fullCountWarningText)};
    QTest::newRow("Digestif: a count in exponent notation")
            << u"Digestif"_s << u"NB_D"_s << u"1E2"_s << u"101"_s << u"14,43"_s << QStringList();
    QTest::newRow("Vin: 9.9 cannot grow to four characters")
            << u"Vin"_s << u"NB_V"_s << u"9.9"_s << u"9.9"_s << u"1,41"_s
            << QStringList{warning(fullCountWarningText)};
    QTest::newRow("Bière: a negative count goes up by one")
            << u"Bière"_s << u"NB_B"_s << u"-1"_s << u"0"_s << u"0,00"_s << QStringList();
}

void TestLiveEstimate::drinkButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, count);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, level);
    QFETCH(QStringList, warnings);

    QLineEdit *countBox = box(count);
    const QString letter = count.right(1);
    QVERIFY(typeInto(box(u"Poids"_s), u"80"_s));
    QVERIFY(typeInto(box(u"VOL_"_s + letter), u"10"_s));
    QVERIFY(typeInto(box(u"DEG_"_s + letter), u"10"_s));
    QVERIFY(typeInto(countBox, before));
    QVERIFY(tabTo(box(u"Délai"_s)));

    QTest::mouseClick(widget<Picture>(button), Qt::LeftButton);

    QCOMPARE(newWarnings(), warnings);
    QCOMPARE(countBox->text(), after);
    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
    QVERIFY(regainActivation());
    QCOMPARE(QApplication::focusWidget(), box(u"Délai"_s));
    QCOMPARE(textColor(countBox), darkGreen);
}

void TestLiveEstimate::threeBeersRecomputeThreeTimes()
{
    // Beers of 25 cl at 5 degrees (10 g) for a man of 70 kg.
    QVERIFY(typeInto(box(u"Poids"_s), u"70"_s));
    QVERIFY(typeInto(box(u"VOL_B"_s), u"25"_s));
    QVERIFY(typeInto(box(u"DEG_B"_s), u"5"_s));
    QCOMPARE(box(u"NB_B"_s)->text(), QString());

    QStringList counts;
    QStringList levels;
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(widget(u"Bière"_s), Qt::LeftButton);
        counts.append(box(u"NB_B"_s)->text());
        levels.append(label(u"Alcoolémie"_s)->text());
    }

    QCOMPARE(counts, (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(levels, (QStringList{u"0,20"_s, u"0,41"_s, u"0,61"_s}));
    verifyVerdictShown(Verdict::Red);
}

void TestLiveEstimate::drinkClickWhileNotReady()
{
    fillQuietly({{u"Poids"_s, u"70"_s},
                 {u"VOL_B"_s, u"25"_s},
                 {u"DEG_B"_s, u"5"_s},
                 {u"NB_B"_s, u"1"_s}});
    QCOMPARE(label(u"Alcoolémie"_s)->text(), u"0,20"_s);
    const QString before = resultsOnScreen(m_window.get());

    setReady(m_window.get(), 0);
    QTest::mouseClick(widget(u"Bière"_s), Qt::LeftButton);
    setReady(m_window.get(), 1);

    QCOMPARE(box(u"NB_B"_s)->text(), u"2"_s);
    QCOMPARE(resultsOnScreen(m_window.get()), before);
}

void TestLiveEstimate::optionClicksRecompute_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("level");

    // The worked example: 31.68 g for a man of 70 kg of normal build gives 0,65.
    QTest::newRow("a woman: coefficient 0.6") << QStringList{u"OptionF"_s} << u"0,75"_s;
    QTest::newRow("a strong build: coefficient 0.6") << QStringList{u"CorpuF"_s} << u"0,75"_s;
    QTest::newRow("a woman of strong build: coefficient 0.5")
            << QStringList{u"OptionF"_s, u"CorpuF"_s} << u"0,91"_s;
    QTest::newRow("back to a man") << QStringList{u"OptionF"_s, u"OptionH"_s} << u"0,65"_s;
    QTest::newRow("back to a normal build") << QStringList{u"CorpuF"_s, u"CorpuN"_s} << u"0,65"_s;
    QTest::newRow("a meal divides by 1.5") << QStringList{u"CocheR"_s} << u"0,43"_s;
    QTest::newRow("the meal unticked") << QStringList{u"CocheR"_s, u"CocheR"_s} << u"0,65"_s;
}

void TestLiveEstimate::optionClicksRecompute()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, level);

    QVERIFY(typeWorkedExample());
    QCOMPARE(label(u"Alcoolémie"_s)->text(), u"0,65"_s);
    for (const QString &name : clicks) {
        auto *button = widget<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
}

void TestLiveEstimate::optionSetByProgram_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<qint16>("ready");
    QTest::addColumn<QString>("level");

    QTest::newRow("a woman, when ready") << u"OptionF"_s << qint16(1) << u"0,75"_s;
    QTest::newRow("a strong build, when ready") << u"CorpuF"_s << qint16(1) << u"0,75"_s;
    QTest::newRow("a meal, when ready") << u"CocheR"_s << qint16(1) << u"0,43"_s;
    QTest::newRow("a woman, while not ready") << u"OptionF"_s << qint16(0) << u"0,65"_s;
    QTest::newRow("a meal, while not ready") << u"CocheR"_s << qint16(0) << u"0,65"_s;
}

void TestLiveEstimate::optionSetByProgram()
{
    QFETCH(QString, button);
    QFETCH(qint16, ready);
    QFETCH(QString, level);

    QVERIFY(typeWorkedExample());
    setReady(m_window.get(), ready);
    widget<QAbstractButton>(button)->setChecked(true);
    setReady(m_window.get(), 1);

    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
}

void TestLiveEstimate::overflow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mended");
    QTest::addColumn<QString>("level");

    // Over three glasses of wine of 12 cl, for a man of 70 kg; only the last keystroke
    // overflows, which leaves no estimate on screen, and a normal value typed after it shows
    // its estimate.
    QTest::newRow("a degree beyond any number") << u"DEG_V"_s << u"1E309"_s << u"11"_s << u"0,65"_s;
    QTest::newRow("a volume whose grams overflow")
            << u"VOL_V"_s << u"9E307"_s << u"12"_s << u"0,65"_s;
    QTest::newRow("a weight too small to divide by")
            << u"Poids"_s << u"1E-310"_s << u"70"_s << u"0,65"_s;
    QTest::newRow("a weight typed as a huge number")
            << u"Poids"_s << u"1E999"_s << u"49"_s << u"0,92"_s;
}

void TestLiveEstimate::overflow()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, mended);
    QFETCH(QString, level);

    QLineEdit *edited = box(field);
    QVERIFY(typeWorkedExample());
    QVERIFY(typeInto(edited, typed.chopped(1)));
    QCOMPARE(newWarnings(), QStringList());
    const QString before = resultsOnScreen(m_window.get());

    QTest::keyClicks(edited, typed.right(1));

    QCOMPARE(edited->text(), typed);
    QCOMPARE(newWarnings(), QStringList{warning(overflowWarningText)});
    // No light, no sign, the bar at rest and the reason in red: the message keeps its size.
    const QString noEstimate = u"-,-- | #ffffff | #000000 | wait - heure | lights offoffoff | "
                               u"alerts offoffoff | bar 4500 15 | Calcul impos | #ff0000 | bold"_s;
    const QString size = before.section(u" | "_s, 10);
    QCOMPARE(resultsOnScreen(m_window.get()), noEstimate + u" | "_s + size);

    QVERIFY(typeInto(edited, mended));
    QCOMPARE(newWarnings(), QStringList());
    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
    QVERIFY(child<QWidget>(m_window.get(), u"FeuRouge"_s)->isVisible());
}

void TestLiveEstimate::impossibleValues_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("mended");
    QTest::addColumn<QString>("note"); // empty: the value can be, the verdict stands

    // A weight below 0 is no weight: the weight's warning, twice since it empties the box.
    QTest::newRow("a negative weight") << u"Poids"_s << u"-70"_s << u"70"_s << weightMissingText;
    const QString mend = u" Corrigez-la pour obtenir une estimation."_s;
    // Over the red verdict of three glasses of wine of 12 cl at 11 degrees for a man of 70 kg.
    QTest::newRow("a negative count of wines")
            << u"NB_V"_s << u"-1"_s << u"3"_s
            << u"Valeur impossible : le nombre de verres des « Vins » est négatif."_s + mend;
    QTest::newRow("a negative count of beers")
            << u"NB_B"_s << u"-1"_s << QString()
            << u"Valeur impossible : le nombre de verres des « Bière, cidre » est négatif."_s
                       + mend;
    QTest::newRow("a negative volume of wines")
            << u"VOL_V"_s << u"-12"_s << u"12"_s
            << u"Valeur impossible : le volume des « Vins » est négatif."_s + mend;
    QTest::newRow("a negative volume of beers")
            << u"VOL_B"_s << u"-25"_s << u"25"_s
            << u"Valeur impossible : le volume des « Bière, cidre » est négatif."_s + mend;
    QTest::newRow("a negative degree of wines")
            << u"DEG_V"_s << u"-11"_s << u"11"_s
            << u"Valeur impossible : le degré des « Vins » est négatif."_s + mend;
    QTest::newRow("a negative degree of champagne")
            << u"DEG_C"_s << u"-12"_s << u"12"_s
            << u"Valeur impossible : le degré du « Champagne » est négatif."_s + mend;
    QTest::newRow("a degree of 100.5")
            << u"DEG_B"_s << u"100.5"_s << u"5"_s
            << u"Valeur impossible : le degré des « Bière, cidre » dépasse 100."_s + mend;
    QTest::newRow("a degree of 1100")
            << u"DEG_V"_s << u"1100"_s << u"11"_s
            << u"Valeur impossible : le degré des « Vins » dépasse 100."_s + mend;
    // Its grams would overflow, but a degree above 100 cannot be in the first place.
    QTest::newRow("a degree of 9E307")
            << u"DEG_V"_s << u"9E307"_s << u"11"_s
            << u"Valeur impossible : le degré des « Vins » dépasse 100."_s + mend;
    QTest::newRow("a degree of 100 can be") << u"DEG_B"_s << u"100"_s << u"5"_s << QString();
    QTest::newRow("a count of 0 can be") << u"NB_B"_s << u"0"_s << QString() << QString();
    QTest::newRow("a volume of 0 can be") << u"VOL_B"_s << u"0"_s << u"25"_s << QString();
}

// A value that cannot be, pasted over a red verdict, leaves no verdict at all: no light, no
// wait, the reason in red and a red frame on its box. Mended, it gives back the red verdict as
// if it had never been there.
void TestLiveEstimate::impossibleValues()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, mended);
    QFETCH(QString, note);

    auto *edited = widget<NumberBox>(field);
    QVERIFY(typeWorkedExample());
    const QString redVerdict = resultsOnScreen(m_window.get());
    QVERIFY(redVerdict.startsWith(u"0,65 | #ff0000 | #ffffff | wait 2 heures | lights offoffon"_s));
    const auto paste = [&](const QString &text) {
        QVERIFY(tabTo(edited));
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edited, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edited, Qt::Key_V, Qt::ControlModifier);
    };
    const bool weight = note == weightMissingText;

    paste(pasted);
    QCOMPARE(newWarnings(), QStringList(weight ? 2 : 0, warning(weightWarningText)));
    QCOMPARE(edited->text(), weight ? QString() : pasted);
    if (note.isEmpty()) {
        QVERIFY(widget(u"FeuRouge"_s)->isVisible());
        QVERIFY(!edited->isFlagged());
        return;
    }
    QCOMPARE(resultsOnScreen(m_window.get()),
             u"-,-- | #ffffff | #000000 | wait - heure | lights offoffoff | alerts offoffoff | "
             u"bar 4500 15 | "_s
                     + note.left(12) + u" | #ff0000 | bold | 10"_s);
    QCOMPARE(label(u"Note"_s)->text(), note);
    QCOMPARE(label(u"Alcoolémie"_s)->toolTip(), QString());
    QCOMPARE(label(u"Attente"_s)->toolTip(), QString());
    const QList<NumberBox *> boxes = m_window->findChildren<NumberBox *>();
    QCOMPARE(std::count_if(boxes.begin(), boxes.end(), std::mem_fn(&NumberBox::isFlagged)),
             weight ? 0 : 1);
    if (!weight) {
        QCOMPARE(edited->toolTip(), note);
        QCOMPARE(edited->accessibleDescription(), note);
    }

    paste(mended);
    QCOMPARE(resultsOnScreen(m_window.get()), redVerdict);
    QVERIFY(!edited->isFlagged());
    QCOMPARE(edited->toolTip(), QString());
}

void TestLiveEstimate::closingEndsEveryWindow_data()
{
    QTest::addColumn<QStringList>("pageButtons");

    QTest::newRow("help page 1 shown") << QStringList();
    QTest::newRow("page 1 hidden behind page 2") << QStringList{u"PageSuiv"_s};
    QTest::newRow("back to page 1") << QStringList{u"PageSuiv"_s, u"PagePréc"_s};
}

void TestLiveEstimate::closingEndsEveryWindow()
{
    QFETCH(QStringList, pageButtons);

    QTest::keySequence(box(u"Poids"_s), QKeySequence(Qt::Key_F1));
    QVERIFY(HelpPage::loaded<Notice1>());
    for (const QString &name : pageButtons) {
        QWidget *page = HelpPage::loaded<Notice2>() != nullptr
                                        && HelpPage::loaded<Notice2>()->isVisible()
                                ? static_cast<QWidget *>(HelpPage::loaded<Notice2>())
                                : HelpPage::loaded<Notice1>();
        auto *button = child<QPushButton>(page, name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    const QPointer<QWidget> page1 = HelpPage::loaded<Notice1>();
    const QPointer<QWidget> page2 = HelpPage::loaded<Notice2>();
    QVERIFY(page1 || page2);

    QVERIFY(m_window->close());

    QTRY_VERIFY(page1.isNull() && page2.isNull());
    QCOMPARE(HelpPage::loaded<Notice1>(), nullptr);
    QCOMPARE(HelpPage::loaded<Notice2>(), nullptr);
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void TestLiveEstimate::curveOfTheLevelShown_data()
{
    QTest::addColumn<QString>("delay");
    QTest::addColumn<bool>("prudent");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("peak");
    QTest::addColumn<double>("rate"); // g/l per hour of the fall
    QTest::addColumn<double>("lowPeak"); // of the band, -1 for none
    QTest::addColumn<QString>("degree"); // of the wines

    // Three glasses of wine for a man of 70 kg: 0.64653 g/l one hour after; 0.40653 three hours
    // after, shown 0,41, whose curve peaks at 0,41 + 0,24, not at the unrounded 0.64653.
    QTest::newRow("one hour after")
            << u"1"_s << false << u"0,65"_s << 0.65 << 0.12 << -1.0 << u"11"_s;
    QTest::newRow("three hours after: the rounded level taken back")
            << u"3"_s << false << u"0,41"_s << 0.41 + 2 * 0.12 << 0.12 << -1.0 << u"11"_s;
    QTest::newRow("nothing left after nine hours: flat")
            << u"9"_s << false << u"0,00"_s << 0.0 << 0.12 << -1.0 << u"11"_s;
    // The high level 0.60816 shows 0,61, the low 0.15724 shows 0,16.
    QTest::newRow("prudent, three hours after: the slow fall over the band")
            << u"3"_s << true << u"0,61"_s << 0.61 + 2 * 0.10 << 0.10 << 0.16 + 2 * 0.18 << u"11"_s;
    QTest::newRow("a degree that cannot be: no curve")
            << u"1"_s << false << u"-,--"_s << -1.0 << 0.12 << -1.0 << u"-11"_s;
}

// Ctrl+G draws the curve from the level as the window shows it, read back with the user's
// decimal separator, and from the delay.
void TestLiveEstimate::curveOfTheLevelShown()
{
    QFETCH(QString, delay);
    QFETCH(bool, prudent);
    QFETCH(QString, shown);
    QFETCH(double, peak);
    QFETCH(double, rate);
    QFETCH(double, lowPeak);
    QFETCH(QString, degree);

    QVERIFY(typeWorkedExample());
    QVERIFY(typeInto(box(u"DEG_V"_s), degree));
    QVERIFY(typeInto(box(u"Délai"_s), delay));
    child<QAction>(m_window.get(), u"EstimationPrudente"_s)->setChecked(prudent);
    QCOMPARE(label(u"Alcoolémie"_s)->text(), shown);

    std::optional<std::pair<float, float>> drawn;
    bool curveShown = false;
    QPolygonF band;
    QTimer::singleShot(0, m_window.get(), [this, &drawn, &curveShown, &band] {
        if (auto *graph = m_window->findChild<Graph *>()) {
            const auto *fall = child<Line>(graph, u"LigneDc"_s);
            drawn = {fall->y1(), fall->x2()};
            curveShown = !fall->isHidden() && !child<Line>(graph, u"LigneCr"_s)->isHidden();
            const auto *area = child<Area>(graph, u"Bande"_s);
            if (!area->isHidden())
                band = area->corners();
            graph->close();
        }
    });
    QTest::keyClick(m_window.get(), Qt::Key_G, Qt::ControlModifier);

    QVERIFY(drawn);
    QCOMPARE(curveShown, peak >= 0);
    if (peak < 0)
        return;
    QCOMPARE(drawn->first, static_cast<float>(5640 - 2400 * peak));
    QCOMPARE(drawn->second, static_cast<float>(960 + peak / rate * 300));
    if (lowPeak < 0) {
        QVERIFY(band.isEmpty());
        return;
    }
    // From the last drink up the high curve and down its fall, back along the low fall, 0.18 g/l
    // per hour, and up to the low peak.
    QCOMPARE(band.size(), 5);
    QCOMPARE(static_cast<float>(band[1].y()), static_cast<float>(5640 - 2400 * peak));
    QCOMPARE(static_cast<float>(band[3].x()), static_cast<float>(960 + lowPeak / 0.18 * 300));
    QCOMPARE(static_cast<float>(band[4].y()), static_cast<float>(5640 - 2400 * lowPeak));
}

// Ticking the 0,2 g/l limit recomputes at once, and the caption and the scale say so;
// unticking brings everything back.
void TestLiveEstimate::probationaryLimitToggles()
{
    QVERIFY(typeWorkedExample());
    child<QCheckBox>(m_window.get(), u"CocheR"_s)->click();
    QCOMPARE(label(u"Alcoolémie"_s)->text(), u"0,43"_s);
    auto *limit = child<QAction>(m_window.get(), u"SeuilProbatoire"_s);
    const QColor scaleText = textColor(label(u"Etiquette13"_s));

    for (const bool on : {true, false}) {
        limit->trigger();
        QCOMPARE(limit->isChecked(), on);
        QCOMPARE(m_window->windowTitle(), on ? u"Sobrimetre (seuil 0,2 g/l)"_s : u"Sobrimetre"_s);
        QCOMPARE(textColor(label(u"Etiquette13"_s)), on ? red : scaleText);
        QCOMPARE(child<Line>(m_window.get(), u"Ligne2"_s)->strokeColor(), on ? red : scaleText);
        verifyVerdictShown(on ? Verdict::Red : Verdict::Yellow);
        QCOMPARE(label(u"Attente"_s)->text(), on ? u"2"_s : u"0"_s);
    }
}

// The prudent estimate, on and off, for the worked example with and without a meal: the level
// shown is the high one, everything that follows the level follows it, and the wait is that of
// the high level falling at 0.10 g/l per hour.
void TestLiveEstimate::prudentEstimateToggles_data()
{
    QTest::addColumn<bool>("meal");
    QTest::addColumn<QString>("level");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("wait");
    QTest::newRow("no meal: 0,81, severe, (0.8082 - 0.5) / 0.10 = 3.08 hours")
            << false << u"0,81"_s << Verdict::RedSevere << u"4"_s;
    QTest::newRow("meal: 0,67, red, 1.73 hours") << true << u"0,67"_s << Verdict::Red << u"2"_s;
}

void TestLiveEstimate::prudentEstimateToggles()
{
    QFETCH(bool, meal);
    QFETCH(QString, level);
    QFETCH(Verdict, verdict);
    QFETCH(QString, wait);
    QVERIFY(typeWorkedExample());
    if (meal)
        child<QCheckBox>(m_window.get(), u"CocheR"_s)->click();
    const QString averageLevel = label(u"Alcoolémie"_s)->text();
    const QString averageWait = label(u"Attente"_s)->text();
    auto *prudent = child<QAction>(m_window.get(), u"EstimationPrudente"_s);

    prudent->trigger();
    QCOMPARE(m_window->windowTitle(), u"Sobrimetre (estimation prudente)"_s);
    QCOMPARE(label(u"Alcoolémie"_s)->text(), level);
    verifyVerdictShown(verdict);
    QCOMPARE(label(u"Attente"_s)->text(), wait);
    QCOMPARE(widget(u"Alerte3"_s)->isVisible(), verdict == Verdict::RedSevere);
    child<QAction>(m_window.get(), u"SeuilProbatoire"_s)->trigger();
    QCOMPARE(m_window->windowTitle(), u"Sobrimetre (seuil 0,2 g/l, estimation prudente)"_s);
    child<QAction>(m_window.get(), u"SeuilProbatoire"_s)->trigger();

    prudent->trigger();
    QCOMPARE(m_window->windowTitle(), u"Sobrimetre"_s);
    QCOMPARE(label(u"Alcoolémie"_s)->text(), averageLevel);
    QCOMPARE(label(u"Attente"_s)->text(), averageWait);
}

void TestLiveEstimate::tooltips_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QStringList>("typed"); // box, text, box, text...
    QTest::addColumn<bool>("probationary");
    QTest::addColumn<bool>("prudent");
    QTest::addColumn<QString>("levelTip");
    QTest::addColumn<QString>("waitTip");

    const QStringList wines{u"Poids"_s, u"70"_s, u"NB_V"_s, u"3"_s};
    const QString wineTip = u"Selon les personnes, entre 0,52 et 0,81 g/l. Soit environ 0,32 mg "
                            u"par litre d'air expiré. Retour à 0,00 g/l dans environ 5 h, vers "
                            u"2 h 15."_s;
    QTest::newRow("three wines at 20 h 47: back to zero after midnight, rounded up")
            << QTime(20, 47) << wines << false << false << wineTip
            << u"Conduite possible vers 22 h 50 (seuil 0,5 g/l)"_s;
    QTest::newRow("the 0,2 limit: four hours to wait, past midnight")
            << QTime(20, 47) << wines << true << false << wineTip
            << u"Conduite possible vers 0 h 50 (seuil 0,2 g/l)"_s;
    // 0.8082 falls to 0 in 8.08 hours, to 0.5 in 3.08 (4 shown).
    QTest::newRow("prudent: the high level, its breath and its fall at 0.10 g/l per hour")
            << QTime(20, 47) << wines << false << true
            << u"Estimation prudente. Estimation moyenne : 0,65 g/l ; selon les personnes, entre "
               u"0,52 et 0,81 g/l. Soit environ 0,40 mg par litre d'air expiré. Retour à 0,00 g/l "
               u"dans environ 8 h, vers 4 h 55."_s
            << u"Conduite possible vers 0 h 50 (seuil 0,5 g/l)"_s;
    // One beer of 10 g for 120 kg: 10 / 105, 10 / 84, 10 / 67.2.
    QTest::newRow("back to zero in less than an hour, no clock time, no wait")
            << QTime(12, 0) << QStringList{u"Poids"_s, u"120"_s, u"NB_B"_s, u"1"_s} << false
            << false
            << u"Selon les personnes, entre 0,10 et 0,15 g/l. Soit environ 0,06 mg par litre "
               u"d'air expiré. Retour à 0,00 g/l dans moins d'une heure."_s
            << QString();
    QTest::newRow("nothing drunk: the breath alone, no spread")
            << QTime(12, 0) << QStringList{u"Poids"_s, u"70"_s} << false << true
            << u"Soit environ 0,00 mg par litre d'air expiré."_s << QString();
}

void TestLiveEstimate::tooltips()
{
    QFETCH(QTime, now);
    QFETCH(QStringList, typed);
    QFETCH(bool, probationary);
    QFETCH(bool, prudent);
    QFETCH(QString, levelTip);
    QFETCH(QString, waitTip);

    m_window = std::make_unique<Sobrimetre>(nullptr,
                                            [now] { return QDateTime(QDate(2026, 12, 9), now); });
    m_window->show();
    QVERIFY(regainActivation());
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        QVERIFY(typeInto(box(typed[i]), typed[i + 1]));
    child<QAction>(m_window.get(), u"SeuilProbatoire"_s)->setChecked(probationary);
    child<QAction>(m_window.get(), u"EstimationPrudente"_s)->setChecked(prudent);
    child<QAction>(m_window.get(), u"EstimationPrudente"_s)->setChecked(prudent);

    QCOMPARE(label(u"Alcoolémie"_s)->toolTip(), levelTip);
    QCOMPARE(label(u"Attente"_s)->toolTip(), waitTip);
}

QTEST_MAIN(TestLiveEstimate)
#include "tst_live_estimate.moc"
