// The program's warning: a modal box titled "Attention !" with a warning icon and one OK
// button. It returns when the user has closed it.
#pragma once

#include <QString>

class QWidget;

void showWarning(QWidget *parent, const QString &text);
