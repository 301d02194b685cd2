// The second help page, "Notice : page 2": how to read the delay and the wait, and the limits
// of an estimate. Page 1's ">>" shows it; "<<" goes back to page 1 and unloads this page,
// "Fermer" unloads both pages.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class Notice2 : public QWidget
{
    Q_OBJECT
public:
    // Shows page 2, building it if it is not loaded, and brings it forward.
    static void showPage(QWidget *owner);
    // The loaded page, shown or hidden, or nullptr.
    static Notice2 *loaded();

    ~Notice2() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit Notice2(QWidget *owner);
    void createWidgets();
    void connectEvents();

    void PagePréc_Click();
    void Fermer_Click();

    QLabel *Etiquette6 = nullptr;
    QLabel *Etiquette4 = nullptr;
    QLabel *Etiquette11 = nullptr;
    QLabel *Etiquette12 = nullptr;
    QLabel *Etiquette15 = nullptr;
    QLabel *Etiquette13 = nullptr;
    QLabel *Etiquette14 = nullptr;
    QLabel *Etiquette5 = nullptr;
    QPushButton *PagePréc = nullptr;
    QPushButton *Fermer = nullptr;
};
