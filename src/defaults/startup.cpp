// Start-up of the main window, run when it is first loaded and again by the reload command: the
// saved values from Defaut.dat, no glasses, a delay of one hour and a blank result. It computes
// nothing; the first estimate comes with the user's first edit.
#include "mainwindow/sobrimetre.h"

#include "defaults/defaults_file.h"
#include "defaults/format/weight_field.h"
#include "mainwindow/level_display.h"
#include "mainwindow/texts.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/picture.h"
#include "toolkit/result_text.h"
#include "toolkit/shape.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void Sobrimetre::Form_Load()
{
    Ready = 0;

    const QColor panel(224, 231, 223);
    for (QWidget *widget : std::initializer_list<QWidget *>{Cadre1, Cadre2, Cadre3, Cadre4, OptionH,
                                                            OptionF, CorpuN, CorpuF, CocheR})
        setBackgroundColor(widget, panel);

    readDefaultsFile(m_defaults);

    Poids->setText(hasPositiveWeight(m_defaults.weight) ? QString::fromStdString(m_defaults.weight)
                                                        : QString());
    setTextColor(Poids, Qt::black);
    (m_defaults.sexCode == sexMan ? OptionH : OptionF)->setChecked(true);
    (m_defaults.corpulenceCode == corpulenceNormal ? CorpuN : CorpuF)->setChecked(true);
    CocheR->setChecked(m_defaults.mealCode == mealTaken);
    for (const DrinkCategory category : onScreenOrder) {
        const DrinkColumn column = drinkColumn(category);
        column.volume->setText(QString::fromStdString(m_defaults[category].volume));
        setTextColor(column.volume, Qt::black);
        column.degree->setText(QString::fromStdString(m_defaults[category].degree));
        setTextColor(column.degree, Qt::black);
    }
    emptyGlassCounts();
    Délai->setText(QStringLiteral("1"));
    setTextColor(Délai, Qt::black);

    showBlankResult();
    setTextColor(Note, fromBgr(0x008000));
    setBold(Note, false);
    showResultText(Note, instructionText);

    Ready = 1;
}

void Sobrimetre::emptyGlassCounts()
{
    for (const DrinkCategory category : onScreenOrder)
        drinkColumn(category).count->setText(QString());
}

void Sobrimetre::showBlankResult()
{
    showResultText(Alcoolémie, levelText(0));
    setBackgroundColor(Alcoolémie, fromBgr(0x80FF80));
    setTextColor(Alcoolémie, Qt::black);
    showResultText(Attente, QStringLiteral("0"));
    Etiquette15->setText(QStringLiteral("heure"));
    showLight(FeuVert);
    for (Picture *alert : {Alerte1, Alerte2, Alerte3})
        alert->setVisible(false);
    // The empty bar goes back to its resting place at the foot of the scale: keeping the top of
    // the last level would leave a green sliver high on the scale, as if something were drunk.
    Colonne->setTwipsHeight(restingBarHeight);
    Colonne->setTop(barBottom);
}
