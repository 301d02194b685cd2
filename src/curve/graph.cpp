#include "graph.h"

#include "printed_page.h"
#include "toolkit/appearance.h"
#include "toolkit/area.h"
#include "toolkit/colors.h"
#include "toolkit/line.h"
#include "toolkit/message_box.h"
#include "toolkit/picture.h"
#include "toolkit/polyline.h"
#include "toolkit/screen_placement.h"
#include "toolkit/widgets.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QShortcut>
#include <QStandardPaths>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// 2400 twips per g/l upwards from the time axis at y 5640; the fall starts at x 960, one hour
// after the last drink, and moves 300 twips per hour.
constexpr double axisY = 5640;
constexpr double twipsPerGramPerLitre = 2400;
constexpr double lastDrinkX = 600;
constexpr double peakX = 960;
constexpr double twipsPerHourOfFall = 300;
constexpr double clientWidth = 9255;
constexpr double clientHeight = 6330;
// The design's lines are one pixel wide at 96 dots per inch.
constexpr double twipsPerDesignPixel = Twips::perInch / 96;

// The labels' texts stand at the middle of their height, level with the lines they name.
constexpr Qt::Alignment centredOnItsHeight = Qt::AlignLeft | Qt::AlignVCenter;

// The lines keep single precision. An absurd level beyond its range ends at its largest value
// instead of an undefined conversion.
float toSingle(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

// The curve's time scale: the last drink at x 600, the peak one hour later, then the fall.
double hourX(int hour)
{
    return hour == 0 ? lastDrinkX : peakX + (hour - 1) * twipsPerHourOfFall;
}

// Where a time lies on the axis: the first hour is the rise's, the others the fall's.
double timeX(double hours)
{
    return hours <= 1 ? lastDrinkX + hours * (peakX - lastDrinkX)
                      : peakX + (hours - 1) * twipsPerHourOfFall;
}

double levelY(double level)
{
    return axisY - twipsPerGramPerLitre * level;
}

// The vertices in twips; a piece that crosses the first hour, where the axis changes its scale,
// is broken there so that it stays straight in time.
QPolygonF eveningPoints(const QList<QPointF> &vertices)
{
    QPolygonF points;
    for (qsizetype i = 0; i < vertices.size(); ++i) {
        const QPointF &vertex = vertices[i];
        if (i > 0) {
            const QPointF &previous = vertices[i - 1];
            if ((previous.x() < 1) != (vertex.x() < 1) && previous.x() != 1 && vertex.x() != 1) {
                const double along = (1 - previous.x()) / (vertex.x() - previous.x());
                points << QPointF(peakX,
                                  levelY(previous.y() + along * (vertex.y() - previous.y())));
            }
        }
        points << QPointF(timeX(vertex.x()), levelY(vertex.y()));
    }
    return points;
}

// "20 h 30": a time given in hours from the axis's start, which stands at firstHour o'clock.
QString clockAt(int firstHour, double hours)
{
    const int minutes = static_cast<int>(std::lround((firstHour + hours) * 60)) % (24 * 60);
    return u"%1 h %2"_s.arg(minutes / 60).arg(minutes % 60, 2, 10, QChar(u'0'));
}

// What the evening's curve shows, for a screen reader: "Soirée depuis 20 h 00 : pic à 0,53 g/l
// vers 22 h 00, retour à 0,00 g/l vers 2 h 25 ; il est 23 h 00".
QString eveningInWords(const EveningCurve &evening)
{
    const QLocale locale;
    QPointF peak;
    for (const QPointF &vertex : evening.level) {
        if (vertex.y() > peak.y())
            peak = vertex;
    }
    const double start = evening.level.isEmpty() ? 0 : evening.level.first().x();
    const double end = evening.level.isEmpty() ? 0 : evening.level.last().x();
    return u"Soirée depuis %1 : pic à %2 g/l vers %3, retour à %4 g/l vers %5 ; il est %6"_s
            .arg(clockAt(evening.firstHour, start), locale.toString(peak.y(), 'f', 2),
                 clockAt(evening.firstHour, peak.x()), locale.toString(0.0, 'f', 2),
                 clockAt(evening.firstHour, end), clockAt(evening.firstHour, evening.nowHours));
}

// A number's cell, about one hour wide so that neighbours never overlap, in pixels of the row
// that holds it: its middle is the middle of the pixel column where the tick of x is drawn,
// whatever the DPI.
QRect numberCellCentredOn(double x, const QWidget *row)
{
    const int halfWidth = Twips::toPixels(twipsPerHourOfFall / 2);
    return {Twips::toPixels(x) - halfWidth - row->x(), 0, 2 * halfWidth + 1, row->height()};
}

// What the curve shows, for a screen reader: "Pic à 0,74 g/l une heure après la dernière prise,
// retour à 0,00 g/l vers la 7e heure".
QString curveInWords(double peakLevel, double fallHours)
{
    const QLocale locale;
    const QString zero = locale.toString(0.0, 'f', 2);
    if (peakLevel <= 0)
        return u"Alcoolémie nulle : la courbe reste à %1 g/l"_s.arg(zero);
    const double hour = std::round(1 + fallHours);
    const QString ordinal = hour == 1 ? u"1re"_s : locale.toString(hour, 'f', 0) + u'e';
    return u"Pic à %1 g/l une heure après la dernière prise, retour à %2 g/l vers la %3 heure"_s
            .arg(locale.toString(peakLevel, 'f', 2), zero, ordinal);
}

} // namespace

Graph::Graph(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(u"Graph"_s);
    setModal(true);
    setWindowTitle(u"Sobrimetre"_s);
    setWindowIcon(QIcon(u":/icons/sobrimetre.svg"_s));
    setFont(arial(8.25, FontStyle::Bold));
    // A white page in black ink under any desktop palette: it prints as it shows.
    setColors(this, Colour::black, Colour::white);
    Twips::fixClientSize(this, clientWidth, clientHeight);
    keepInsideScreenWhenShown(this);
    createWidgets();
    connectEvents();
}

void Graph::ShowCurve(QWidget *owner, const CurveContent &content)
{
    Graph graph(owner);
    graph.setPageFacts(content.facts);
    graph.LigneProbatoire->setVisible(content.probationaryLimit);
    // The limit in force stands out, its value in red as its line.
    if (content.probationaryLimit)
        setTextColor(graph.Etiquette13, Colour::red);
    if (content.evening) {
        graph.drawEvening(*content.evening);
    } else if (content.curve) {
        graph.drawCurve(content.curve->peakLevel, content.curve->fallHours);
        if (content.lowCurve)
            graph.drawSpread(*content.lowCurve, *content.curve);
    } else {
        graph.LigneCr->hide();
        graph.LigneDc->hide();
        graph.setAccessibleDescription(u"Aucune courbe : aucune estimation"_s);
    }
    graph.exec();
}

void Graph::createWidgets()
{
    Bande = new Area(this, Colour::spreadBand);
    Bande->setObjectName(u"Bande"_s);
    Bande->hide();
    const QColor &ink = Colour::black;
    Ligne1 = newLine(this, u"Ligne1"_s, {600, 120}, {600, 5640}, ink);
    Ligne2 = newLine(this, u"Ligne2"_s, {600, 5640}, {8880, 5640}, ink);
    Ligne3 = newLine(this, u"Ligne3"_s, {600, 4920}, {8880, 4920}, Colour::olive);
    Ligne4 = newLine(this, u"Ligne4"_s, {600, 4440}, {8880, 4440}, Colour::red);
    Ligne5 = newLine(this, u"Ligne5"_s, {600, 3720}, {8880, 3720}, ink);
    LigneProbatoire = newLine(this, u"LigneProbatoire"_s, {600, 5160}, {8880, 5160}, Colour::red);
    LigneProbatoire->hide();
    LigneCr = newLine(this, u"LigneCr"_s, {600, 5640}, {960, 5160}, ink);
    LigneDc = newLine(this, u"LigneDc"_s, {960, 5160}, {1200, 5640}, ink);
    CourbeSoiree = new Polyline(this);
    CourbeSoiree->setObjectName(u"CourbeSoiree"_s);
    CourbeSoiree->hide();
    Maintenant = newLine(this, u"Maintenant"_s, {600, 120}, {600, 5640}, Colour::blue);
    Maintenant->hide();
    HeureMaintenant = newLabel(this, u"HeureMaintenant"_s, {}, {660, 0, 1200, 240});
    setTextColor(HeureMaintenant, Colour::blue);
    HeureMaintenant->hide();

    Etiquette11 = newLabel(this, u"Etiquette11"_s, u"g / l"_s, {720, 240, 855, 255},
                           centredOnItsHeight);
    createLevelLabels();
    createHourAxis();

    Impression = newClickablePicture(this, u"Impression"_s, u"imprimante"_s, {8760, 120, 360, 360},
                                     u"Imprimer la courbe"_s, u"Imprimer"_s);
    // The one control of the window: it has the focus, and Space or Enter prints.
    Impression->setFocusPolicy(Qt::StrongFocus);
}

// One label per tenth of a g/l, "0,10" to "2,20", centred on the height of its value.
void Graph::createLevelLabels()
{
    struct LevelLabel
    {
        QLabel *Graph::*member;
        const char16_t *name;
    };
    static constexpr LevelLabel labels[] = {
            {&Graph::Etiquette10, u"Etiquette10"}, {&Graph::Etiquette13, u"Etiquette13"},
            {&Graph::Etiquette16, u"Etiquette16"}, {&Graph::Etiquette17, u"Etiquette17"},
            {&Graph::Etiquette18, u"Etiquette18"}, {&Graph::Etiquette19, u"Etiquette19"},
            {&Graph::Etiquette20, u"Etiquette20"}, {&Graph::Etiquette21, u"Etiquette21"},
            {&Graph::Etiquette22, u"Etiquette22"}, {&Graph::Etiquette23, u"Etiquette23"},
            {&Graph::Etiquette24, u"Etiquette24"}, {&Graph::Etiquette25, u"Etiquette25"},
            {&Graph::Etiquette26, u"Etiquette26"}, {&Graph::Etiquette1, u"Etiquette1"},
            {&Graph::Etiquette2, u"Etiquette2"},   {&Graph::Etiquette3, u"Etiquette3"},
            {&Graph::Etiquette4, u"Etiquette4"},   {&Graph::Etiquette5, u"Etiquette5"},
            {&Graph::Etiquette6, u"Etiquette6"},   {&Graph::Etiquette7, u"Etiquette7"},
            {&Graph::Etiquette8, u"Etiquette8"},   {&Graph::Etiquette9, u"Etiquette9"},
    };
    int tenths = 1;
    for (const LevelLabel &level : labels) {
        const QString value = QString::number(tenths / 10.0, 'f', 2).replace(u'.', u',');
        this->*level.member = newLabel(this, QString::fromUtf16(level.name), value,
                                       {120, 5520.0 - 240 * tenths, 375, 255}, centredOnItsHeight);
        ++tenths;
    }
    // The legal limit stands out.
    setTextColor(Etiquette18, Colour::red);
}

// Each hour's tick reaches a little below the time axis; its number stands centred under it, and
// the unit follows the last one.
void Graph::createHourAxis()
{
    constexpr double tickLength = 60;
    constexpr double top = 5760, height = 255, right = 9135;
    constexpr double spaceBeforeUnit = 60;
    const double left = hourX(0) - twipsPerHourOfFall / 2;
    const double unitLeft = hourX(lastHour) + twipsPerHourOfFall / 2 + spaceBeforeUnit;

    Abscisse = new QWidget(this);
    Abscisse->setObjectName(u"Abscisse"_s);
    Twips::place(Abscisse, {left, top, right - left, height});
    for (int hour = 0; hour <= lastHour; ++hour) {
        const double x = hourX(hour);
        const QString number = QString::number(hour);
        Repere[hour] = newLine(this, u"Repere"_s + number, {x, axisY}, {x, axisY + tickLength},
                               Colour::black);
        Heure[hour] = newLabel(Abscisse, u"Heure"_s + number, number, {}, Qt::AlignCenter);
        Heure[hour]->setGeometry(numberCellCentredOn(x, Abscisse));
    }
    Heures = newLabel(Abscisse, u"Heures"_s, u"heures"_s,
                      {unitLeft - left, 0, right - unitLeft, height}, centredOnItsHeight);
}

void Graph::connectEvents()
{
    connect(Impression, &Picture::clicked, this, &Graph::Impression_Click);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, Impression,
            &Picture::click);
}

void Graph::drawCurve(double peakLevel, double fallHours)
{
    const float y = toSingle(axisY - twipsPerGramPerLitre * peakLevel);
    LigneCr->setY2(y);
    LigneDc->setY1(y);
    LigneDc->setX2(toSingle(peakX + fallHours * twipsPerHourOfFall));
    setAccessibleDescription(curveInWords(peakLevel, fallHours));
}

// The band runs under both curves: from the last drink up to the high peak and down the high
// fall, then back along the low fall and up to the low peak.
void Graph::drawSpread(const CurvePeakAndFall &low, const CurvePeakAndFall &high)
{
    const auto peakY = [](double level) {
        return toSingle(axisY - twipsPerGramPerLitre * level);
    };
    const auto fallEndX = [](double hours) {
        return toSingle(peakX + hours * twipsPerHourOfFall);
    };
    Bande->setCorners({QPointF(lastDrinkX, axisY), QPointF(peakX, peakY(high.peakLevel)),
                       QPointF(fallEndX(high.fallHours), axisY),
                       QPointF(fallEndX(low.fallHours), axisY),
                       QPointF(peakX, peakY(low.peakLevel))});
    Bande->show();
    const QLocale locale;
    setAccessibleDescription(accessibleDescription()
                             + u". Selon les personnes, pic entre %1 et %2 g/l"_s
                                       .arg(locale.toString(low.peakLevel, 'f', 2),
                                            locale.toString(high.peakLevel, 'f', 2)));
}

void Graph::drawEvening(const EveningCurve &evening)
{
    LigneCr->hide();
    LigneDc->hide();
    const QPolygonF level = eveningPoints(evening.level);
    CourbeSoiree->setPoints(level);
    CourbeSoiree->show();
    if (!evening.low.isEmpty()) {
        QPolygonF low = eveningPoints(evening.low);
        std::reverse(low.begin(), low.end());
        Bande->setCorners(level + low);
        Bande->show();
    }
    const float nowX = toSingle(timeX(evening.nowHours));
    Maintenant->setPoints(nowX, Ligne1->y1(), nowX, Ligne1->y2());
    Maintenant->show();
    HeureMaintenant->setText(clockAt(evening.firstHour, evening.nowHours));
    Twips::place(HeureMaintenant, {nowX + 60.0, 0, 1200, 240});
    HeureMaintenant->show();
    for (int hour = 0; hour <= lastHour; ++hour)
        Heure[hour]->setText(QString::number((evening.firstHour + hour) % 24));
    setAccessibleDescription(eveningInWords(evening));
}

void Graph::Impression_Click()
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        savePageAsPdf();
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    PrintForm(printer);
}

// Where no printer is installed, as at many homes, the same page goes to a PDF file of the
// user's choice, by default in the documents folder, or the home folder without one, under the
// day's date.
void Graph::savePageAsPdf()
{
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    const QString suggested = (documents.exists() ? documents : QDir::home())
                                      .filePath(u"Sobrimetre-%1.pdf"_s.arg(
                                              QDate::currentDate().toString(u"yyyy-MM-dd"_s)));
    const QString fileName = QFileDialog::getSaveFileName(
            this, u"Aucune imprimante n'est installée : enregistrer la page en PDF"_s, suggested,
            u"Documents PDF (*.pdf)"_s);
    if (fileName.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    PrintForm(printer);
}

void Graph::PrintForm(QPrinter &printer)
{
    QString failure;
    printer.setDocName(windowTitle());
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (painter.begin(&printer)) {
        painter.setRenderHint(QPainter::Antialiasing);
        paintPages(
                painter, QRectF(QPointF(), printer.pageRect(QPrinter::DevicePixel).size()),
                QDateTime::currentDateTime(), m_pageFacts, clientHeight / clientWidth,
                [this](QPainter &figurePainter, const QRectF &figure) {
                    paintFigure(figurePainter, figure);
                },
                [&printer] { return printer.newPage(); });
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            failure = u"l'imprimante a refusé le travail."_s;
    } else {
        failure = u"l'imprimante n'a pas pu commencer le travail."_s;
    }
    if (!failure.isEmpty())
        showWarning(this, u"Impression impossible : "_s + failure);
}

void Graph::paintFigure(QPainter &painter, const QRectF &target) const
{
    const double scale = target.width() / clientWidth;
    const auto at = [&target, scale](double x, double y) {
        return target.topLeft() + QPointF(x, y) * scale;
    };
    const QTransform onTarget = QTransform::fromScale(scale, scale)
                                * QTransform::fromTranslate(target.left(), target.top());
    for (const Area *area : findChildren<Area *>()) {
        if (area->isHidden())
            continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(area->fillColor());
        painter.drawPolygon(onTarget.map(area->corners()));
    }
    for (const Line *line : findChildren<Line *>()) {
        if (line->isHidden())
            continue;
        QPen pen(line->strokeColor(), line->strokeWidth() * twipsPerDesignPixel * scale);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(at(line->x1(), line->y1()), at(line->x2(), line->y2()));
    }
    for (const Polyline *polyline : findChildren<Polyline *>()) {
        if (polyline->isHidden())
            continue;
        QPen pen(polyline->strokeColor(), polyline->strokeWidth() * twipsPerDesignPixel * scale);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawPolyline(onTarget.map(polyline->points()));
    }
    // A label's font keeps its size against the figure: its points stand for twips at the
    // window's size, for device units at the page's.
    const double pointsPerFigurePoint = scale * Twips::perInch / painter.device()->logicalDpiY();
    for (const QLabel *label : findChildren<QLabel *>()) {
        if (label->isHidden())
            continue;
        const QRect pixels(label->mapTo(this, QPoint()), label->size());
        const QRectF area(at(Twips::fromPixels(pixels.x()), Twips::fromPixels(pixels.y())),
                          QSizeF(Twips::fromPixels(pixels.width()),
                                 Twips::fromPixels(pixels.height()))
                                  * scale);
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * pointsPerFigurePoint);
        painter.setFont(font);
        painter.setPen(textColor(label));
        painter.drawText(area, static_cast<int>(label->alignment()), label->text());
    }
}

void Graph::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
