// What the printed page tells besides the curve, in the main window's own words: the person and
// the drinks as entered, the options in force, the result, and the help pages' caution.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct PageFacts
{
    // One line of a list: "Poids" and "70 kg".
    struct Fact
    {
        QString label;
        QString value;
    };

    // Weight, sex, build, meal, hours since the last drink.
    QList<Fact> person;
    // Each drink category: its name, glasses, volume per glass in cl and degree, as typed.
    QList<QStringList> drinks;
    // With the evening's journal, the glasses of its bout in time order: when, which, volume in
    // cl and degree, as the journal shows them; empty otherwise.
    QList<QStringList> glasses;
    QString options;
    // The level, the verdict in words, the wait, the time from which one may drive.
    QList<Fact> result;
    QString caution;
};
