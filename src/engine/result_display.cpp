// The main window's result display: Recompute reads every input widget, runs the estimate and
// shows the level, the hours to wait, the bar, the alerts, the lights and the message.
#include "mainwindow/sobrimetre.h"

#include "engine/arithmetic_overflow.h"
#include "engine/estimate.h"
#include "engine/read_number.h"
#include "mainwindow/level_display.h"
#include "mainwindow/texts.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/result_text.h"
#include "toolkit/shape.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

double numberIn(const QLineEdit *box)
{
    return readNumber(box->text().toStdString());
}

// The look of the result for each verdict, applied in this order.
struct VerdictLook
{
    unsigned levelBackground; // 0xBBGGRR
    unsigned levelText;
    unsigned noteText;
    bool noteBold;
    double noteSize; // 0: the size stays as it was
    const QString &note;
};

VerdictLook lookOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Green:
        return {0x80FF80, 0x000000, 0x008000, false, 8.25, instructionText};
    case Verdict::Yellow:
        return {0x00FFFF, 0x000000, 0x0000FF, true, 9, cautionText};
    case Verdict::Red:
        return {0x0000FF, 0xFFFFFF, 0x0000FF, true, 10, stopText};
    case Verdict::RedSevere:
        break;
    }
    return {0x000000, 0xFFFFFF, 0x0000FF, true, 0, stopText};
}

} // namespace

void Sobrimetre::Recompute()
{
    if (Ready != 1)
        return;
    EstimateResult result;
    try {
        EstimateInputs inputs;
        inputs.weightKg = numberIn(Poids);
        if (inputs.weightKg == 0) {
            warnAboutWeight();
            return;
        }
        inputs.isMale = OptionH->isChecked();
        inputs.corpulenceNormal = CorpuN->isChecked();
        inputs.mealTaken = CocheR->checkState() == Qt::Checked;
        for (const DrinkCategory category : onScreenOrder) {
            const DrinkColumn column = drinkColumn(category);
            inputs[category] = {numberIn(column.count), numberIn(column.volume),
                                numberIn(column.degree)};
        }
        inputs.delayHours = numberIn(Délai);
        result = estimate(inputs);
    } catch (const ArithmeticOverflow &) {
        // Nothing has been written yet: the results shown before stay as they were.
        showWarning(this, overflowWarning);
        return;
    }
    showResult(result);
}

void Sobrimetre::warnAboutWeight()
{
    showWarning(this, QStringLiteral("Vous devez saisir une valeur correcte pour le poids."));
    Poids->setFocus();
    // Emptying a box that held text runs its change reaction, and so this warning, once more.
    Poids->setText(QString());
}

void Sobrimetre::showResult(const EstimateResult &result)
{
    showResultText(Alcoolémie, levelText(result.level));
    showResultText(Attente, QString::number(result.waitDisplay, 'f', 0));
    Etiquette15->setText(result.waitDisplay > 1 ? QStringLiteral("heures")
                                                : QStringLiteral("heure"));

    // The bar grows upwards from its foot: its top and height change in one move.
    const float barHeight = result.level > barCapLevel
                                    ? barCapHeight
                                    : static_cast<float>(result.level * barTwipsPerLevel);
    Colonne->setTwipsGeometry(Colonne->left(), barBottom - barHeight, Colonne->twipsWidth(),
                              barHeight);

    Alerte1->setVisible(result.level >= 0.3);
    Alerte2->setVisible(result.level >= legalLimit);
    Alerte3->setVisible(result.level >= 0.8);

    switch (result.verdict) {
    case Verdict::Green:
        showLight(FeuVert);
        break;
    case Verdict::Yellow:
        showLight(FeuJaune);
        break;
    case Verdict::Red:
    case Verdict::RedSevere:
        showLight(FeuRouge);
        break;
    }
    const VerdictLook look = lookOf(result.verdict);
    setColors(Alcoolémie, fromBgr(look.levelText), fromBgr(look.levelBackground));
    setTextColor(Note, fromBgr(look.noteText));
    setBold(Note, look.noteBold);
    if (look.noteSize > 0)
        setPointSize(Note, look.noteSize);
    showResultText(Note, look.note);
}

void Sobrimetre::showLight(Picture *lit)
{
    for (Picture *light : {FeuVert, FeuJaune, FeuRouge})
        light->setVisible(light == lit);
}

void Sobrimetre::MarkEditedField()
{
    if (Ready != 1)
        return;
    if (QWidget *active = focusWidget())
        setTextColor(active, fromBgr(0x000080));
}
