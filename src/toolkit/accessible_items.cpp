#include "accessible_items.h"

#include "announcer.h"
#include "picture.h"
#include "result_label.h"
#include "windowless_item.h"

#include <QAccessibleWidget>

namespace {

// A clickable picture is a push button with a press action; whether a picture is clickable is
// asked each time, since Qt may have described the picture before it was made so.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(Picture *picture)
        : QAccessibleWidget(picture)
    { }

    QAccessible::Role role() const override
    {
        return picture()->isClickable() ? QAccessible::Button : QAccessibleWidget::role();
    }

    QStringList actionNames() const override
    {
        const QStringList others = QAccessibleWidget::actionNames();
        return picture()->isClickable() ? QStringList{pressAction()} + others : others;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && picture()->isClickable())
            picture()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Picture *picture() const { return static_cast<Picture *>(widget()); }
};

// A result's text, and its number as its value when it shows one. The value is the program's to
// set, never the user's.
class ResultAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ResultAccessible(ResultLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface && label()->showsNumber())
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return label()->number(); }
    void setCurrentValue(const QVariant & /*value*/) override { }
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return {}; }

private:
    ResultLabel *label() const { return static_cast<ResultLabel *>(widget()); }
};

// A line or rectangle without a name is a decoration: it says it is not showing, and a screen
// reader passes over it.
class WindowlessItemAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty())
            state.invisible = true;
        return state;
    }
};

// A notification, which a screen reader speaks when it appears, whatever has the focus; it is
// not showing until it has something to say.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    { }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty())
            state.invisible = true;
        return state;
    }
};

QAccessibleInterface *describe(const QString &className, QObject *object)
{
    if (className == u"Announcer")
        return new AnnouncerAccessible(static_cast<Announcer *>(object));
    if (className == u"Picture")
        return new PictureAccessible(static_cast<Picture *>(object));
    if (className == u"ResultLabel")
        return new ResultAccessible(static_cast<ResultLabel *>(object));
    if (className == u"WindowlessItem")
        return new WindowlessItemAccessible(static_cast<WindowlessItem *>(object));
    return nullptr;
}

} // namespace

void installAccessibleItems()
{
    static const bool installed = [] {
        QAccessible::installFactory(describe);
        return true;
    }();
    (void)installed;
}
