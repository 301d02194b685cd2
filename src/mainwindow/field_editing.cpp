// How the main window's text boxes react to an edit and to the arrival of the focus: an edited
// value turns dark red and the estimate runs again; the delay stays at one hour or more.
#include "sobrimetre.h"

#include "engine/read_number.h"
#include "engine/result_display.h"
#include "texts.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/message_box.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

void Sobrimetre::Poids_Change()
{
    MarkEditedField();
    Recompute();
}

// The glass counts keep their dark-green text: they are not marked.
void Sobrimetre::NB_Change()
{
    Recompute();
}

void Sobrimetre::VOL_Change()
{
    MarkEditedField();
    Recompute();
}

void Sobrimetre::DEG_Change()
{
    MarkEditedField();
    Recompute();
}

// Runs whatever Ready says: start-up and the commands that write the delay get its colour,
// its reset and its unit too; only the recompute inside waits for Ready.
void Sobrimetre::Délai_Change()
{
    if (readNumber(Délai->text().toStdString()) >= 1) {
        setTextColor(Délai, Colour::blue);
        Recompute();
    } else {
        // Setting "1" runs this reaction again at once: the results for one hour are shown
        // behind the warning.
        Délai->setText(u"1"_s);
        showWarning(this, delayWarning);
        // The next keystroke replaces the "1", as after the arrival of the focus: appended to
        // it, a 5 would read as 15 hours.
        Délai->setSelection(0, Délai->maxLength());
    }
    Etiquette14->setText(QString::fromUtf8(hourUnit(readNumber(Délai->text().toStdString()))));
}

void Sobrimetre::MarkEditedField()
{
    if (Ready != 1)
        return;
    if (QWidget *active = focusWidget())
        setTextColor(active, Colour::darkRed);
}

void Sobrimetre::SelectWholeText()
{
    if (auto *box = qobject_cast<QLineEdit *>(focusWidget()))
        box->setSelection(0, box->maxLength());
}
