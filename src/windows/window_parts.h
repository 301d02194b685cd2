// The parts the secondary windows share: labels that wrap their text, and the program's icon,
// title, version and credit line as every one of these windows shows them.
#pragma once

#include "toolkit/twips.h"

#include <QString>

class Picture;
class QLabel;
class QWidget;

// A transparent label in the window's font, its text at the top left, wrapped within its width.
QLabel *addLabel(QWidget *window, const QString &name, const QString &text, const TwipsRect &area);

// The program's icon, a glass of red wine beside a red gauge, as the picture Dessin1.
Picture *addProgramIcon(QWidget *window, double left, double top);

// "Sobrimetre" in Times New Roman 24 pt bold, dark red.
QLabel *addTitle(QWidget *window, const TwipsRect &area);
// "version 4.0" in the window's font.
QLabel *addVersion(QWidget *window, const TwipsRect &area);
// The credit line in Arial 8.25 pt regular.
QLabel *addCredit(QWidget *window, const QString &text, const TwipsRect &area);
