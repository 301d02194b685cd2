#include "help_page.h"

#include "credits.h"
#include "notice1.h"
#include "notice2.h"
#include "toolkit/appearance.h"
#include "toolkit/picture.h"
#include "toolkit/shape.h"
#include "toolkit/twips.h"
#include "window_parts.h"

#include <QLabel>
#include <QPushButton>

namespace {

void createHeaderBand(QWidget *page)
{
    auto *Forme1 = new Shape(page);
    Forme1->setObjectName(QStringLiteral("Forme1"));
    Forme1->setTwipsGeometry(360, 120, 8535, 735);
    Forme1->setBorder(darkRed(), 1);

    addPicture(page, QStringLiteral("Dessin1"), QStringLiteral(":/icons/sobrimetre.svg"),
               programIconSubject(), 480, 240);
    // "Sobrimetre" in 24 pt needs a little more room than the version would leave it, so the
    // version stands a little further right.
    addTitle(page, 1320, 240, 2400, 615);
    addVersion(page, 3720, 480, 1335, 255);
    addCredit(page, Credits::copyright(), 5880, 480, 2775, 255);
}

} // namespace

void createHelpPageFrame(QWidget *page, const QString &name, const QString &caption)
{
    page->setObjectName(name);
    page->setWindowTitle(caption);
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->setAttribute(Qt::WA_QuitOnClose, false);
    Twips::fixClientSize(page, 9255, 6345);
    setBackgroundColor(page, QColor(255, 255, 224));
    page->setFont(arial(8.25, FontStyle::Bold));
    createHeaderBand(page);
}

QLabel *addHelpText(QWidget *page, const QString &name, const QString &text, double top,
                    double height)
{
    return addHelpText(page, name, text, 360, top, 8535, height);
}

QLabel *addHelpText(QWidget *page, const QString &name, const QString &text, double left,
                    double top, double width, double height)
{
    QLabel *label = addLabel(page, name, text, left, top, width, height);
    label->setFont(arial(9, FontStyle::Regular));
    return label;
}

QLabel *addPageHint(QWidget *page, const QString &name, const QString &text)
{
    QLabel *hint = addLabel(page, name, text, 600, 5880, 5895, 255);
    hint->setAlignment(Qt::AlignRight | Qt::AlignTop);
    hint->setFont(arial(8.25, FontStyle::BoldItalic));
    setTextColor(hint, darkRed());
    return hint;
}

QPushButton *addPageButton(QWidget *page, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, page);
    button->setObjectName(name);
    button->setFont(arial(9.75, FontStyle::Regular));
    Twips::place(button, 6840, 5760, 975, 375);
    return button;
}

QPushButton *addCloseButton(QWidget *page)
{
    auto *button = new QPushButton(QStringLiteral("&Fermer"), page);
    button->setObjectName(QStringLiteral("Fermer"));
    button->setFont(arial(9, FontStyle::Regular));
    Twips::place(button, 7920, 5760, 975, 375);
    return button;
}

void closeHelpPages()
{
    if (Notice2 *page2 = Notice2::loaded())
        page2->close();
    if (Notice1 *page1 = Notice1::loaded())
        page1->close();
}
