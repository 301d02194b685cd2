// Cost of a keystroke in a glass-count box: its change reaction recomputes, which means reading
// every field, the estimate and the whole result display (a count is not marked). Measured
// between two verdicts, so that every result widget really changes, and within one verdict.
#include "mainwindow/sobrimetre.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include <utility>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *wineCount = nullptr;
QAction *prudentEstimate = nullptr;

// Typical values: a man of 72 kg, two hours after a cocktail and some glasses of wine. They are
// written with Ready at 0, as start-up writes the fields: nothing is computed yet.
void fillTypicalValues(Sobrimetre &window)
{
    setReady(&window, 0);
    const std::pair<QString, QString> values[] = {{u"Poids"_s, u"72"_s}, {u"VOL_K"_s, u"12"_s},
                                                  {u"DEG_K"_s, u"12"_s}, {u"NB_K"_s, u"1"_s},
                                                  {u"VOL_B"_s, u"25"_s}, {u"DEG_B"_s, u"5"_s},
                                                  {u"VOL_A"_s, u"4"_s},  {u"DEG_A"_s, u"44"_s},
                                                  {u"VOL_V"_s, u"12"_s}, {u"DEG_V"_s, u"11"_s},
                                                  {u"Délai"_s, u"2"_s}};
    for (const auto &[name, text] : values)
        child<QLineEdit>(&window, name)->setText(text);
    setReady(&window, 1);
}

// Sets the wine count, Ready being 1, alternately to two values: each change recomputes.
void changeCountAlternately(benchmark::State &state, const QString &first, const QString &second)
{
    const QString counts[] = {first, second};
    int next = 0;
    for (auto _ : state) {
        wineCount->setText(counts[next]);
        next = 1 - next;
    }
    state.SetItemsProcessed(state.iterations());
}

// No wine (0.11 g/l, green) or six glasses (1.37 g/l, severe red): the level, its
// colours, the wait, the lights, the alerts, the bar and the message all change on every run.
void recomputeBetweenTwoVerdicts(benchmark::State &state)
{
    changeCountAlternately(state, u"0"_s, u"6"_s);
}
BENCHMARK(recomputeBetweenTwoVerdicts);

// Six or seven glasses, both severe: what a keystroke costs that moves the level within one
// state.
void recomputeWithinOneVerdict(benchmark::State &state)
{
    changeCountAlternately(state, u"6"_s, u"7"_s);
}
BENCHMARK(recomputeWithinOneVerdict);

// The same between two verdicts with the prudent estimate, whose tooltip says more.
void recomputePrudentBetweenTwoVerdicts(benchmark::State &state)
{
    prudentEstimate->setChecked(true);
    changeCountAlternately(state, u"0"_s, u"6"_s);
    prudentEstimate->setChecked(false);
}
BENCHMARK(recomputePrudentBetweenTwoVerdicts);

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    useFrenchLocale();
    // Start-up reads Defaut.dat in the current directory, and creates it when it is missing.
    const TemporaryWorkingDirectory folder;

    Sobrimetre mainWindow;
    fillTypicalValues(mainWindow);
    mainWindow.show();
    QApplication::processEvents();
    wineCount = child<QLineEdit>(&mainWindow, u"NB_V"_s);
    prudentEstimate = child<QAction>(&mainWindow, u"EstimationPrudente"_s);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
