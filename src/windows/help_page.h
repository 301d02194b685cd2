// What both help pages share: the window (light yellow, fixed size, never modal), the header
// band with the program's icon, name, version and credit line, the body texts, the hint at the
// foot and the two buttons. The pages are top-level windows owned by the main window: they are
// destroyed with it and never keep the program running on their own.
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

inline QColor darkGreen()
{
    return {0, 128, 0};
}

void createHelpPageFrame(QWidget *page, const QString &name, const QString &caption);

// A body text in Arial 9 pt regular, across the page unless left and width are given.
QLabel *addHelpText(QWidget *page, const QString &name, const QString &text, double top,
                    double height);
QLabel *addHelpText(QWidget *page, const QString &name, const QString &text, double left,
                    double top, double width, double height);

// The dark-red hint at the foot of the page that points to the page button.
QLabel *addPageHint(QWidget *page, const QString &name, const QString &text);

QPushButton *addPageButton(QWidget *page, const QString &name, const QString &caption);
QPushButton *addCloseButton(QWidget *page);

// Unloads both help pages, shown or hidden: the main window calls it when the program ends.
void closeHelpPages();
