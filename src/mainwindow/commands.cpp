// The main window's clicks that are not edits: the options and the meal box, the 0,2 g/l limit,
// quitting, and the curve, help and About windows. The commands on the usual values are in
// usual_values.cpp.
#include "sobrimetre.h"

#include "curve/graph.h"
#include "engine/curve_peak.h"
#include "engine/result_display.h"
#include "scale.h"
#include "windows/apropos.h"
#include "windows/help_page.h"
#include "windows/notice1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

// Selected by a click or by the program, an option runs the estimate again.
void Sobrimetre::Option_Click(bool selected)
{
    if (selected)
        Recompute();
}

void Sobrimetre::CocheR_Click()
{
    Recompute();
}

// Ends the program at once, with no question and no saving. The help pages go too, hidden ones
// included, so that no process stays alive without a window.
void Sobrimetre::Quitter_Click()
{
    HelpPage::closeAll();
    QCoreApplication::quit();
}

void Sobrimetre::closeEvent(QCloseEvent *event)
{
    event->accept();
    Quitter_Click();
}

// The curve of the level as shown, rounded to two decimals, and of the delay as typed. With the
// prudent estimate the level falls at its slow rate, over the band of the spread between people,
// from the low level shown in the level's tooltip. No verdict shown, no curve. With the evening's
// journal, its bout as it happened.
void Sobrimetre::GraphMenu_Click()
{
    CurveContent content;
    content.probationaryLimit = SeuilProbatoire->isChecked();
    content.facts = pageFacts();
    if (keepsJournal() && m_shown.estimated) {
        if (EveningCurve evening = eveningCurve(); !evening.level.isEmpty())
            content.evening = std::move(evening);
    }
    if (const std::optional<double> level = levelShown(m_shown.level)) {
        const double delay = readDelay(Délai->text().toStdString());
        const bool prudent = m_shown.estimated && m_shown.prudent;
        const CurvePeak peak = curvePeak(delay, *level,
                                         prudent ? slowEliminationPerHour : eliminationPerHour);
        content.curve = CurvePeakAndFall{peak.level, peak.fallHours};
        if (prudent) {
            const CurvePeak low = curvePeak(delay, levelShown(m_shown.low).value_or(0),
                                            fastEliminationPerHour);
            content.lowCurve = CurvePeakAndFall{low.level, low.fallHours};
        }
    }
    Graph::ShowCurve(this, content);
}

// The 0.2 g/l limit: the caption says so, the scale's 0,20 stands out in red as the limit, and
// the estimate follows at once.
void Sobrimetre::SeuilProbatoire_Click(bool on)
{
    showOptionsInCaption();
    scale->markLimit(on ? DrivingLimit::Probationary : DrivingLimit::Standard);
    Recompute();
}

// The prudent estimate: the level, light, alerts, message, bar and wait follow the high estimate
// at once, and the caption says so.
void Sobrimetre::EstimationPrudente_Click()
{
    showOptionsInCaption();
    Recompute();
}

void Sobrimetre::showOptionsInCaption()
{
    QStringList options;
    if (SeuilProbatoire->isChecked())
        options << u"seuil 0,2 g/l"_s;
    if (EstimationPrudente->isChecked())
        options << u"estimation prudente"_s;
    if (JournalSoiree->isChecked())
        options << u"journal de la soirée"_s;
    setWindowTitle(options.isEmpty() ? u"Sobrimetre"_s
                                     : u"Sobrimetre (%1)"_s.arg(options.join(u", "_s)));
}

void Sobrimetre::MNotice_Click()
{
    HelpPage::showPage<Notice1>(this);
}

void Sobrimetre::Info_Click()
{
    APropos::showModal(this);
}
