// The main window's result display: Recompute reads every input widget, runs the estimate and
// shows the level, the hours to wait, the bar, the alerts, the lights and the message.
#include "sobrimetre.h"

#include "engine/arithmetic_overflow.h"
#include "engine/evening.h"
#include "engine/read_number.h"
#include "engine/result_display.h"
#include "journal/glass_time.h"
#include "journal/journal.h"
#include "scale.h"
#include "texts.h"
#include "tips.h"
#include "toolkit/announcer.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/message_box.h"
#include "toolkit/result_label.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

double numberIn(const QLineEdit *box)
{
    return readNumber(box->text().toStdString());
}

// The colours of the level's box and of the message, for what they tell.
struct LevelLook
{
    QColor text;
    QColor background;
};

LevelLook lookOf(LevelColours colours)
{
    switch (colours) {
    case LevelColours::Caution:
        return {Colour::black, Colour::yellow};
    case LevelColours::OverLimit:
        return {Colour::white, Colour::red};
    case LevelColours::Severe:
        return {Colour::white, Colour::black};
    case LevelColours::Unknown:
        return {Colour::black, Colour::white};
    case LevelColours::Safe:
        break;
    }
    return {Colour::black, Colour::lightGreen};
}

QColor colourOf(NoteColour colour)
{
    switch (colour) {
    case NoteColour::Alarm:
        return Colour::red;
    case NoteColour::Restored:
        return Colour::darkBlue;
    case NoteColour::Instruction:
        break;
    }
    return Colour::darkGreen;
}

} // namespace

void Sobrimetre::Recompute()
{
    recomputeFor(Occasion::Edit);
}

void Sobrimetre::recomputeFor(Occasion occasion)
{
    if (Ready != 1)
        return;
    const bool edit = occasion == Occasion::Edit;
    EstimateResult result;
    try {
        if (!(numberIn(Poids) > 0)) {
            // The results of another weight must not stand behind the warning.
            if (keepsJournal())
                showJournalSummary(estimateEvening({}, m_journal->glasses(), minuteOf(m_clock())));
            showDisplay(failedDisplay(NoteMessage::WeightMissing), occasion);
            if (edit)
                warnAboutWeight();
            return;
        }
        if (keepsJournal() && !m_journal->failure().isEmpty()) {
            showDisplay(failedDisplay(NoteMessage::JournalUnavailable), occasion);
            return;
        }
        result = estimateGlasses(inputsOfBoxes());
    } catch (const ArithmeticOverflow &) {
        // The results of other values must not stand as if they were these values'.
        showDisplay(failedDisplay(), occasion);
        if (edit)
            showWarning(this, overflowWarning);
        return;
    }
    showDisplay(presentResult(result), occasion);
}

EstimateInputs Sobrimetre::inputsOfBoxes() const
{
    EstimateInputs inputs;
    inputs.weightKg = numberIn(Poids);
    inputs.isMale = OptionH->isChecked();
    inputs.corpulenceNormal = CorpuN->isChecked();
    inputs.mealTaken = CocheR->checkState() == Qt::Checked;
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const DrinkColumn &column = drinkColumn(drink.category);
        inputs[drink.category] = {numberIn(column.count), numberIn(column.volume),
                                  numberIn(column.degree)};
    }
    inputs.delayHours = numberIn(Délai);
    inputs.limit = SeuilProbatoire->isChecked() ? DrivingLimit::Probationary
                                                : DrivingLimit::Standard;
    inputs.prudent = EstimationPrudente->isChecked();
    return inputs;
}

void Sobrimetre::warnAboutWeight()
{
    showWarning(this, weightWarning);
    Poids->setFocus();
    // Emptying a box that held text runs its change reaction, and so this warning, once more.
    Poids->setText(QString());
}

void Sobrimetre::showDisplay(const ResultDisplay &display, Occasion occasion)
{
    // The clock speaks only of what a person acts on: the verdict and the hours to wait.
    const bool news = occasion != Occasion::Tick || display.estimated != m_shown.estimated
                      || display.verdict != m_shown.verdict || display.wait != m_shown.wait;
    m_shown = display;
    // The journal's figures count from the whole minute.
    const QDateTime now = keepsJournal() ? momentOf(minuteOf(m_clock())) : m_clock();
    m_shownTips = tipsOf(display, now, keepsJournal());
    const ResultTips &tips = m_shownTips;
    Alcoolémie->showResult(withDecimalPoint(display.level), tips.level);
    Attente->showResult(QString::fromStdString(display.wait), tips.wait);
    Etiquette15->setText(QString::fromUtf8(display.waitUnit));
    scale->showResult(display);
    const LevelLook level = lookOf(display.levelColours);
    setColors(Alcoolémie, level.text, level.background);
    setTextColor(Note, colourOf(display.noteColour));
    if (display.noteBold)
        setBold(Note, *display.noteBold);
    if (display.notePoints)
        setPointSize(Note, *display.notePoints);
    const QString note = noteTextOf(display, m_journal->failure());
    Note->showResult(note);
    // A message that keeps its bold loses it where the bold text would not fit whole.
    if (!display.noteBold && Note->font().bold() && Note->fittingScale() < 1)
        setBold(Note, false);
    flagImpossibleValues(display.impossibleValues);
    if (!news)
        return;
    if (display.estimated)
        Annonce->announce(announcementOf(display));
    else if (display.message == NoteMessage::ImpossibleValue
             || display.message == NoteMessage::JournalUnavailable)
        Annonce->announce(note);
}

void Sobrimetre::flagImpossibleValues(const std::vector<ImpossibleValue> &values)
{
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const std::array<NumberBox *, DrinkColumn::boxCount> boxes = drinkColumn(drink.category)
                                                                             .boxes();
        for (std::size_t field = 0; field < boxes.size(); ++field) {
            QString reason;
            for (const ImpossibleValue &value : values) {
                if (value.category == drink.category
                    && static_cast<std::size_t>(value.field) == field)
                    reason = impossibleValueText(value);
            }
            boxes[field]->flagImpossible(reason);
        }
    }
}
