// The parts the secondary windows are built from: labels and pictures placed in twips, and the
// program's title, version and credit line as every one of these windows shows them.
#pragma once

#include <QColor>
#include <QString>

class Picture;
class QLabel;
class QWidget;

inline QColor darkRed()
{
    return {128, 0, 0};
}

// A transparent label with the window's font, its text at the top left, wrapped within its
// width and never read as markup (the help texts hold "<<" and ">>").
QLabel *addLabel(QWidget *window, const QString &name, const QString &text, double left, double top,
                 double width, double height);

// A 480 by 480 twips picture; subject is what a screen reader says of it.
Picture *addPicture(QWidget *window, const QString &name, const QString &svgPath,
                    const QString &subject, double left, double top);

// What a screen reader says of the program's icon.
inline QString programIconSubject()
{
    return QStringLiteral("Icône de Sobrimetre : un verre de vin rouge et une jauge");
}

// "Sobrimetre" in Times New Roman 24 pt bold, dark red.
QLabel *addTitle(QWidget *window, double left, double top, double width, double height);
// "version 4.0" in the window's font.
QLabel *addVersion(QWidget *window, double left, double top, double width, double height);
// The credit line in Arial 8.25 pt regular.
QLabel *addCredit(QWidget *window, const QString &text, double left, double top, double width,
                  double height);
