#include "graph.h"

#include "curve_ends.h"
#include "printed_area.h"
#include "toolkit/appearance.h"
#include "toolkit/line.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, double left, double top,
                 double width, double height)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    Twips::place(label, left, top, width, height);
    return label;
}

Line *addLine(QWidget *parent, const QString &name, float x1, float y1, float x2, float y2,
              const QColor &color)
{
    auto *line = new Line(parent);
    line->setObjectName(name);
    line->setPen(color, 1);
    line->setPoints(x1, y1, x2, y2);
    return line;
}

// Each hour in a field of four characters, then the unit.
QString hourAxisText()
{
    QString text;
    for (int hour = 0; hour <= 24; ++hour)
        text += QString::number(hour).leftJustified(4);
    return text + QStringLiteral("heures");
}

} // namespace

Graph::Graph(QWidget *parent)
    : QDialog(parent)
{
    setModal(true);
    setWindowTitle(QStringLiteral("Sobrimetre"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/sobrimetre.svg")));
    setFont(arial(8.25, FontStyle::Bold));
    Twips::fixClientSize(this, 9255, 6330);
    createWidgets();
    connectEvents();
}

void Graph::createWidgets()
{
    const QColor text = palette().color(QPalette::WindowText);
    Ligne1 = addLine(this, QStringLiteral("Ligne1"), 600, 120, 600, 5640, text);
    Ligne2 = addLine(this, QStringLiteral("Ligne2"), 600, 5640, 8880, 5640, text);
    Ligne3 = addLine(this, QStringLiteral("Ligne3"), 600, 4920, 8880, 4920, QColor(128, 128, 0));
    Ligne4 = addLine(this, QStringLiteral("Ligne4"), 600, 4440, 8880, 4440, QColor(255, 0, 0));
    Ligne5 = addLine(this, QStringLiteral("Ligne5"), 600, 3720, 8880, 3720, text);
    LigneCr = addLine(this, QStringLiteral("LigneCr"), 600, 5640, 960, 5160, text);
    LigneDc = addLine(this, QStringLiteral("LigneDc"), 960, 5160, 1200, 5640, text);

    Etiquette11 = addLabel(this, QStringLiteral("Etiquette11"), QStringLiteral("g / l"), 720, 240,
                           855, 255);
    Abscisse = addLabel(this, QStringLiteral("Abscisse"), hourAxisText(), 600, 5760, 8535, 255);
    createLevelLabels();

    Impression = new Picture(this, QStringLiteral(":/icons/imprimante.svg"));
    Impression->setObjectName(QStringLiteral("Impression"));
    Impression->setToolTip(QStringLiteral("Imprimer"));
    Impression->setAccessibleName(QStringLiteral("Imprimer la courbe"));
    Twips::place(Impression, 8760, 120, 360, 360);
}

// One label per tenth of a g/l, centred on the height of its value: 240 twips per tenth.
void Graph::createLevelLabels()
{
    struct LevelLabel
    {
        QLabel *Graph::*member;
        const char *name;
        const char *text;
    };
    static constexpr LevelLabel labels[] = {
            {&Graph::Etiquette10, "Etiquette10", "0,10"},
            {&Graph::Etiquette13, "Etiquette13", "0,20"},
            {&Graph::Etiquette16, "Etiquette16", "0,30"},
            {&Graph::Etiquette17, "Etiquette17", "0,40"},
            {&Graph::Etiquette18, "Etiquette18", "0,50"},
            {&Graph::Etiquette19, "Etiquette19", "0,60"},
            {&Graph::Etiquette20, "Etiquette20", "0,70"},
            {&Graph::Etiquette21, "Etiquette21", "0,80"},
            {&Graph::Etiquette22, "Etiquette22", "0,90"},
            {&Graph::Etiquette23, "Etiquette23", "1,00"},
            {&Graph::Etiquette24, "Etiquette24", "1,10"},
            {&Graph::Etiquette25, "Etiquette25", "1,20"},
            {&Graph::Etiquette26, "Etiquette26", "1,30"},
            {&Graph::Etiquette1, "Etiquette1", "1,40"},
            {&Graph::Etiquette2, "Etiquette2", "1,50"},
            {&Graph::Etiquette3, "Etiquette3", "1,60"},
            {&Graph::Etiquette4, "Etiquette4", "1,70"},
            {&Graph::Etiquette5, "Etiquette5", "1,80"},
            {&Graph::Etiquette6, "Etiquette6", "1,90"},
            {&Graph::Etiquette7, "Etiquette7", "2,00"},
            {&Graph::Etiquette8, "Etiquette8", "2,10"},
            {&Graph::Etiquette9, "Etiquette9", "2,20"},
    };
    int tenths = 1;
    for (const LevelLabel &level : labels) {
        this->*level.member = addLabel(this, QString::fromLatin1(level.name),
                                       QString::fromLatin1(level.text), 120, 5520 - 240 * tenths,
                                       375, 255);
        ++tenths;
    }
    // The legal limit stands out.
    setTextColor(Etiquette18, QColor(255, 0, 0));
}

void Graph::connectEvents()
{
    connect(Impression, &Picture::clicked, this, &Graph::Impression_Click);
}

void Graph::applyCurve(const CurveEnds &ends)
{
    LigneCr->setY2(ends.peakY);
    LigneDc->setY1(ends.peakY);
    LigneDc->setX2(ends.fallEndX);
}

void Graph::Impression_Click()
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        showWarning(this,
                    QStringLiteral("Impression impossible : aucune imprimante n'est installée."));
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    PrintForm(printer);
}

void Graph::PrintForm(QPrinter &printer)
{
    Impression->hide();
    const QPixmap image = grab();
    const QSizeF sizeInInches(Twips::fromPixels(width()) / Twips::perInch,
                              Twips::fromPixels(height()) / Twips::perInch);

    QString failure;
    printer.setDocName(windowTitle());
    QPainter painter;
    if (painter.begin(&printer)) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF area = printedArea(sizeInInches,
                                        printer.pageRect(QPrinter::DevicePixel).size(),
                                        printer.resolution());
        painter.drawPixmap(area, image, QRectF(image.rect()));
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            failure = QStringLiteral("l'imprimante a refusé le travail.");
    } else {
        failure = QStringLiteral("l'imprimante n'a pas pu commencer le travail.");
    }
    Impression->show();

    if (!failure.isEmpty())
        showWarning(this, QStringLiteral("Impression impossible : ") + failure);
}

void Graph::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
