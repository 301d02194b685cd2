// The text box in which the main window's numbers are typed: the weight, the glass counts,
// volumes and degrees, and the delay. Numbers are read with a point as decimal separator, while
// the window shows them with a French comma: a comma put into the box, typed or pasted, and the
// keypad's decimal key, whatever its layout makes of it, land as a point, so that "12,5" counts
// as 12.5 rather than 12. Invisible format characters (direction marks and overrides,
// zero-width characters) are dropped as they land, so that the box shows what is counted.
// A box whose value cannot be (a negative glass, a degree above 100) is flagged: a red frame, and
// the reason as its tooltip and as what a screen reader says of it.
#pragma once

#include <QLineEdit>

class NumberBox : public QLineEdit
{
public:
    explicit NumberBox(QWidget *parent = nullptr);

    // Flags the box with the reason its value cannot be; an empty reason takes the flag away.
    void flagImpossible(const QString &reason);
    bool isFlagged() const { return !m_reason.isEmpty(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_reason;
};
