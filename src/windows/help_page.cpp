#include "help_page.h"

#include "credits.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/screen_placement.h"
#include "toolkit/shape.h"
#include "toolkit/widgets.h"
#include "window_parts.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

HelpPage::HelpPage(QWidget *owner, const QString &name, const QString &caption,
                   std::span<const HelpText> texts)
    : QWidget(owner, Qt::Window)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    Twips::fixClientSize(this, 9255, 6345);
    setBackgroundColor(this, Colour::lightYellow);
    setFont(arial(8.25, FontStyle::Bold));
    keepInsideScreenWhenShown(this);
    createHeaderBand();
    for (const HelpText &text : texts)
        addText(text);
}

HelpPage::~HelpPage()
{
    s_loaded.removeOne(this);
}

void HelpPage::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        s_loaded.removeOne(this);
}

void HelpPage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    // A button outside a dialog leaves Enter to its window: Enter presses it, as Space does.
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button != nullptr && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpPage::closeAll()
{
    // Closing a page takes it out of the list.
    const QList<HelpPage *> pages = s_loaded;
    for (HelpPage *page : pages)
        page->close();
}

void HelpPage::bringForward()
{
    show();
    raise();
    activateWindow();
}

void HelpPage::createHeaderBand()
{
    newShape(this, u"Forme1"_s, {360, 120, 8535, 735})->setStroke(Colour::darkRed, 1);
    addProgramIcon(this, 480, 240);
    // "Sobrimetre" in 24 pt needs a little more room than the version would leave it, so the
    // version stands a little further right.
    addTitle(this, {1320, 240, 2400, 615});
    addVersion(this, {3720, 480, 1335, 255});
    addCredit(this, Credits::copyright, {5880, 480, 2775, 255});
}

void HelpPage::addText(const HelpText &text)
{
    QLabel *label = addLabel(this, QString::fromUtf16(text.name), QString::fromUtf16(text.text),
                             text.area);
    switch (text.look) {
    case HelpText::Body:
        label->setFont(arial(9, FontStyle::Regular));
        break;
    case HelpText::Item:
        label->setFont(arial(9, FontStyle::Regular));
        setTextColor(label, Colour::darkGreen);
        break;
    case HelpText::Warning:
        label->setFont(arial(9, FontStyle::Bold));
        setTextColor(label, Colour::red);
        break;
    case HelpText::Hint:
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setFont(arial(8.25, FontStyle::BoldItalic));
        setTextColor(label, Colour::darkRed);
        break;
    }
}

QPushButton *HelpPage::addPageButton(const QString &name, const QString &caption,
                                     const QString &accessibleName)
{
    auto *button = newButton<QPushButton>(this, name, caption, {6840, 5760, 975, 375});
    button->setFont(arial(9.75, FontStyle::Regular));
    button->setAccessibleName(accessibleName);
    return button;
}

QPushButton *HelpPage::addCloseButton()
{
    auto *button = newButton<QPushButton>(this, u"Fermer"_s, u"&Fermer"_s, {7920, 5760, 975, 375});
    button->setFont(arial(9, FontStyle::Regular));
    return button;
}
