// A label that shows a result (the level, the hours to wait, the verdict's message) keeps its
// accessible name, which says what it is, and exposes its current text as its description, so
// that a screen reader follows each new estimate. A detail, when there is one, is the label's
// tooltip and follows the text in the description.
#pragma once

#include <QString>

class QLabel;

void showResultText(QLabel *label, const QString &text, const QString &detail = {});
