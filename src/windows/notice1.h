// The first help page, "Notice : page 1": what the program estimates and how to fill in the
// main window. The main window's "Notice" command (F1) shows it; ">>" leads to the second page
// and hides this one, "Fermer" unloads it. Neither page is modal and each exists at most once.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class Notice1 : public QWidget
{
    Q_OBJECT
public:
    // Shows page 1, building it if it is not loaded, and brings it forward. The page belongs
    // to owner (the main window), as a window of its own, and is destroyed with it.
    static void showPage(QWidget *owner);
    // The loaded page, shown or hidden, or nullptr.
    static Notice1 *loaded();

    ~Notice1() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit Notice1(QWidget *owner);
    void createWidgets();
    void connectEvents();

    void PageSuiv_Click();
    void Fermer_Click();

    QLabel *Etiquette4 = nullptr;
    QLabel *Etiquette5 = nullptr;
    QLabel *Etiquette6 = nullptr;
    QLabel *Etiquette7 = nullptr;
    QLabel *Etiquette8 = nullptr;
    QLabel *Etiquette9 = nullptr;
    QLabel *Etiquette10 = nullptr;
    QLabel *Etiquette14 = nullptr;
    QLabel *Etiquette11 = nullptr;
    QLabel *Etiquette13 = nullptr;
    QLabel *Etiquette12 = nullptr;
    QPushButton *PageSuiv = nullptr;
    QPushButton *Fermer = nullptr;
};
