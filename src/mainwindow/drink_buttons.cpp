// The drink buttons: each click counts one more glass in its category's count box, whose own
// change reaction then recomputes; while the evening's journal is kept, it adds a glass drunk
// now to the journal.
#include "sobrimetre.h"

#include "engine/arithmetic_overflow.h"
#include "engine/read_number.h"
#include "texts.h"
#include "toolkit/message_box.h"

#include <QLineEdit>

#include <charconv>

using namespace Qt::StringLiterals;

namespace {

// The shortest text that reads back as the same number: "4", or "3.5" with a point, since a
// count written "3,5" would be shown as three and a half but read as 3.
QString countText(double count)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, count);
    return error == std::errc() ? QString::fromLatin1(buffer, end - buffer) : QString();
}

} // namespace

void Sobrimetre::DrinkButton_Click(DrinkCategory category)
{
    if (keepsJournal())
        addGlassToJournal(category);
    else
        countOneMoreGlass(category);
}

void Sobrimetre::countOneMoreGlass(DrinkCategory category)
{
    QLineEdit *count = drinkColumn(category).count;
    double glasses = 0;
    try {
        glasses = readNumber(count->text().toStdString()) + 1;
    } catch (const ArithmeticOverflow &) {
        showWarning(this, overflowWarning);
        return;
    }
    const QString text = countText(glasses);
    // The box would cut a longer text to its first characters, and so show fewer glasses than
    // were drunk.
    if (text.size() > count->maxLength()) {
        showWarning(this, u"Impossible d'ajouter un verre : le nombre de verres ne peut pas "
                          u"dépasser %1 caractères."_s.arg(count->maxLength()));
        return;
    }
    count->setText(text);
}
