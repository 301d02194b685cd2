#include "message_box.h"

#include <QMessageBox>

using namespace Qt::StringLiterals;

void showWarning(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, u"Attention !"_s, text, QMessageBox::Ok, parent);
    box.exec();
}
