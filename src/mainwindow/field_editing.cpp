// How the main window's text boxes react to an edit and to the arrival of the focus: an edited
// value turns dark red and the estimate runs again; the delay stays at one hour or more.
#include "mainwindow/sobrimetre.h"

#include "engine/read_number.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/message_box.h"

#include <QLabel>
#include <QLineEdit>

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
        setTextColor(Délai, fromBgr(0xFF0000));
        Recompute();
    } else {
        // Setting "1" runs this reaction again at once: the results for one hour are shown
        // behind the warning.
        Délai->setText(QStringLiteral("1"));
        showWarning(this, QStringLiteral("L'alcoolémie ne peut être évaluée que pour un délai "
                                         "supérieur ou égal à 1 heure."));
    }
    Etiquette14->setText(readNumber(Délai->text().toStdString()) > 1 ? QStringLiteral("heures")
                                                                     : QStringLiteral("heure"));
}

void Sobrimetre::SelectWholeText()
{
    if (auto *box = qobject_cast<QLineEdit *>(focusWidget()))
        box->setSelection(0, box->maxLength());
}
