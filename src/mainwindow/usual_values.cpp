// The user's usual values in the fields: start-up and the reload command put back those of
// Defaut.dat, the restore command the factory ones, the save command writes them to the file
// and says where. Start-up and restore also empty the glass counts, set the delay to one hour
// and show a blank result; they compute nothing, the first estimate comes with the user's next
// edit.
#include "sobrimetre.h"

#include "defaults/defaults_file.h"
#include "defaults/defaults_format.h"
#include "defaults/weight_field.h"
#include "engine/result_display.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/frame.h"
#include "toolkit/message_box.h"
#include "toolkit/result_label.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

// A text as it was typed: Defaut.dat keeps six characters, padded with blanks, and a box full of
// blanks takes no more keystrokes and reads them out to a screen reader.
QString asTyped(const std::string &field)
{
    QString text = QString::fromStdString(field);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace

void Sobrimetre::Form_Load()
{
    {
        const QScopedValueRollback filling(Ready, qint16(0));
        for (QWidget *widget :
             std::initializer_list<QWidget *>{Cadre1, Cadre2, Cadre3, Cadre4, OptionH, OptionF,
                                              CorpuN, CorpuF, CocheR})
            setBackgroundColor(widget, Colour::panel);
        applyUsualValues(readDefaultsFile());
        startAfresh(startupDisplay());
    }
    // The evening's journal tells where the evening stands at once.
    if (keepsJournal())
        recomputeFor(Occasion::JournalChange);
}

void Sobrimetre::Ini_Click()
{
    Form_Load();
    Poids->setFocus();
}

// Neither reads nor writes Defaut.dat: to keep these values the user saves them.
void Sobrimetre::Rétablir_Click()
{
    const QScopedValueRollback filling(Ready, qint16(0));
    applyUsualValues(DefaultsRecord());
    startAfresh(restoredDisplay());
}

void Sobrimetre::Sauve_Click()
{
    QString reason;
    QString savedPath;
    if (!saveDefaults(usualValues(), &reason, &savedPath)) {
        showWarning(this, u"Les valeurs n'ont pas pu être enregistrées : %1"_s.arg(reason));
        return;
    }
    // Says briefly where the values went, below the message panel, and goes by itself.
    constexpr int shownForMs = 3000;
    QToolTip::showText(Note->mapToGlobal(QPoint(0, Note->height())),
                       u"Valeurs enregistrées dans %1"_s.arg(savedPath), Note, {}, shownForMs);
}

DefaultsRecord Sobrimetre::usualValues() const
{
    DefaultsRecord values;
    values.weight = weightField(Poids->text().toStdString());
    values.corpulenceCode = CorpuN->isChecked() ? corpulenceNormal : corpulenceStrong;
    values.sexCode = OptionH->isChecked() ? sexMan : sexWoman;
    values.mealCode = CocheR->checkState() == Qt::Checked ? mealTaken : noMeal;
    values.probationary = SeuilProbatoire->isChecked();
    values.prudent = EstimationPrudente->isChecked();
    values.journal = JournalSoiree->isChecked();
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const DrinkColumn &column = drinkColumn(drink.category);
        values[drink.category] = {fitToTextField(column.volume->text().toStdString()),
                                  fitToTextField(column.degree->text().toStdString())};
    }
    return values;
}

// A weight is kept only when it reads as more than 0; any code but 1 selects a woman, a strong
// build and no meal. The texts go into their boxes without the blanks that pad them, and every
// box turns black.
void Sobrimetre::applyUsualValues(const DefaultsRecord &values)
{
    Poids->setText(hasPositiveWeight(values.weight) ? asTyped(values.weight) : QString());
    setTextColor(Poids, Colour::black);
    (values.sexCode == sexMan ? OptionH : OptionF)->setChecked(true);
    (values.corpulenceCode == corpulenceNormal ? CorpuN : CorpuF)->setChecked(true);
    CocheR->setChecked(values.mealCode == mealTaken);
    SeuilProbatoire->setChecked(values.probationary);
    EstimationPrudente->setChecked(values.prudent);
    JournalSoiree->setChecked(values.journal);
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const DrinkColumn &column = drinkColumn(drink.category);
        column.volume->setText(asTyped(values[drink.category].volume));
        setTextColor(column.volume, Colour::black);
        column.degree->setText(asTyped(values[drink.category].degree));
        setTextColor(column.degree, Colour::black);
    }
}

void Sobrimetre::startAfresh(const ResultDisplay &blank)
{
    for (const DrinkColumn &column : drinkColumns)
        column.count->setText(QString());
    Délai->setText(u"1"_s);
    setTextColor(Délai, Colour::black);
    showDisplay(blank);
}
