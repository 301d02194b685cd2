// What both help pages share: the window (light yellow, fixed size, never modal), the header
// band with the program's icon, name, version and credit line, the body texts, the hint at the
// foot and the two buttons; and the rule that each page exists at most once. A page is built by
// showPage when it is not loaded, found by loaded, and forgotten as soon as it is closed, before
// Qt destroys it, so that a page on its way out is never shown again. The pages are top-level
// windows owned by the main window: they are destroyed with it and never keep the program
// running on their own.
#pragma once

#include "toolkit/twips.h"

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;

class HelpPage : public QWidget
{
    Q_OBJECT
public:
    // Shows the page, building it over owner (the main window) if it is not loaded, and brings
    // it forward.
    template<typename Page>
    static void showPage(QWidget *owner)
    {
        Page *page = loaded<Page>();
        if (page == nullptr) {
            page = new Page(owner);
            s_loaded.append(page);
        }
        page->bringForward();
    }

    // The loaded page, shown or hidden, or nullptr.
    template<typename Page>
    static Page *loaded()
    {
        for (HelpPage *page : std::as_const(s_loaded)) {
            if (auto *found = qobject_cast<Page *>(page))
                return found;
        }
        return nullptr;
    }

    // Unloads every page, shown or hidden: the main window calls it when the program ends.
    static void closeAll();

    ~HelpPage() override;

protected:
    HelpPage(QWidget *owner, const QString &name, const QString &caption);
    void closeEvent(QCloseEvent *event) override;

    // A body text in Arial 9 pt regular, across the page unless another area is given.
    QLabel *addText(const QString &name, const QString &text, double top, double height);
    QLabel *addText(const QString &name, const QString &text, const TwipsRect &area);
    // The dark-red hint at the foot of the page that points to the page button.
    QLabel *addPageHint(const QString &name, const QString &text);
    QPushButton *addPageButton(const QString &name, const QString &caption);
    QPushButton *addCloseButton();

private:
    void createHeaderBand();
    void bringForward();

    static inline QList<HelpPage *> s_loaded;
};
