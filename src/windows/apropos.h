// The About window: the program's name, version, credit line and distribution notice. The main
// window's "A propos..." command opens it modally; the first press of a mouse button anywhere on
// it closes it, and the next opening builds it afresh.
#pragma once

#include <QDialog>

class Picture;
class QLabel;

class APropos : public QDialog
{
    Q_OBJECT
public:
    explicit APropos(QWidget *owner);

    // Builds the window, shows it modally over owner and returns once it is closed and gone.
    static void showModal(QWidget *owner);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createWidgets();

    Picture *Dessin1 = nullptr;
    QLabel *Etiquette1 = nullptr;
    QLabel *Etiquette2 = nullptr;
    QLabel *Etiquette3 = nullptr;
    QLabel *Etiquette4 = nullptr;
};
