// The main window's commands: the meal box, quitting, the reload and restore of the usual
// values, their save, and the curve, help and About windows.
#include "mainwindow/sobrimetre.h"

#include "curve/show_curve.h"
#include "defaults/defaults_file.h"
#include "defaults/format/defaults_format.h"
#include "defaults/format/weight_field.h"
#include "toolkit/message_box.h"
#include "windows/apropos.h"
#include "windows/help_page.h"
#include "windows/notice1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void Sobrimetre::CocheR_Click()
{
    Recompute();
}

// Ends the program at once, with no question and no saving. The help pages go too, hidden ones
// included, so that no process stays alive without a window.
void Sobrimetre::Quitter_Click()
{
    closeHelpPages();
    QCoreApplication::quit();
}

void Sobrimetre::closeEvent(QCloseEvent *event)
{
    event->accept();
    Quitter_Click();
}

void Sobrimetre::Ini_Click()
{
    Form_Load();
    Poids->setFocus();
}

void Sobrimetre::Sauve_Click()
{
    DefaultsRecord record = m_defaults;
    record.weight = weightField(Poids->text().toStdString());
    record.corpulenceCode = CorpuN->isChecked() ? corpulenceNormal : corpulenceStrong;
    record.sexCode = OptionH->isChecked() ? sexMan : sexWoman;
    record.mealCode = CocheR->checkState() == Qt::Checked ? mealTaken : noMeal;
    for (const DrinkCategory category : onScreenOrder) {
        const DrinkColumn column = drinkColumn(category);
        record[category] = {fitToTextField(column.volume->text().toStdString()),
                            fitToTextField(column.degree->text().toStdString())};
    }
    QString reason;
    if (saveDefaults(record, &reason))
        m_defaults = record;
    else
        showWarning(this,
                    QStringLiteral("Les valeurs n'ont pas pu être enregistrées : %1").arg(reason));
}

void Sobrimetre::GraphMenu_Click()
{
    ShowCurve(this, Délai->text(), Alcoolémie->text());
}

void Sobrimetre::MNotice_Click()
{
    Notice1::showPage(this);
}

void Sobrimetre::Info_Click()
{
    APropos::showModal(this);
}
