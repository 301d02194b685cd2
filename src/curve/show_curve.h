// How the main window opens the curve window: with the texts that its delay box and its level
// display show at that moment. The window is modal, built afresh from its layout at each
// opening and destroyed when the user closes it; there is never more than one.
#pragma once

#include <QString>

class QWidget;

// Returns when the user has closed the window.
void ShowCurve(QWidget *owner, const QString &delayText, const QString &levelText);
