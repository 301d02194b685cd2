// Cost of the main window's recompute, which runs on every keystroke and click: reading every
// field, the estimate and the whole result display: between two verdicts, so that every result
// widget really changes, and within one verdict.
#include "mainwindow/sobrimetre.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Sobrimetre *window = nullptr;

// Typical values: a man of 72 kg, two hours after a cocktail and some glasses of wine.
void fillTypicalValues(Sobrimetre &w)
{
    w.Ready = 0;
    w.Poids->setText(QStringLiteral("72"));
    w.VOL_K->setText(QStringLiteral("12"));
    w.DEG_K->setText(QStringLiteral("12"));
    w.NB_K->setText(QStringLiteral("1"));
    w.VOL_B->setText(QStringLiteral("25"));
    w.DEG_B->setText(QStringLiteral("5"));
    w.VOL_A->setText(QStringLiteral("4"));
    w.DEG_A->setText(QStringLiteral("44"));
    w.VOL_V->setText(QStringLiteral("12"));
    w.DEG_V->setText(QStringLiteral("11"));
    w.Délai->setText(QStringLiteral("2"));
    w.Ready = 1;
}

// Recomputes with the wine count alternating between two values, set while Ready is 0 so
// that only the timed Recompute runs the estimate.
void recomputeAlternating(benchmark::State &state, const QString &first, const QString &second)
{
    const QString counts[] = {first, second};
    int next = 0;
    for (auto _ : state) {
        window->Ready = 0;
        window->NB_V->setText(counts[next]);
        window->Ready = 1;
        next = 1 - next;
        window->Recompute();
    }
    state.SetItemsProcessed(state.iterations());
}

// No wine (0.11 g/l, green) or six glasses (1.37 g/l, severe red): the level, its
// colours, the wait, the lights, the alerts, the bar and the message all change on every run.
void recomputeBetweenTwoVerdicts(benchmark::State &state)
{
    recomputeAlternating(state, QStringLiteral("0"), QStringLiteral("6"));
}
BENCHMARK(recomputeBetweenTwoVerdicts);

// Six or seven glasses, both severe: what a keystroke costs that moves the level within one
// state.
void recomputeWithinOneVerdict(benchmark::State &state)
{
    recomputeAlternating(state, QStringLiteral("6"), QStringLiteral("7"));
}
BENCHMARK(recomputeWithinOneVerdict);

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    // Start-up reads Defaut.dat in the current directory, and creates it when it is missing.
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());

    Sobrimetre mainWindow;
    fillTypicalValues(mainWindow);
    mainWindow.show();
    QApplication::processEvents();
    window = &mainWindow;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
