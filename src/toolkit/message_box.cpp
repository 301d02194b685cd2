#include "message_box.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

void showWarning(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, u"Attention !"_s, text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
