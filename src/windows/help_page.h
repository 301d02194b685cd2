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

#include <span>

class QPushButton;

// One text of a help page: its label's name, its place and its look.
struct HelpText
{
    enum Look {
        Body, // Arial 9 pt regular
        Item, // a factor of the estimate, in dark green
        Warning, // in red, Arial 9 pt bold
        Hint // the dark-red hint at the foot, right-aligned, pointing to the page button
    };
    static constexpr TwipsRect hintArea{600, 5880, 5895, 255};

    const char16_t *name;
    TwipsRect area;
    Look look;
    const char16_t *text;
};

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
    HelpPage(QWidget *owner, const QString &name, const QString &caption,
             std::span<const HelpText> texts);
    void closeEvent(QCloseEvent *event) override;
    // Escape closes the page as the window system's close button does; Enter presses the
    // button that has the focus.
    void keyPressEvent(QKeyEvent *event) override;

    // The button that leads to the other page, and the button that closes this one.
    QPushButton *addPageButton(const QString &name, const QString &caption,
                               const QString &accessibleName);
    QPushButton *addCloseButton();

private:
    void createHeaderBand();
    void addText(const HelpText &text);
    void bringForward();

    static inline QList<HelpPage *> s_loaded;
};
