// A label that shows a result: the level, the hours to wait, the verdict's message. Its text is
// always shown whole: where it does not fit its box at the label's font it is drawn smaller, as
// much as needed (a number that would be cut could read as another number), and a message that
// wraps is laid out again at that size. A screen reader hears what the label is with its current
// text as its name ("Alcoolémie estimée : 0,65"), and the text followed by the detail, when there
// is one, as its description; the detail is the tooltip too. Each change is told to the screen
// reader as it happens; a label that shows a number gives it as its value as well.
#pragma once

#include "plain_label.h"

#include <deque>

class ResultLabel : public PlainLabel
{
    Q_OBJECT
public:
    enum Content { Text, Number };

    ResultLabel(QString subject, Content content, QWidget *parent);

    bool showsNumber() const { return m_content == Number; }
    // The number shown, read with the user's decimal separator; none while the text is not one.
    QVariant number() const;

    void showResult(const QString &text, const QString &detail = {});

    // How much smaller than the label's font the text is drawn so that it fits: 1 when it fits.
    double fittingScale() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int textFlags() const;
    QRectF room() const;

    QString m_subject;
    Content m_content;
    // The scales found last and what each was found for: each paint asks for one, laying a
    // message out several times costs more than the rest of its painting, and a label shows
    // few texts in turn (the messages, a level that goes back and forth as a person types).
    struct Fitting
    {
        QString text;
        QFont font;
        int dpi = 0;
        QSizeF room;
        int flags = 0;
        double scale = 1;
    };
    mutable std::deque<Fitting> m_fittings;
};
