// What a screen reader says of itself when a result changes, though the user's focus stays in the
// box being typed in. Screen readers pass over changes to objects that lack the focus, but speak
// a notification as it appears: the announcer is an invisible notification that appears anew,
// with its sentence as its name, each time the sentence changes.
#pragma once

#include <QWidget>

class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);

    // Has sentence spoken, unless it is the one spoken last.
    void announce(const QString &sentence);
};
