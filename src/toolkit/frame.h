// A frame grouping controls under a caption: an etched rectangle whose top edge runs through
// the middle of the caption, so that widgets placed in twips just below its top stand inside
// it, whatever the look of the platform's own group boxes. It is opaque, and as a group box it
// makes the option buttons it holds a group of their own.
#pragma once

#include <QGroupBox>

class Frame : public QGroupBox
{
    Q_OBJECT
public:
    Frame(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
