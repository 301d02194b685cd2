// The restore command: the factory values in every field and a blank result. It neither reads
// nor writes Defaut.dat and computes nothing; to keep these values the user saves them.
#include "mainwindow/sobrimetre.h"

#include "mainwindow/texts.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/result_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void Sobrimetre::Rétablir_Click()
{
    Ready = 0;

    Poids->setText(QString());
    setTextColor(Poids, Qt::black);
    OptionH->setChecked(true);
    CorpuN->setChecked(true);
    CocheR->setChecked(false);
    for (const DrinkCategory category : onScreenOrder) {
        const DrinkDefaults factory = factoryDrinkDefaults(category);
        const DrinkColumn column = drinkColumn(category);
        column.volume->setText(QString::fromStdString(factory.volume));
        setTextColor(column.volume, Qt::black);
        column.degree->setText(QString::fromStdString(factory.degree));
        setTextColor(column.degree, Qt::black);
    }
    emptyGlassCounts();
    Délai->setText(QStringLiteral("1"));
    setTextColor(Délai, Qt::black);

    showBlankResult();
    // Dark blue, unlike start-up; the message keeps its boldness and size.
    setTextColor(Note, fromBgr(0xC00000));
    showResultText(Note, instructionText);

    Ready = 1;
}
