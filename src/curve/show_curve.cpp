#include "show_curve.h"

#include "curve_ends.h"
#include "graph.h"

#include <QLocale>
#include <QPointer>

namespace {

// The level display writes two decimals with the user's decimal separator.
double readDisplayedLevel(const QString &text)
{
    bool ok = false;
    const double level = QLocale().toDouble(text, &ok);
    return ok ? level : 0;
}

} // namespace

void ShowCurve(QWidget *owner, const QString &delayText, const QString &levelText)
{
    static QPointer<Graph> shown;
    const CurveEnds ends = curveEnds(readDelay(delayText.toStdString()),
                                     readDisplayedLevel(levelText));
    if (shown) {
        shown->applyCurve(ends);
        shown->activateWindow();
        return;
    }
    auto *graph = new Graph(owner);
    graph->setAttribute(Qt::WA_DeleteOnClose);
    shown = graph;
    graph->applyCurve(ends);
    graph->exec();
}
