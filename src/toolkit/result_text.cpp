#include "result_text.h"

#include <QLabel>

void showResultText(QLabel *label, const QString &text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    label->setAccessibleDescription(text);
}
