// Sobrimetre, the program's main window: the person (weight, sex, corpulence), the drinks of
// the six categories, the hours since the last drink, and the results (estimated level, verdict
// lights and message, waiting time, level bar on its scale). This file builds the window and its
// menus; the reactions to edits, clicks and commands, the display of the estimate and the
// start-up are further members of this class, defined in their own files. Every widget is a
// public member bearing its name, so that the estimate, the defaults store and the curve window
// reach the widgets they read and write.
#pragma once

#include "defaults/format/defaults_record.h"
#include "engine/drink_category.h"

#include <QList>
#include <QMainWindow>

class Line;
class Picture;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class Shape;
struct EstimateResult;

class Sobrimetre : public QMainWindow
{
    Q_OBJECT
    // Reachable by name, as the widgets are by their object names.
    Q_PROPERTY(qint16 Ready MEMBER Ready)
public:
    explicit Sobrimetre(QWidget *parent = nullptr);

    // Reads every input, runs the estimate and shows its result; does nothing unless Ready is 1.
    void Recompute();
    // Turns the text of the widget being edited dark red, when Ready is 1.
    void MarkEditedField();
    // Selects the whole text of the text box that has the focus.
    void SelectWholeText();

    // 1 when the window is idle; 0 while the program itself fills the fields, so that the
    // notifications of those changes neither recompute nor mark.
    qint16 Ready = 1;

    // The person.
    QGroupBox *Cadre1 = nullptr;
    QLabel *Etiquette1 = nullptr;
    QLineEdit *Poids = nullptr;
    QGroupBox *Cadre4 = nullptr;
    QRadioButton *CorpuN = nullptr;
    QRadioButton *CorpuF = nullptr;
    Picture *Homme = nullptr;
    QRadioButton *OptionH = nullptr;
    Picture *Femme = nullptr;
    QRadioButton *OptionF = nullptr;

    // The drinks: the meal, the row captions, then the columns K, B, A, V, D, C.
    QGroupBox *Cadre2 = nullptr;
    Picture *Repas = nullptr;
    QCheckBox *CocheR = nullptr;
    QLabel *Etiquette4 = nullptr;
    QLabel *Etiquette8 = nullptr;
    QLabel *Etiquette9 = nullptr;
    QLabel *Etiquette27 = nullptr;
    QLabel *Etiquette3 = nullptr;
    QLabel *Etiquette5 = nullptr;
    QLabel *Etiquette2 = nullptr;
    QLabel *Etiquette6 = nullptr;
    QLabel *Etiquette7 = nullptr;
    Picture *Cocktail = nullptr;
    Picture *Bière = nullptr;
    Picture *Apéritif = nullptr;
    Picture *Vin = nullptr;
    Picture *Digestif = nullptr;
    Picture *Champagne = nullptr;
    QLineEdit *NB_K = nullptr;
    QLineEdit *NB_B = nullptr;
    QLineEdit *NB_A = nullptr;
    QLineEdit *NB_V = nullptr;
    QLineEdit *NB_D = nullptr;
    QLineEdit *NB_C = nullptr;
    QLineEdit *VOL_K = nullptr;
    QLineEdit *VOL_B = nullptr;
    QLineEdit *VOL_A = nullptr;
    QLineEdit *VOL_V = nullptr;
    QLineEdit *VOL_D = nullptr;
    QLineEdit *VOL_C = nullptr;
    QLineEdit *DEG_K = nullptr;
    QLineEdit *DEG_B = nullptr;
    QLineEdit *DEG_A = nullptr;
    QLineEdit *DEG_V = nullptr;
    QLineEdit *DEG_D = nullptr;
    QLineEdit *DEG_C = nullptr;

    // The result line, the message and the buttons.
    QLabel *Etiquette11 = nullptr;
    QLabel *Alcoolémie = nullptr;
    QLabel *Etiquette12 = nullptr;
    QLineEdit *Délai = nullptr;
    QLabel *Etiquette14 = nullptr;
    Shape *Forme1 = nullptr;
    QLabel *Note = nullptr;
    Picture *GraphImg = nullptr;
    QPushButton *BtnIni = nullptr;
    QPushButton *BtnQuitter = nullptr;

    // The waiting time.
    QGroupBox *Cadre3 = nullptr;
    Picture *Horloge = nullptr;
    QLabel *Attente = nullptr;
    QLabel *Etiquette15 = nullptr;

    // The scale: its outline and panel, the lights, the ticks with their values from 0,10 to
    // 1,30 g/l, the alert signs and the level bar.
    Shape *Shape1 = nullptr;
    Shape *Forme2 = nullptr;
    Picture *FeuRouge = nullptr;
    Picture *FeuJaune = nullptr;
    Picture *FeuVert = nullptr;
    Line *Ligne1 = nullptr;
    Line *Ligne2 = nullptr;
    Line *Ligne3 = nullptr;
    Line *Ligne4 = nullptr;
    Line *Ligne5 = nullptr;
    Line *Ligne6 = nullptr;
    Line *Ligne7 = nullptr;
    Line *Ligne8 = nullptr;
    Line *Ligne9 = nullptr;
    Line *Ligne10 = nullptr;
    Line *Ligne11 = nullptr;
    Line *Ligne12 = nullptr;
    Line *Ligne13 = nullptr;
    QLabel *Etiquette10 = nullptr;
    QLabel *Etiquette13 = nullptr;
    QLabel *Etiquette16 = nullptr;
    QLabel *Etiquette17 = nullptr;
    QLabel *Etiquette18 = nullptr;
    QLabel *Etiquette19 = nullptr;
    QLabel *Etiquette20 = nullptr;
    QLabel *Etiquette21 = nullptr;
    QLabel *Etiquette22 = nullptr;
    QLabel *Etiquette23 = nullptr;
    QLabel *Etiquette24 = nullptr;
    QLabel *Etiquette25 = nullptr;
    QLabel *Etiquette26 = nullptr;
    Picture *Alerte1 = nullptr;
    Picture *Alerte2 = nullptr;
    Picture *Alerte3 = nullptr;
    Shape *Colonne = nullptr;

    // The menus.
    QMenu *Options = nullptr;
    QAction *Ini = nullptr;
    QAction *GraphMenu = nullptr;
    QAction *Sauve = nullptr;
    QAction *Rétablir = nullptr;
    QAction *Quitter = nullptr;
    QMenu *Aide = nullptr;
    QAction *MNotice = nullptr;
    QAction *Info = nullptr;

    // The widgets of one drink category's column.
    struct DrinkColumn
    {
        Picture *button;
        QLineEdit *count;
        QLineEdit *volume;
        QLineEdit *degree;
    };
    DrinkColumn drinkColumn(DrinkCategory category) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createWidgets();
    void createSubjectFrame(QWidget *client);
    void createDrinksFrame(QWidget *client);
    void createResultLine(QWidget *client);
    void createWaitFrame(QWidget *client);
    void createScale(QWidget *client);
    void createMenus();
    void stackInDrawingOrder();
    void setTabOrderOfFields();
    void placeOnScreen();
    void connectEvents();
    void nameForAccessibility();
    QList<QLineEdit *> textBoxes() const;

    // Field editing.
    void Poids_Change();
    void NB_Change();
    void VOL_Change();
    void DEG_Change();
    void Délai_Change();

    // The result display.
    void warnAboutWeight();
    void showResult(const EstimateResult &result);
    // Shows one of the three lights and hides the other two.
    void showLight(Picture *lit);
    void showBlankResult();

    // Buttons and commands.
    void DrinkButton_Click(DrinkCategory category);
    void CocheR_Click();
    void Quitter_Click();
    void Ini_Click();
    void Rétablir_Click();
    void Sauve_Click();
    void GraphMenu_Click();
    void MNotice_Click();
    void Info_Click();

    // Start-up: the saved values, no glasses, a delay of one hour and a blank result.
    void Form_Load();
    void emptyGlassCounts();

    // The user's usual values as last read from or saved to Defaut.dat.
    DefaultsRecord m_defaults;
};
