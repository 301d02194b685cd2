#include "apropos.h"

#include "credits.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/picture.h"
#include "window_parts.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

const QString distributionNotice
        = u"Logiciel libre (GNU GPL version 3 ou ultérieure) : chacun peut l'utiliser et le "
          u"partager librement. Il est fourni sans aucune garantie. Les auteurs déclinent toute "
          u"responsabilité quant à l'utilisation du programme et des informations qu'il fournit."_s;

} // namespace

APropos::APropos(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    createWidgets();
}

void APropos::showModal(QWidget *owner)
{
    APropos window(owner);
    window.exec();
}

void APropos::createWidgets()
{
    setObjectName(u"APropos"_s);
    setWindowTitle(u"A propos de..."_s);
    Twips::fixClientSize(this, 3840, 2805);
    setBackgroundColor(this, Colour::white);
    setFont(arial(8.25, FontStyle::Bold));

    Dessin1 = addProgramIcon(this, 240, 240);
    // "Sobrimetre" in 24 pt leaves no room beside it for the version, which stands below it,
    // above the credit line.
    Etiquette1 = addTitle(this, {840, 120, 2400, 600});
    Etiquette3 = addVersion(this, {840, 720, 1215, 255});
    Etiquette2 = addCredit(this, Credits::copyright, {840, 960, 2895, 255});
    Etiquette4 = addLabel(this, u"Etiquette4"_s, distributionNotice, {360, 1320, 3135, 1365});
    Etiquette4->setFont(arial(8.25, FontStyle::Italic));
    Etiquette4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(Etiquette4, Colour::darkRed);

    // Every text and the picture let the mouse through to the window, so that a press on any
    // of them closes it as a press beside them does.
    for (QWidget *part :
         std::initializer_list<QWidget *>{Dessin1, Etiquette1, Etiquette2, Etiquette3, Etiquette4})
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void APropos::mousePressEvent(QMouseEvent * /*event*/)
{
    close();
}
