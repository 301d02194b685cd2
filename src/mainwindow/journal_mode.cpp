// The main window while the evening's journal is kept: the journal's summary. The count boxes
// show the glasses of each kind in the current bout and Délai the whole hours since the last
// glass, both read-only; a drink button adds a glass drunk now; the estimate is the evening's,
// recomputed when the journal changes and on each minute, so that the verdict follows the
// clock. Turned off, the window is typed into again as before, and the journal waits in its
// file for the next time.
#include "sobrimetre.h"

#include "curve/graph.h"
#include "defaults/journal_format.h"
#include "engine/arithmetic_overflow.h"
#include "engine/evening.h"
#include "engine/read_number.h"
#include "journal/glass_time.h"
#include "journal/journal.h"
#include "journal/journal_window.h"
#include "texts.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/message_box.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int mostHoursShown = 99;

// A box that the journal fills looks it: read-only, on the light yellow of the program's results,
// with a tip that says where its figure comes from.
void showAsSummary(QLineEdit *box, bool summary, const QString &tip)
{
    box->setReadOnly(summary);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, summary ? Colour::lightYellow : Colour::white);
    box->setPalette(palette);
    box->setToolTip(summary ? tip : QString());
}

} // namespace

bool Sobrimetre::keepsJournal() const
{
    return JournalSoiree->isChecked();
}

EstimateResult Sobrimetre::estimateGlasses(const EstimateInputs &inputs)
{
    return keepsJournal() ? estimateJournal(inputs) : estimate(inputs);
}

// The volume and degree boxes are what the next glass of their kind gets: one that cannot be
// leaves no verdict, as it does without the journal.
EstimateResult Sobrimetre::estimateJournal(const EstimateInputs &person)
{
    const EveningResult evening = estimateEvening(person, m_journal->glasses(),
                                                  minuteOf(m_clock()));
    showJournalSummary(evening);
    if (std::vector<ImpossibleValue> impossible = impossibleValues(person); !impossible.empty()) {
        EstimateResult refused;
        refused.status = EstimateStatus::ImpossibleValue;
        refused.impossibleValues = std::move(impossible);
        return refused;
    }
    return evening.estimate;
}

// Written without the checks of a typed edit: they are the journal's figures, not the user's.
void Sobrimetre::showJournalSummary(const EveningResult &evening)
{
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        NumberBox *count = drinkColumn(drink.category).count;
        const int glasses = evening.boutGlasses[indexOf(drink.category)];
        const QSignalBlocker quiet(count);
        count->setText(glasses > 0 ? QString::number(glasses) : QString());
    }
    double hours = 0;
    QString delay;
    if (evening.lastGlass) {
        const std::int64_t minutes = std::max<std::int64_t>(0, minuteOf(m_clock())
                                                                       - *evening.lastGlass);
        hours = static_cast<double>(std::min<std::int64_t>(minutes / 60, mostHoursShown));
        delay = QString::number(hours);
    }
    const QSignalBlocker quiet(Délai);
    Délai->setText(delay);
    Etiquette14->setText(QString::fromUtf8(hourUnit(hours)));
}

void Sobrimetre::addGlassToJournal(DrinkCategory category)
{
    const DrinkColumn &column = drinkColumn(category);
    LoggedGlass glass{minuteOf(m_clock()), category, 0, 0};
    try {
        glass.volumeCl = readNumber(column.volume->text().toStdString());
        glass.degree = readNumber(column.degree->text().toStdString());
    } catch (const ArithmeticOverflow &) {
        showWarning(this, overflowWarning);
        return;
    }
    EstimateInputs boxes;
    boxes[category] = {1, glass.volumeCl, glass.degree};
    if (const std::vector<ImpossibleValue> impossible = impossibleValues(boxes);
        !impossible.empty()) {
        showWarning(this, impossibleValueText(impossible.front()));
        return;
    }
    m_journal->add(glass);
}

// The glasses of evenings long over leave the journal when it is written: never without a
// verdict, which alone tells when an evening is over.
void Sobrimetre::dropEveningsOver(std::vector<JournalEntry> &entries) const
{
    std::vector<LoggedGlass> glasses;
    glasses.reserve(entries.size());
    for (const JournalEntry &entry : entries)
        glasses.push_back(entry.glass);
    std::int64_t keepsFrom = 0;
    try {
        keepsFrom = estimateEvening(inputsOfBoxes(), glasses, minuteOf(m_clock())).journalKeepsFrom;
    } catch (const ArithmeticOverflow &) {
        return;
    }
    std::erase_if(entries, [keepsFrom](const JournalEntry &entry) {
        return entry.glass.minute < keepsFrom;
    });
}

// The current bout on the axis that starts at the whole hour of its first glass.
EveningCurve Sobrimetre::eveningCurve() const
{
    EveningCurve curve;
    const std::int64_t now = minuteOf(m_clock());
    const EstimateInputs person = inputsOfBoxes();
    const EveningResult evening = estimateEvening(person, m_journal->glasses(), now);
    if (!evening.boutStart)
        return curve;
    const QDateTime start = momentOf(*evening.boutStart);
    const std::int64_t axisStart = *evening.boutStart - start.time().minute();
    curve.firstHour = start.time().hour();
    const auto offset = static_cast<double>(*evening.boutStart - axisStart);
    const BoutCurves bout = boutCurves(person, m_journal->glasses(), now);
    const auto inHours = [offset](const std::vector<CurveVertex> &vertices) {
        QList<QPointF> points;
        for (const CurveVertex &vertex : vertices)
            points << QPointF((offset + vertex.minutes) / 60, vertex.level);
        return points;
    };
    curve.level = inHours(person.prudent ? bout.high : bout.middle);
    if (person.prudent)
        curve.low = inHours(bout.low);
    curve.nowHours = static_cast<double>(now - axisStart) / 60;
    return curve;
}

// The glasses of the current bout as the journal shows them.
QList<QStringList> Sobrimetre::journalGlassesOnPage() const
{
    QList<QStringList> rows;
    const QDateTime now = m_clock();
    const EveningResult evening = estimateEvening(inputsOfBoxes(), m_journal->glasses(),
                                                  minuteOf(now));
    if (!evening.boutStart)
        return rows;
    const QChar decimal = QLocale().decimalPoint().front();
    for (const LoggedGlass &glass : m_journal->glasses()) {
        if (glass.minute < *evening.boutStart)
            continue;
        rows.append({glassTimeText(glass.minute, now),
                     QString::fromUtf8(drinkCategories[indexOf(glass.category)].heading),
                     quantityText(glass.volumeCl, decimal), quantityText(glass.degree, decimal)});
    }
    return rows;
}

void Sobrimetre::JournalSoiree_Click(bool on)
{
    showOptionsInCaption();
    if (on)
        startJournal();
    else
        stopJournal();
}

void Sobrimetre::startJournal()
{
    m_journal->open();
    for (const DrinkColumn &column : drinkColumns)
        showAsSummary(column.count, true,
                      u"Verres de la soirée en cours, notés dans le journal (Ctrl+J)"_s);
    showAsSummary(Délai, true, u"Heures écoulées depuis le dernier verre du journal"_s);
    setTextColor(Délai, Colour::black);
    armMinuteTick();
    if (Ready == 1) {
        OuvrirJournal_Activated();
        recomputeFor(Occasion::JournalChange);
    }
    QTimer::singleShot(0, this, &Sobrimetre::tellUnreadableLines);
}

void Sobrimetre::stopJournal()
{
    m_journal->close();
    MinuterieJournal->stop();
    if (m_journalWindow != nullptr)
        m_journalWindow->close();
    for (const DrinkColumn &column : drinkColumns)
        showAsSummary(column.count, false, {});
    showAsSummary(Délai, false, {});
    if (Ready == 1) {
        const QScopedValueRollback filling(Ready, qint16(0));
        startAfresh(startupDisplay());
    }
}

// Said once, when the journal is opened: which lines of its file were skipped, and where the
// file's bytes are kept.
void Sobrimetre::tellUnreadableLines()
{
    const std::vector<int> &lines = m_journal->unreadableLines();
    if (!keepsJournal() || lines.empty())
        return;
    QStringList numbers;
    for (const int line : lines)
        numbers << QString::number(line);
    showWarning(this,
                u"Des lignes du journal de la soirée (%1) sont illisibles : %2 %3 n'ont pas été "
                u"comptées. Le fichier tel qu'il est sera gardé sous le nom %1.illisible avant "
                u"d'être réécrit."_s.arg(journalFileName,
                                         lines.size() > 1 ? u"les lignes"_s : u"la ligne"_s,
                                         numbers.join(u", "_s)));
}

void Sobrimetre::OuvrirJournal_Activated()
{
    if (!keepsJournal())
        return;
    if (m_journalWindow == nullptr)
        m_journalWindow = new JournalWindow(
                *m_journal, [this](DrinkCategory category) { addGlassToJournal(category); },
                m_clock, this);
    m_journalWindow->showBesideMainWindow();
}

// On the minute, so that the verdict and the wait follow the clock.
void Sobrimetre::armMinuteTick()
{
    const QTime now = m_clock().time();
    constexpr int minuteMs = 60 * 1000;
    MinuterieJournal->start(minuteMs - (now.second() * 1000 + now.msec()) % minuteMs);
}

void Sobrimetre::MinuterieJournal_Timeout()
{
    if (!keepsJournal())
        return;
    recomputeFor(Occasion::Tick);
    if (m_journalWindow != nullptr)
        m_journalWindow->refresh();
    armMinuteTick();
}

void Sobrimetre::Journal_Changed()
{
    if (keepsJournal())
        recomputeFor(Occasion::JournalChange);
}
