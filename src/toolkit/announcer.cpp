#include "announcer.h"

#include "accessible_items.h"

#include <QAccessible>

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    // A pixel that paints nothing and lets the mouse through: on the accessibility bus it must
    // be showing to be spoken.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    installAccessibleItems();
}

void Announcer::announce(const QString &sentence)
{
    if (sentence == accessibleName())
        return;
    setAccessibleName(sentence);
    QAccessibleEvent appeared(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&appeared);
}
