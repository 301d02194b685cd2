#include "message_box.h"

#include <QMessageBox>

void showWarning(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Attention !"), text, QMessageBox::Ok,
                    parent);
    box.exec();
}
