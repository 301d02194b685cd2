// The journal's window, beside the main window and never modal: the glasses of the evening in
// time order, each with its time, its kind, its volume and its degree, all of which can be
// changed in place; a button per kind adds a glass drunk now; a glass can be deleted, and the
// whole journal emptied for a new evening after a question. Every change goes to the Journal,
// which writes it and tells this window and the main one. Keyboard and screen reader reach all
// of it: Tab goes from the buttons to the table, F2 or typing changes the cell that has the
// focus, Delete deletes the glass of its row.
#pragma once

#include "engine/drink_category.h"
#include "engine/logged_glass.h"

#include <QDateTime>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class Journal;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

class JournalWindow : public QWidget
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    // Adds a glass of the kind drunk now, with the volume and degree the main window gives it.
    using AddGlass = std::function<void(DrinkCategory)>;

    JournalWindow(Journal &journal, AddGlass addGlass, Clock clock, QWidget *mainWindow);

    // Shows the window beside the main window the first time, or brings it forward.
    void showBesideMainWindow();
    // Shows the glasses and the journal's state anew: after a change, or as the day turns,
    // when today's glasses become yesterday's.
    void refresh();

    // The columns of the table, in their order.
    enum Column { TimeColumn, KindColumn, VolumeColumn, DegreeColumn };

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWidgets();
    void connectEvents();
    void placeBesideMainWindow();
    // A cell's new value, as its editor gave it: applied once the editor is gone.
    void Verres_Edited(int row, int column, const QVariant &value);
    void applyEdit(const LoggedGlass &glass, int column, const QVariant &value);
    void Supprimer_Click();
    void NouvelleSoiree_Click();

    Journal &m_journal;
    AddGlass m_addGlass;
    Clock m_clock;
    QWidget *m_mainWindow;
    bool m_placed = false;
    // The glasses as the table shows them, row by row.
    std::vector<LoggedGlass> m_rows;

    QLabel *Consigne{};
    std::array<QToolButton *, drinkCategoryCount> Ajouter{};
    QTableWidget *Verres{};
    QLabel *Etat{};
    QPushButton *Supprimer{}, *NouvelleSoiree{}, *Fermer{};
};
