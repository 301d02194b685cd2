// Pictures of the curve window for a few levels and delays, as the main window would open it.
#include "curve/curve_ends.h"
#include "curve/graph.h"
#include "screenshot_support.h"
#include "test_support.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    useFrenchLocale();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    struct Curve
    {
        const char *name;
        double delayHours;
        const char *level;
    };
    const Curve curves[] = {
            {"curve_000", 1, "0,00"},
            {"curve_065", 1, "0,65"},
            {"curve_140_delai3", 3, "1,40"},
            {"curve_250", 1, "2,50"},
    };
    for (const Curve &curve : curves) {
        Graph graph;
        graph.applyCurve(curveEnds(curve.delayHours, QLocale().toDouble(curve.level)));
        saveScreenshot(&graph, folder, QString::fromLatin1(curve.name));
    }
    return 0;
}
