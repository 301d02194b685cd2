// The program's application object. An error that no window handles (an arithmetic overflow,
// which only a number in exponent notation can cause, or a printer failure) ends the reaction
// that raised it and arrives here: the user sees it in the program's warning box, and the
// program goes on with the next event.
#pragma once

#include <QApplication>

class Application : public QApplication
{
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
