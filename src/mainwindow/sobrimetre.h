// Sobrimetre, the program's main window: the person (weight, sex, corpulence), the drinks of
// the six categories, the hours since the last drink, and the results (estimated level, verdict
// lights and message, waiting time, level bar on its scale). Every edit and click recomputes at
// once. The window owns its widgets: each bears its design name as its object name, by which a
// screen reader or a test finds it; other windows receive values from it, never its widgets.
// Its code lies in this folder, a file per concern: the layout, the scale, the field editing,
// the drink buttons, the commands, the recompute and the usual values kept in Defaut.dat.
#pragma once

#include "defaults/defaults_record.h"
#include "engine/drink_category.h"
#include "engine/result_display.h"
#include "tips.h"
#include "toolkit/number_box.h"

#include <QDateTime>
#include <QList>
#include <QMainWindow>

#include <array>
#include <functional>
#include <vector>

class Announcer;
class Frame;
class Journal;
class JournalWindow;
class Picture;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QShortcut;
class QTimer;
class ResultLabel;
class Scale;
class Shape;
struct EveningCurve;
struct EveningResult;
struct JournalEntry;
struct PageFacts;

class Sobrimetre : public QMainWindow
{
    Q_OBJECT
    // The window's Ready flag, reachable by name as its widgets are by their object names.
    Q_PROPERTY(qint16 Ready MEMBER Ready)
public:
    // Where the window reads the time: for the clock times its tooltips give, and for the
    // evening's journal, whose verdict follows the clock.
    using Clock = std::function<QDateTime()>;

    explicit Sobrimetre(QWidget *parent = nullptr, Clock clock = &QDateTime::currentDateTime);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The layout.
    void createWidgets();
    void createSubjectFrame(QWidget *client);
    void createDrinksFrame(QWidget *client);
    void createResultLine(QWidget *client);
    void createWaitFrame(QWidget *client);
    void createMenus();
    void stackInDrawingOrder();
    void setTabOrderOfFields();
    void placeOnScreen();
    void nameForAccessibility();
    void connectEvents();

    // The widgets of one drink category's column.
    struct DrinkColumn
    {
        QLabel *heading{};
        Picture *button{};
        NumberBox *count{};
        NumberBox *volume{};
        NumberBox *degree{};

        // In the order of IntakeField: top to bottom.
        static constexpr std::size_t boxCount = 3;
        std::array<NumberBox *, boxCount> boxes() const { return {count, volume, degree}; }
    };
    const DrinkColumn &drinkColumn(DrinkCategory category) const
    {
        return drinkColumns[indexOf(category)];
    }
    QList<QLineEdit *> textBoxes() const;

    // The routines that the handlers share. Recompute reads every input, runs the estimate and
    // shows its result; MarkEditedField turns the text of the widget being edited dark red;
    // both do nothing unless Ready is 1. SelectWholeText selects the whole text of the text box
    // that has the focus.
    void Recompute();
    void MarkEditedField();
    void SelectWholeText();
    // Why the estimate runs: an edit warns about a weight or an overflow and has each new result
    // spoken; a change of the journal has it spoken without warning; the clock's tick has only a
    // new verdict or a new wait spoken.
    enum class Occasion { Edit, JournalChange, Tick };
    void recomputeFor(Occasion occasion);
    void warnAboutWeight();
    void showDisplay(const ResultDisplay &display, Occasion occasion = Occasion::Edit);
    // A red frame on each box whose value cannot be, with the reason as its tooltip.
    void flagImpossibleValues(const std::vector<ImpossibleValue> &values);
    // What the curve's printed page tells of the person, the drinks, the options and the result
    // shown.
    PageFacts pageFacts() const;

    // The seam where the glasses and the delay come from: typed into the count boxes and Délai,
    // or, while the evening's journal is kept, the journal's glasses with their times, of which
    // those boxes then show the summary. Both estimate the person's level now, and a drink button
    // counts one more glass in either.
    bool keepsJournal() const;
    EstimateResult estimateGlasses(const EstimateInputs &inputs);
    void countOneMoreGlass(DrinkCategory category);
    // The journal's side: its estimate now, its summary in the count boxes and Délai, its curve
    // and its glasses on the page, the glass it adds, what leaves it.
    EstimateResult estimateJournal(const EstimateInputs &person);
    void showJournalSummary(const EveningResult &evening);
    EveningCurve eveningCurve() const;
    QList<QStringList> journalGlassesOnPage() const;
    void addGlassToJournal(DrinkCategory category);
    void dropEveningsOver(std::vector<JournalEntry> &entries) const;
    // The inputs as the boxes hold them, with the options.
    EstimateInputs inputsOfBoxes() const;
    // Turns the journal on: the boxes of the glasses and of the delay become its summary; or
    // off: they are typed again, empty and "1".
    void startJournal();
    void stopJournal();
    void tellUnreadableLines();
    void armMinuteTick();

    // The usual values: what the fields hold of them, and their copy into the fields.
    DefaultsRecord usualValues() const;
    void applyUsualValues(const DefaultsRecord &values);
    // What start-up and the restore share after the usual values: no glasses, a delay of one
    // hour and a blank result.
    void startAfresh(const ResultDisplay &blank);

    // The handlers, named after their widget and event.
    void Form_Load();
    void Poids_Change();
    void NB_Change();
    void VOL_Change();
    void DEG_Change();
    void Délai_Change();
    void DrinkButton_Click(DrinkCategory category);
    void Option_Click(bool selected);
    void CocheR_Click();
    void Quitter_Click();
    void Ini_Click();
    void Rétablir_Click();
    void Sauve_Click();
    void GraphMenu_Click();
    void MNotice_Click();
    void Info_Click();
    void SeuilProbatoire_Click(bool on);
    void EstimationPrudente_Click();
    void JournalSoiree_Click(bool on);
    void OuvrirJournal_Activated();
    void MinuterieJournal_Timeout();
    void Journal_Changed();
    // The caption names the options in force.
    void showOptionsInCaption();

    // 1 when the window is idle; 0 while the program itself fills the fields, so that the
    // notifications of those changes neither recompute nor mark. A filling holds it at 0 for its
    // own scope, so that one that stops early leaves it as it was.
    qint16 Ready = 1;
    Clock m_clock;
    // The result shown, and what its tooltips tell.
    ResultDisplay m_shown;
    ResultTips m_shownTips;

    // The person.
    Frame *Cadre1{}, *Cadre4{};
    QLabel *Etiquette1{};
    NumberBox *Poids{};
    QRadioButton *CorpuN{}, *CorpuF{}, *OptionH{}, *OptionF{};
    Picture *Homme{}, *Femme{};

    // The drinks: the meal, the row captions, then a column per category, in the order of the
    // category table: K, B, A, V, D, C. Their widgets bear the design's names (Etiquette27,
    // Cocktail, NB_K, VOL_K, DEG_K...).
    Frame *Cadre2{};
    Picture *Repas{};
    QCheckBox *CocheR{};
    QLabel *Etiquette4{}, *Etiquette8{}, *Etiquette9{};
    std::array<DrinkColumn, drinkCategoryCount> drinkColumns{};

    // The result line, the message and the buttons.
    QLabel *Etiquette11{}, *Etiquette12{}, *Etiquette14{};
    ResultLabel *Alcoolémie{}, *Note{};
    NumberBox *Délai{};
    Shape *Forme1{};
    Picture *GraphImg{};
    QPushButton *BtnIni{}, *BtnQuitter{};

    // The waiting time.
    Frame *Cadre3{};
    Picture *Horloge{};
    ResultLabel *Attente{};
    QLabel *Etiquette15{};

    // The scale beside the results, with its own widgets: lights, ticks, alert signs, level bar.
    Scale *scale{};
    // Has a screen reader say each new result in a sentence.
    Announcer *Annonce{};

    // The evening's journal, its window (made when first opened), Ctrl+J that opens it, and the
    // tick on each minute that has the verdict follow the clock.
    Journal *m_journal{};
    JournalWindow *m_journalWindow{};
    QShortcut *OuvrirJournal{};
    QTimer *MinuterieJournal{};

    // The menus.
    QMenu *Options{}, *Aide{};
    QAction *Ini{}, *GraphMenu{}, *Sauve{}, *Rétablir{}, *SeuilProbatoire{}, *EstimationPrudente{},
            *JournalSoiree{}, *Quitter{}, *MNotice{}, *Info{};
};
