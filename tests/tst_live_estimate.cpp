// The live estimate of the main window, driven as a user drives it: typing into the boxes,
// clicking the drink pictures, the options and the meal box, tabbing from box to box, closing the
// window. Each test checks what the user then sees: the level, its colours, the lights, the
// alerts, the waiting time and its unit, the bar, the message, the warnings.
#include "engine/estimate.h"
#include "engine/read_number.h"
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "test_support.h"
#include "toolkit/appearance.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <memory>

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

const QString instructionText = u"Indiquez d'abord votre poids, puis renseignez les rubriques en "
                                u"spécifiant votre corpulence (normale ou forte), votre sexe et "
                                u"votre consommation de boissons alcoolisées. Précisez si vous "
                                u"avez pris un repas et le nombre d'heures écoulées depuis la "
                                u"dernière prise d'alcool (1 heure au minimum)."_s;
const QString cautionText
        = u"ATTENTION ! L'alcoolémie estimée ne dépasse pas le seuil légal, "
          u"mais vos réflexes peuvent déjà être altérés. Autant que possible, "
          u"attendez encore un peu avant de prendre la route et SOYEZ PRUDENT !"_s;
const QString stopText = u"STOP ! VOUS N'ÊTES PAS EN ÉTAT DE PRENDRE LE VOLANT. ATTENDEZ ENCORE "
                         u"AU MINIMUM PENDANT LA DURÉE INDIQUÉE CI-CONTRE."_s;

// Each warning as "title: text", so that one comparison checks both.
const QString weightMissing
        = u"Attention !: Vous devez saisir une valeur correcte pour le poids."_s;
const QString delayWarning = u"Attention !: L'alcoolémie ne peut être évaluée que pour un délai "
                             u"supérieur ou égal à 1 heure."_s;
const QString overflowWarning = u"Attention !: Calcul impossible : une valeur saisie est trop "
                                u"grande."_s;
const QString fullCountWarning = u"Attention !: Impossible d'ajouter un verre : le nombre de "
                                 u"verres ne peut pas dépasser 3 caractères."_s;

// A man of normal build, no meal, one hour after the last drink, with the wines only.
double wineLevel(double weightKg, double glasses, double volumeCl, double degree)
{
    EstimateInputs inputs;
    inputs.weightKg = weightKg;
    inputs[DrinkCategory::V] = {glasses, volumeCl, degree};
    return estimate(inputs).level;
}

// Everything the result display shows, in one line that a comparison can print.
QString resultsOnScreen(const Sobrimetre &window)
{
    const auto shown = [](const QWidget *widget) {
        return widget->isVisible() ? u"on"_s : u"off"_s;
    };
    return QStringList{window.Alcoolémie->text(),
                       backgroundColor(window.Alcoolémie).name(),
                       textColor(window.Alcoolémie).name(),
                       u"wait "_s + window.Attente->text() + u' ' + window.Etiquette15->text(),
                       u"lights "_s + shown(window.FeuVert) + shown(window.FeuJaune)
                               + shown(window.FeuRouge),
                       u"alerts "_s + shown(window.Alerte1) + shown(window.Alerte2)
                               + shown(window.Alerte3),
                       u"bar "_s + QString::number(window.Colonne->top()) + u' '
                               + QString::number(window.Colonne->twipsHeight()),
                       window.Note->text().left(12),
                       textColor(window.Note).name(),
                       window.Note->font().bold() ? u"bold"_s : u"regular"_s,
                       QString::number(window.Note->font().pointSizeF())}
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
    void closingEndsEveryWindow_data();
    void closingEndsEveryWindow();

private:
    template<typename T = QWidget>
    T *widget(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    [[nodiscard]] bool regainActivation();
    [[nodiscard]] bool tabTo(QWidget *target);
    [[nodiscard]] bool typeInto(QLineEdit *box, const QString &text);
    [[nodiscard]] bool typeWorkedExample();
    // Fills the fields as start-up does, with Ready at 0, and shows their estimate.
    void fillQuietly(const QList<std::pair<QLineEdit *, QString>> &values);
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
    return typeInto(m_window->Poids, u"70"_s) && typeInto(m_window->VOL_V, u"12"_s)
           && typeInto(m_window->DEG_V, u"11"_s) && typeInto(m_window->NB_V, u"3"_s);
}

void TestLiveEstimate::fillQuietly(const QList<std::pair<QLineEdit *, QString>> &values)
{
    m_window->Ready = 0;
    for (const auto &[box, text] : values)
        box->setText(text);
    m_window->Ready = 1;
    m_window->Recompute();
}

// The lights, the level's colours and the message of a verdict (not the message's size, which
// depends on the verdict shown before a severe one).
void TestLiveEstimate::verifyVerdictShown(Verdict verdict)
{
    const Sobrimetre &w = *m_window;
    QCOMPARE(w.FeuVert->isVisible(), verdict == Verdict::Green);
    QCOMPARE(w.FeuJaune->isVisible(), verdict == Verdict::Yellow);
    QCOMPARE(w.FeuRouge->isVisible(), verdict == Verdict::Red || verdict == Verdict::RedSevere);
    switch (verdict) {
    case Verdict::Green:
        QCOMPARE(backgroundColor(w.Alcoolémie), lightGreen);
        QCOMPARE(textColor(w.Alcoolémie), black);
        QCOMPARE(textColor(w.Note), darkGreen);
        QCOMPARE(w.Note->font().bold(), false);
        QCOMPARE(w.Note->text(), instructionText);
        break;
    case Verdict::Yellow:
        QCOMPARE(backgroundColor(w.Alcoolémie), yellow);
        QCOMPARE(textColor(w.Alcoolémie), black);
        QCOMPARE(textColor(w.Note), red);
        QCOMPARE(w.Note->font().bold(), true);
        QCOMPARE(w.Note->text(), cautionText);
        break;
    case Verdict::Red:
        QCOMPARE(backgroundColor(w.Alcoolémie), red);
        QCOMPARE(textColor(w.Alcoolémie), white);
        QCOMPARE(textColor(w.Note), red);
        QCOMPARE(w.Note->font().bold(), true);
        QCOMPARE(w.Note->text(), stopText);
        break;
    case Verdict::RedSevere:
        QCOMPARE(backgroundColor(w.Alcoolémie), black);
        QCOMPARE(textColor(w.Alcoolémie), white);
        QCOMPARE(textColor(w.Note), red);
        QCOMPARE(w.Note->font().bold(), true);
        QCOMPARE(w.Note->text(), stopText);
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

    QVERIFY(typeWorkedExample());
    if (meal)
        QTest::mouseClick(m_window->CocheR, Qt::LeftButton, {},
                          QPoint(8, m_window->CocheR->height() / 2));
    QVERIFY(typeInto(m_window->Délai, delay));

    QCOMPARE(m_window->CocheR->isChecked(), meal);
    QCOMPARE(m_window->Alcoolémie->text(), level);
    QCOMPARE(m_window->Attente->text(), wait);
    QCOMPARE(m_window->Etiquette15->text(), waitUnit);
    QCOMPARE(m_window->Alerte1->isVisible(), true);
    QCOMPARE(m_window->Alerte2->isVisible(), verdict == Verdict::Red);
    QCOMPARE(m_window->Alerte3->isVisible(), false);
    verifyVerdictShown(verdict);
    QCOMPARE(m_window->Note->font().pointSizeF(), noteSize);
}

void TestLiveEstimate::thresholds_data()
{
    QTest::addColumn<QString>("degree");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("beyond");
    QTest::addColumn<QString>("level");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<QString>("wait");
    QTest::addColumn<int>("alerts");
    QTest::addColumn<double>("noteSize");

    // One glass of 25 cl for a man of 100 kg: the level is the degree × 2 / 70. The engine's
    // level must lie in [lowest, beyond): a row that ends with nextafter is an exact level.
    const auto exactly = [](double level) {
        return std::nextafter(level, 1.0);
    };
    QTest::newRow("no glass: 0,00 on green")
            << u"0"_s << 0.0 << exactly(0.0) << u"0,00"_s << Verdict::Green << u"0"_s << 0 << 8.25;
    QTest::newRow("just below 0.3: green although it shows 0,30")
            << u"10.49"_s << 0.295 << 0.3 << u"0,30"_s << Verdict::Green << u"0"_s << 0 << 8.25;
    QTest::newRow("exactly 0.3: yellow, first alert")
            << u"10.5"_s << 0.3 << exactly(0.3) << u"0,30"_s << Verdict::Yellow << u"0"_s << 1
            << 9.0;
    QTest::newRow("just below 0.5: yellow, shows 0,50, no wait")
            << u"17.49"_s << 0.495 << 0.5 << u"0,50"_s << Verdict::Yellow << u"0"_s << 1 << 9.0;
    QTest::newRow("exactly 0.5: red, one hour to wait")
            << u"17.5"_s << 0.5 << exactly(0.5) << u"0,50"_s << Verdict::Red << u"1"_s << 2 << 10.0;
    QTest::newRow("just below 0.8: red, shows 0,80")
            << u"27.99"_s << 0.795 << 0.8 << u"0,80"_s << Verdict::Red << u"3"_s << 2 << 10.0;
    // Straight from green (no glass yet) to severe: the message keeps the size it had.
    QTest::newRow("exactly 0.8: severe, on black, third alert")
            << u"28"_s << 0.8 << exactly(0.8) << u"0,80"_s << Verdict::RedSevere << u"3"_s << 3
            << 8.25;
}

void TestLiveEstimate::thresholds()
{
    QFETCH(QString, degree);
    QFETCH(double, lowest);
    QFETCH(double, beyond);
    QFETCH(QString, level);
    QFETCH(Verdict, verdict);
    QFETCH(QString, wait);
    QFETCH(int, alerts);
    QFETCH(double, noteSize);

    const double glasses = degree == u"0"_s ? 0 : 1;
    const double computed = wineLevel(100, glasses, 25, readNumber(degree.toStdString()));
    QVERIFY2(computed >= lowest && computed < beyond,
             qPrintable(QString::number(computed, 'g', 17)));

    QVERIFY(typeInto(m_window->Poids, u"100"_s));
    QVERIFY(typeInto(m_window->VOL_V, u"25"_s));
    QVERIFY(typeInto(m_window->DEG_V, degree));
    QCOMPARE(m_window->FeuVert->isVisible(), true);
    QVERIFY(typeInto(m_window->NB_V, QString::number(glasses)));

    QCOMPARE(m_window->Alcoolémie->text(), level);
    QCOMPARE(m_window->Attente->text(), wait);
    QCOMPARE(m_window->Etiquette15->text(), wait.toInt() > 1 ? u"heures"_s : u"heure"_s);
    QCOMPARE(m_window->Alerte1->isVisible(), alerts >= 1);
    QCOMPARE(m_window->Alerte2->isVisible(), alerts >= 2);
    QCOMPARE(m_window->Alerte3->isVisible(), alerts >= 3);
    verifyVerdictShown(verdict);
    QCOMPARE(m_window->Note->font().pointSizeF(), noteSize);
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

    QVERIFY(typeInto(m_window->Poids, u"100"_s));
    QVERIFY(typeInto(m_window->VOL_V, u"25"_s));
    QVERIFY(typeInto(m_window->DEG_V, u"10"_s));
    for (const QString &count : counts)
        QVERIFY(typeInto(m_window->NB_V, count));

    verifyVerdictShown(verdict);
    QCOMPARE(m_window->Note->font().pointSizeF(), noteSize);
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

    QVERIFY(typeInto(m_window->Poids, weight));
    QVERIFY(typeInto(m_window->VOL_V, u"25"_s));
    QVERIFY(typeInto(m_window->DEG_V, degree));
    QVERIFY(typeInto(m_window->NB_V, glasses));

    QCOMPARE(m_window->Colonne->twipsHeight(), height);
    QCOMPARE(m_window->Colonne->top(), top);
    QCOMPARE(m_window->Colonne->left(), 7650.0f);
    QCOMPARE(m_window->Colonne->twipsWidth(), 1280.0f);
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

    QVERIFY(typeWorkedExample());
    if (emptyFirst) {
        QVERIFY(typeInto(m_window->Poids, QString()));
        QCOMPARE(newWarnings(), QStringList{weightMissing});
    }
    QCOMPARE(m_window->Alcoolémie->text(), u"0,65"_s);
    const QString before = resultsOnScreen(*m_window);

    QVERIFY(tabTo(m_window->Poids));
    QTest::keyClick(m_window->Poids, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty())
        QTest::keyClick(m_window->Poids, Qt::Key_Backspace);
    else
        QTest::keyClicks(m_window->Poids, typed);

    QCOMPARE(newWarnings(), QStringList(warnings, weightMissing));
    QCOMPARE(m_window->Poids->text(), QString());
    QVERIFY(regainActivation());
    QCOMPARE(QApplication::focusWidget(), m_window->Poids);
    QCOMPARE(resultsOnScreen(*m_window), before);
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

    QVERIFY(typeWorkedExample());
    QVERIFY(typeInto(m_window->Délai, u"3"_s));
    QCOMPARE(m_window->Alcoolémie->text(), u"0,41"_s);
    QCOMPARE(m_window->Etiquette14->text(), u"heures"_s);
    setTextColor(m_window->Délai, black);

    QTest::keyClick(m_window->Délai, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty())
        QTest::keyClick(m_window->Délai, Qt::Key_Backspace);
    else
        QTest::keyClicks(m_window->Délai, typed);

    QCOMPARE(newWarnings(), QStringList{delayWarning});
    QCOMPARE(m_window->Délai->text(), u"1"_s);
    QCOMPARE(textColor(m_window->Délai), blue);
    QCOMPARE(m_window->Etiquette14->text(), u"heure"_s);
    // Recomputed for one hour.
    QCOMPARE(m_window->Alcoolémie->text(), u"0,65"_s);
    QCOMPARE(m_window->Attente->text(), u"2"_s);
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

    QVERIFY(typeWorkedExample());
    // From 5 hours, so that the first keystroke changes the text whatever it is.
    QVERIFY(typeInto(m_window->Délai, u"5"_s));
    QTest::keyClick(m_window->Délai, Qt::Key_A, Qt::ControlModifier);
    setTextColor(m_window->Délai, black);
    QStringList unitsSeen;
    QStringList levelsSeen;
    for (const QChar key : typed) {
        QTest::keyClicks(m_window->Délai, QString(key));
        unitsSeen.append(m_window->Etiquette14->text());
        levelsSeen.append(m_window->Alcoolémie->text());
        QCOMPARE(textColor(m_window->Délai), blue);
        setTextColor(m_window->Délai, black);
    }
    QCOMPARE(unitsSeen, units);
    QCOMPARE(levelsSeen, levels);
}

void TestLiveEstimate::marking_data()
{
    QTest::addColumn<QString>("box");
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
    QFETCH(QString, box);
    QFETCH(QColor, before);
    QFETCH(QColor, after);

    auto *edited = widget<QLineEdit>(box);
    QVERIFY(edited);
    if (edited != m_window->Poids) {
        fillQuietly({{m_window->Poids, u"70"_s}});
        QCOMPARE(textColor(m_window->Poids), black);
    }
    QCOMPARE(textColor(edited), before);

    QVERIFY(typeInto(edited, u"2"_s));

    QCOMPARE(textColor(edited), after);
    // Only the edited box is marked.
    for (QLineEdit *other : {m_window->Poids, m_window->DEG_D, m_window->VOL_C}) {
        if (other != edited)
            QCOMPARE(textColor(other), black);
    }
}

void TestLiveEstimate::notReadyNeitherRecomputesNorMarks_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");

    QTest::newRow("weight") << u"Poids"_s << u"50"_s;
    QTest::newRow("weight emptied, no warning") << u"Poids"_s << QString();
    QTest::newRow("count") << u"NB_V"_s << u"9"_s;
    QTest::newRow("volume") << u"VOL_V"_s << u"50"_s;
    QTest::newRow("degree") << u"DEG_V"_s << u"40"_s;
}

void TestLiveEstimate::notReadyNeitherRecomputesNorMarks()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);

    auto *edited = widget<QLineEdit>(box);
    QVERIFY(edited);
    fillQuietly({{m_window->Poids, u"70"_s},
                 {m_window->VOL_V, u"12"_s},
                 {m_window->DEG_V, u"11"_s},
                 {m_window->NB_V, u"3"_s}});
    QCOMPARE(m_window->Alcoolémie->text(), u"0,65"_s);
    const QString before = resultsOnScreen(*m_window);
    const QColor colour = textColor(edited);

    m_window->Ready = 0;
    QVERIFY(typeInto(edited, typed));
    m_window->Ready = 1;

    QCOMPARE(resultsOnScreen(*m_window), before);
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
            << QString() << u"1"_s << u"heure"_s << QStringList{delayWarning};
}

void TestLiveEstimate::delayReactsWhileNotReady()
{
    QFETCH(QString, typed);
    QFETCH(QString, delay);
    QFETCH(QString, unit);
    QFETCH(QStringList, warnings);

    fillQuietly({{m_window->Poids, u"70"_s},
                 {m_window->VOL_V, u"12"_s},
                 {m_window->DEG_V, u"11"_s},
                 {m_window->NB_V, u"3"_s},
                 {m_window->Délai, u"2"_s}});
    setTextColor(m_window->Délai, black);
    const QString before = resultsOnScreen(*m_window);

    m_window->Ready = 0;
    QVERIFY(tabTo(m_window->Délai));
    QTest::keyClick(m_window->Délai, Qt::Key_A, Qt::ControlModifier);
    if (typed.isEmpty())
        QTest::keyClick(m_window->Délai, Qt::Key_Backspace);
    else
        QTest::keyClicks(m_window->Délai, typed);
    m_window->Ready = 1;

    QCOMPARE(newWarnings(), warnings);
    QCOMPARE(m_window->Délai->text(), delay);
    QCOMPARE(textColor(m_window->Délai), blue);
    QCOMPARE(m_window->Etiquette14->text(), unit);
    QCOMPARE(resultsOnScreen(*m_window), before);
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

    fillQuietly({{m_window->Poids, u"72"_s},
                 {m_window->NB_K, u"12"_s},
                 {m_window->VOL_K, u"125"_s},
                 {m_window->DEG_C, u"12.5"_s},
                 {m_window->Délai, u"10"_s}});
    auto *target = widget<QLineEdit>(to);
    QVERIFY(target);
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
    QTest::newRow("Vin: a count typed with a comma counts its whole part")
            << u"Vin"_s << u"NB_V"_s << u"2,5"_s << u"3"_s << u"0,43"_s << QStringList();
    QTest::newRow("Digestif: 99 becomes 100")
            << u"Digestif"_s << u"NB_D"_s << u"99"_s << u"100"_s << u"14,29"_s << QStringList();
    QTest::newRow("Champagne: 999 cannot grow to four digits")
            << u"Champagne"_s << u"NB_C"_s << u"999"_s << u"999"_s << u"142,71"_s
            << QStringList{fullCountWarning};
    QTest::newRow("Digestif: a count in exponent notation")
            << u"Digestif"_s << u"NB_D"_s << u"1E2"_s << u"101"_s << u"14,43"_s << QStringList();
    QTest::newRow("Vin: 9.9 cannot grow to four characters")
            << u"Vin"_s << u"NB_V"_s << u"9.9"_s << u"9.9"_s << u"1,41"_s
            << QStringList{fullCountWarning};
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

    auto *picture = widget<Picture>(button);
    auto *box = widget<QLineEdit>(count);
    QVERIFY(picture);
    QVERIFY(box);
    const QString letter = count.right(1);
    QVERIFY(typeInto(m_window->Poids, u"80"_s));
    QVERIFY(typeInto(widget<QLineEdit>(u"VOL_"_s + letter), u"10"_s));
    QVERIFY(typeInto(widget<QLineEdit>(u"DEG_"_s + letter), u"10"_s));
    QVERIFY(typeInto(box, before));
    QVERIFY(tabTo(m_window->Délai));

    QTest::mouseClick(picture, Qt::LeftButton);

    QCOMPARE(newWarnings(), warnings);
    QCOMPARE(box->text(), after);
    QCOMPARE(m_window->Alcoolémie->text(), level);
    QVERIFY(regainActivation());
    QCOMPARE(QApplication::focusWidget(), m_window->Délai);
    QCOMPARE(textColor(box), darkGreen);
}

void TestLiveEstimate::threeBeersRecomputeThreeTimes()
{
    // Beers of 25 cl at 5 degrees (10 g) for a man of 70 kg.
    QVERIFY(typeInto(m_window->Poids, u"70"_s));
    QVERIFY(typeInto(m_window->VOL_B, u"25"_s));
    QVERIFY(typeInto(m_window->DEG_B, u"5"_s));
    QCOMPARE(m_window->NB_B->text(), QString());

    QStringList counts;
    QStringList levels;
    for (int click = 0; click < 3; ++click) {
        QTest::mouseClick(m_window->Bière, Qt::LeftButton);
        counts.append(m_window->NB_B->text());
        levels.append(m_window->Alcoolémie->text());
    }

    QCOMPARE(counts, (QStringList{u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(levels, (QStringList{u"0,20"_s, u"0,41"_s, u"0,61"_s}));
    verifyVerdictShown(Verdict::Red);
}

void TestLiveEstimate::drinkClickWhileNotReady()
{
    fillQuietly({{m_window->Poids, u"70"_s},
                 {m_window->VOL_B, u"25"_s},
                 {m_window->DEG_B, u"5"_s},
                 {m_window->NB_B, u"1"_s}});
    QCOMPARE(m_window->Alcoolémie->text(), u"0,20"_s);
    const QString before = resultsOnScreen(*m_window);

    m_window->Ready = 0;
    QTest::mouseClick(m_window->Bière, Qt::LeftButton);
    m_window->Ready = 1;

    QCOMPARE(m_window->NB_B->text(), u"2"_s);
    QCOMPARE(resultsOnScreen(*m_window), before);
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
    QCOMPARE(m_window->Alcoolémie->text(), u"0,65"_s);
    for (const QString &name : clicks) {
        auto *button = widget<QAbstractButton>(name);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    QCOMPARE(m_window->Alcoolémie->text(), level);
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
    m_window->Ready = ready;
    widget<QAbstractButton>(button)->setChecked(true);
    m_window->Ready = 1;

    QCOMPARE(m_window->Alcoolémie->text(), level);
}

void TestLiveEstimate::overflow_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mended");
    QTest::addColumn<QString>("level");

    // Over three glasses of wine of 12 cl, for a man of 70 kg; only the last keystroke
    // overflows, and a normal value typed after it shows its estimate.
    QTest::newRow("a degree beyond any number") << u"DEG_V"_s << u"1E309"_s << u"11"_s << u"0,65"_s;
    QTest::newRow("a degree whose grams overflow")
            << u"DEG_V"_s << u"9E307"_s << u"11"_s << u"0,65"_s;
    QTest::newRow("a volume whose grams overflow")
            << u"VOL_V"_s << u"9E307"_s << u"12"_s << u"0,65"_s;
    QTest::newRow("a weight too small to divide by")
            << u"Poids"_s << u"1E-310"_s << u"70"_s << u"0,65"_s;
    QTest::newRow("a weight typed as a huge number")
            << u"Poids"_s << u"1E999"_s << u"49"_s << u"0,92"_s;
}

void TestLiveEstimate::overflow()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, mended);
    QFETCH(QString, level);

    auto *edited = widget<QLineEdit>(box);
    QVERIFY(edited);
    QVERIFY(typeWorkedExample());
    QVERIFY(typeInto(edited, typed.chopped(1)));
    QCOMPARE(newWarnings(), QStringList());
    const QString before = resultsOnScreen(*m_window);

    QTest::keyClicks(edited, typed.right(1));

    QCOMPARE(edited->text(), typed);
    QCOMPARE(newWarnings(), QStringList{overflowWarning});
    QCOMPARE(resultsOnScreen(*m_window), before);

    QVERIFY(typeInto(edited, mended));
    QCOMPARE(newWarnings(), QStringList());
    QCOMPARE(m_window->Alcoolémie->text(), level);
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

    QTest::keySequence(m_window->Poids, QKeySequence(Qt::Key_F1));
    QVERIFY(Notice1::loaded());
    for (const QString &name : pageButtons) {
        QWidget *page = Notice2::loaded() != nullptr && Notice2::loaded()->isVisible()
                                ? static_cast<QWidget *>(Notice2::loaded())
                                : Notice1::loaded();
        auto *button = page->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    const QPointer<QWidget> page1 = Notice1::loaded();
    const QPointer<QWidget> page2 = Notice2::loaded();
    QVERIFY(page1 || page2);

    QVERIFY(m_window->close());

    QTRY_VERIFY(page1.isNull() && page2.isNull());
    QCOMPARE(Notice1::loaded(), nullptr);
    QCOMPARE(Notice2::loaded(), nullptr);
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

QTEST_MAIN(TestLiveEstimate)
#include "tst_live_estimate.moc"
