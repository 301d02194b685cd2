// The program's application object, and its report of unexpected errors. An error that no
// window handles ends the event handler that raised it and arrives here: the user sees it in the
// program's warning box, and the program goes on with the next event. The windows handle the
// errors they expect (a number too large to compute with, a printer that refuses its work)
// themselves.
#pragma once

#include <QApplication>

class Application : public QApplication
{
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
