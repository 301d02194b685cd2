// The program's warning: a modal box titled "Attention !" with a warning icon and one OK
// button. It returns when the user has closed it.
#pragma once

#include <QString>

class QWidget;

void showWarning(QWidget *parent, const QString &text);

// The program's question: a modal box with a question icon, Yes and No buttons, No the default.
// Returns whether the user answered Yes.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);
