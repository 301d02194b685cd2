#include "result_text.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void showResultText(QLabel *label, const QString &text, const QString &detail)
{
    const QString description = detail.isEmpty() ? text : text + u". "_s + detail;
    if (label->text() == text && label->accessibleDescription() == description)
        return;
    label->setText(text);
    label->setToolTip(detail);
    label->setAccessibleDescription(description);
}
