// Pictures of the curve window for a few peaks, as the main window would open it: the peak one
// hour after the last drink, and the fall at 0.12 g/l per hour.
#include "curve/graph.h"
#include "screenshot_support.h"
#include "test_support.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    useFrenchLocale();
    const QString folder = screenshotFolder(argc, argv);

    struct Curve
    {
        const char16_t *name;
        double peak;
    };
    // 1,40 shown three hours after the last drink peaked at 1,64.
    const Curve curves[] = {
            {u"curve_000", 0},
            {u"curve_065", 0.65},
            {u"curve_140_delai3", 1.64},
            {u"curve_250", 2.5},
    };
    for (const Curve &curve : curves) {
        Graph graph;
        graph.drawCurve(curve.peak, curve.peak / 0.12);
        saveScreenshot(&graph, folder, QString::fromUtf16(curve.name));
    }
    return 0;
}
