// The curve window: its fixed layout, the two segments it draws from the main window's delay
// and level, its life from opening to closing, and its printing.
#include "curve/graph.h"
#include "message_box_watcher.h"
#include "program_texts.h"
#include "test_support.h"
#include "toolkit/appearance.h"
#include "toolkit/area.h"
#include "toolkit/line.h"
#include "toolkit/picture.h"
#include "toolkit/polyline.h"
#include "toolkit/twips.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct Segment
{
    float x1, y1, x2, y2;
};

// What a user sees of the window while ShowCurve holds it open.
struct SeenWindow
{
    Segment rise;
    Segment fall;
    bool modal;
    int graphCount;
    bool probationaryLine;
    QColor probationaryLabel;
};

Segment segmentOf(const Graph *graph, const char *name)
{
    const auto *line = child<Line>(graph, QString::fromLatin1(name));
    return {line->x1(), line->y1(), line->x2(), line->y2()};
}

// Opens the window as the main window does, for the curve of a peak, reads it while it is
// shown, then closes it as the user would.
std::optional<SeenWindow> openCurve(QWidget *owner, double peak, bool probationary = false)
{
    std::optional<SeenWindow> seen;
    QTimer::singleShot(0, owner, [&] {
        auto *graph = owner->findChild<Graph *>();
        if (graph == nullptr)
            return;
        seen = SeenWindow{segmentOf(graph, "LigneCr"),
                          segmentOf(graph, "LigneDc"),
                          graph->isVisible() && QApplication::activeModalWidget() == graph,
                          static_cast<int>(owner->findChildren<Graph *>().size()),
                          child<Line>(graph, u"LigneProbatoire"_s)->isVisible(),
                          textColor(child<QLabel>(graph, u"Etiquette13"_s))};
        graph->close();
    });
    CurveContent content;
    content.curve = {peak, peak / 0.12};
    content.probationaryLimit = probationary;
    Graph::ShowCurve(owner, content);
    return seen;
}

float peakY(double peak)
{
    return static_cast<float>(5640 - 2400 * peak);
}

float fallEndX(double peak)
{
    return static_cast<float>(960 + (peak / 0.12) * 300);
}

// The lightest of the darkest channel over an area: near 255 on a plain light background, low
// where anything dark is drawn.
int darkestIn(const QImage &image, const QRect &area)
{
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            darkest = qMin(darkest, qMin(pixel.red(), qMin(pixel.green(), pixel.blue())));
        }
    return darkest;
}

// The columns of an area where something dark is drawn.
QList<int> darkColumns(const QImage &image, const QRect &area)
{
    QList<int> columns;
    for (int x = area.left(); x <= area.right(); ++x)
        if (darkestIn(image, QRect(x, area.top(), 1, area.height())) < 128)
            columns.append(x);
    return columns;
}

void usePdfOutput(QPrinter &printer, const QString &fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
}

// A man of 70 kg after three glasses of wine, as the main window tells it.
PageFacts wineFacts()
{
    PageFacts facts;
    facts.person = {{u"Poids"_s, u"70 kg"_s}, {u"Sexe"_s, u"homme"_s}};
    facts.drinks = {{u"Vin"_s, u"3"_s, u"12"_s, u"11"_s}};
    facts.options = u"seuil de 0,5 g/l"_s;
    facts.result = {{u"Alcoolémie estimée"_s, u"0,65 g/l"_s},
                    {u"Verdict"_s, u"Stop, ne conduisez pas."_s}};
    facts.caution = u"Il ne s'agit que d'une évaluation."_s;
    return facts;
}

// The page's text as poppler reads it, and its size.
QString textOfPdf(const QString &fileName)
{
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-layout"_s, fileName, u"-"_s});
    return reader.waitForFinished() ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

QString pdfInfo(const QString &fileName)
{
    QProcess reader;
    reader.start(u"pdfinfo"_s, {fileName});
    return reader.waitForFinished() ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

// Answers every file dialog that opens while it lives with answer, or cancels it when answer is
// empty, and records its title and the file it first suggested; closes any warning, recording
// its text. Other modal windows, such as the curve window itself, are left open.
class FileDialogWatcher
{
public:
    explicit FileDialogWatcher(QString answer)
        : m_answer(std::move(answer))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answerOpenDialog(); });
        m_timer.start();
    }

    const QStringList &titles() const { return m_titles; }
    const QStringList &suggested() const { return m_suggested; }
    const QStringList &warnings() const { return m_warnings; }

private:
    void answerOpenDialog()
    {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            m_warnings.append(box->text());
            box->done(QMessageBox::Ok);
            return;
        }
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        m_titles.append(dialog->windowTitle());
        m_suggested.append(dialog->selectedFiles().value(0));
        if (m_answer.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(m_answer);
        QMetaObject::invokeMethod(dialog, "accept");
    }

    QString m_answer;
    QTimer m_timer;
    QStringList m_titles;
    QStringList m_suggested;
    QStringList m_warnings;
};

QString todaysPdf()
{
    return u"Sobrimetre-%1.pdf"_s.arg(QDate::currentDate().toString(u"yyyy-MM-dd"_s));
}

// Gives the test a home of its own, with a documents folder or without.
class TemporaryHome
{
public:
    explicit TemporaryHome(bool withDocuments)
        : m_previous(qgetenv("HOME"))
    {
        qputenv("HOME", m_home.path().toLocal8Bit());
        if (withDocuments)
            QDir(m_home.path()).mkdir(u"Documents"_s);
    }
    ~TemporaryHome() { qputenv("HOME", m_previous); }
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QString filePath(const QString &name) const { return m_home.filePath(name); }

private:
    QByteArray m_previous;
    QTemporaryDir m_home;
};

const QString noPrinterTitle = u"Aucune imprimante n'est installée : enregistrer la page en PDF"_s;

} // namespace

class TestCurve : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void drawsSegmentsOfPeak_data();
    void drawsSegmentsOfPeak();
    void everyOpeningIsBuiltAfresh_data();
    void everyOpeningIsBuiltAfresh();
    void probationaryLineOnlyWhenAsked();
    void spreadBandUnderTheCurve();
    void fixedLines_data();
    void fixedLines();
    void labels_data();
    void labels();
    void fallEndsBetweenHourTicks_data();
    void fallEndsBetweenHourTicks();
    void hourNumbersStandUnderTheirTicks();
    void window();
    void escapeDoesNotClose();
    void flatCurveStaysOnTheAxis();
    void printsAPageOfFactsAndCurve();
    void drawsTheEvening();
    void printsTheEveningsGlassesOnFurtherPages();
    void printerThatCannotStartIsReported();
    void pageSavedAsPdfWhereNoPrinter_data();
    void pageSavedAsPdfWhereNoPrinter();
    void keyboardPrints_data();
    void keyboardPrints();

private:
    std::unique_ptr<QWidget> m_owner;
};

void TestCurve::initTestCase()
{
    useFrenchLocale();
}

void TestCurve::init()
{
    m_owner = std::make_unique<QWidget>();
}

void TestCurve::cleanup()
{
    m_owner.reset();
}

void TestCurve::drawsSegmentsOfPeak_data()
{
    QTest::addColumn<double>("peak");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("x");
    QTest::addColumn<double>("roughY");
    QTest::addColumn<double>("roughX");

    // The ends as computed in double precision then stored in single, next to round figures
    // that keep the formula itself honest.
    const auto row = [](const char *name, double peak, double roughY, double roughX) {
        QTest::newRow(name) << peak << peakY(peak) << fallEndX(peak) << roughY << roughX;
    };
    row("nothing drunk lies flat from 600 to 960", 0.0, 5640, 960);
    row("a peak of 0,74", 0.74, 3864, 2810);
    row("a peak of 0,50", 0.5, 4440, 2210);
    row("a peak of 2,50 leaves the top", 2.5, -360, 7210);
    row("an absurd level is drawn off the window", 1e6, -2399994360.0, 2500000960.0);

    const float largest = std::numeric_limits<float>::max();
    QTest::newRow("a level beyond single precision ends at its largest value")
            << 1e40 << -largest << largest << double(-largest) << double(largest);
}

void TestCurve::drawsSegmentsOfPeak()
{
    QFETCH(double, peak);
    QFETCH(float, y);
    QFETCH(float, x);
    QFETCH(double, roughY);
    QFETCH(double, roughX);

    const std::optional<SeenWindow> seen = openCurve(m_owner.get(), peak);
    QVERIFY(seen);
    QVERIFY(seen->modal);
    QCOMPARE(seen->rise.x1, 600.0f);
    QCOMPARE(seen->rise.y1, 5640.0f);
    QCOMPARE(seen->rise.x2, 960.0f);
    QCOMPARE(seen->rise.y2, y);
    QCOMPARE(seen->fall.x1, 960.0f);
    QCOMPARE(seen->fall.y1, y);
    QCOMPARE(seen->fall.x2, x);
    QCOMPARE(seen->fall.y2, 5640.0f);
    QVERIFY(qAbs(y - roughY) <= qMax(0.01, qAbs(roughY) * 1e-6));
    QVERIFY(qAbs(x - roughX) <= qMax(0.01, qAbs(roughX) * 1e-6));
}

void TestCurve::everyOpeningIsBuiltAfresh_data()
{
    QTest::addColumn<double>("firstPeak");
    QTest::addColumn<double>("secondPeak");

    // A flat curve differs from the layout's segments (rise to 5160, fall to 1200).
    QTest::newRow("twice flat") << 0.0 << 0.0;
    QTest::newRow("twice the same level") << 0.65 << 0.65;
    QTest::newRow("a high level, then nothing") << 1.4 << 0.0;
    QTest::newRow("nothing, then a level") << 0.0 << 0.8;
}

void TestCurve::everyOpeningIsBuiltAfresh()
{
    QFETCH(double, firstPeak);
    QFETCH(double, secondPeak);

    QVERIFY(openCurve(m_owner.get(), firstPeak));
    QVERIFY(m_owner->findChildren<Graph *>().isEmpty());

    const std::optional<SeenWindow> second = openCurve(m_owner.get(), secondPeak);
    QVERIFY(second);
    QCOMPARE(second->graphCount, 1);
    QCOMPARE(second->rise.y2, peakY(secondPeak));
    QCOMPARE(second->fall.y1, peakY(secondPeak));
    QCOMPARE(second->fall.x2, fallEndX(secondPeak));
    QVERIFY(m_owner->findChildren<Graph *>().isEmpty());
}

// The red line at 0,20 g/l, drawn like the one at 0,50, stands only for probationary drivers,
// and its value "0,20" is red then, as "0,50" is.
void TestCurve::probationaryLineOnlyWhenAsked()
{
    for (const bool probationary : {false, true}) {
        const std::optional<SeenWindow> seen = openCurve(m_owner.get(), 0.65, probationary);
        QVERIFY(seen);
        QCOMPARE(seen->probationaryLine, probationary);
        QCOMPARE(seen->probationaryLabel, probationary ? QColor(255, 0, 0) : QColor(Qt::black));
    }
}

// The spread between people is a pale band under the curve, with the reference lines over it; a
// screen reader hears both peaks.
void TestCurve::spreadBandUnderTheCurve()
{
    Graph graph;
    graph.drawCurve(0.81, 0.81 / 0.10);
    graph.drawSpread({0.52, 0.52 / 0.18}, {0.81, 0.81 / 0.10});
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    const QImage image = graph.grab().toImage();
    // One hour into the fall, at x 1260, the band runs from 0,34 up to 0,71 g/l.
    const auto at = [&image](double level) {
        return image.pixelColor(Twips::toPixels(1260), Twips::toPixels(5640 - 2400 * level));
    };
    QCOMPARE(at(0.6), QColor(214, 228, 242));
    QCOMPARE(at(0.5), QColor(255, 0, 0));
    QCOMPARE(at(0.75), QColor(Qt::white));
    QCOMPARE(at(0.2), QColor(Qt::white));
    QVERIFY2(graph.accessibleDescription().endsWith(
                     u"Selon les personnes, pic entre 0,52 et 0,81 g/l"_s),
             qPrintable(graph.accessibleDescription()));
}

void TestCurve::fixedLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("ends");
    QTest::addColumn<QColor>("color");

    // Black ink on the white page, whatever the desktop's colours.
    const QColor text = Qt::black;
    QTest::newRow("vertical axis")
            << "Ligne1" << QRectF(QPointF(600, 120), QPointF(600, 5640)) << text;
    QTest::newRow("time axis") << "Ligne2" << QRectF(QPointF(600, 5640), QPointF(8880, 5640))
                               << text;
    QTest::newRow("0,30 in olive")
            << "Ligne3" << QRectF(QPointF(600, 4920), QPointF(8880, 4920)) << QColor(128, 128, 0);
    QTest::newRow("0,50 in red") << "Ligne4" << QRectF(QPointF(600, 4440), QPointF(8880, 4440))
                                 << QColor(255, 0, 0);
    QTest::newRow("0,80") << "Ligne5" << QRectF(QPointF(600, 3720), QPointF(8880, 3720)) << text;
    QTest::newRow("0,20 in red, for probationary drivers")
            << "LigneProbatoire" << QRectF(QPointF(600, 5160), QPointF(8880, 5160))
            << QColor(255, 0, 0);
    QTest::newRow("rise before any curve")
            << "LigneCr" << QRectF(QPointF(600, 5640), QPointF(960, 5160)) << text;
    QTest::newRow("fall before any curve")
            << "LigneDc" << QRectF(QPointF(960, 5160), QPointF(1200, 5640)) << text;
}

void TestCurve::fixedLines()
{
    QFETCH(QString, name);
    QFETCH(QRectF, ends);
    QFETCH(QColor, color);

    const Graph graph;
    const auto *line = child<Line>(&graph, name);
    QCOMPARE(QPointF(line->x1(), line->y1()), ends.topLeft());
    QCOMPARE(QPointF(line->x2(), line->y2()), ends.bottomRight());
    QCOMPARE(line->strokeColor(), color);
    QCOMPARE(line->strokeWidth(), 1);
}

void TestCurve::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QColor>("color");

    const QColor text = Qt::black;
    QTest::newRow("unit") << "Etiquette11"
                          << "g / l" << QRect(720, 240, 855, 255) << text;
    // An hour's number stands in a cell one hour and one pixel wide, centred on its tick.
    QTest::newRow("hour 0 under the last drink") << "Heure0"
                                                 << "0" << QRect(450, 5760, 315, 255) << text;
    QTest::newRow("hour 24") << "Heure24"
                             << "24" << QRect(7710, 5760, 315, 255) << text;
    QTest::newRow("hours' unit after 24") << "Heures"
                                          << "heures" << QRect(8070, 5760, 1065, 255) << text;

    const char *names[] = {"Etiquette10", "Etiquette13", "Etiquette16", "Etiquette17",
                           "Etiquette18", "Etiquette19", "Etiquette20", "Etiquette21",
                           "Etiquette22", "Etiquette23", "Etiquette24", "Etiquette25",
                           "Etiquette26", "Etiquette1",  "Etiquette2",  "Etiquette3",
                           "Etiquette4",  "Etiquette5",  "Etiquette6",  "Etiquette7",
                           "Etiquette8",  "Etiquette9"};
    for (int tenths = 1; tenths <= 22; ++tenths) {
        const QString value = u"%1,%2"_s.arg(tenths / 10).arg(tenths % 10) + '0';
        const int top = qRound(5520 - 2400 * (tenths / 10.0));
        QTest::addRow("level %s", qPrintable(value))
                << names[tenths - 1] << value << QRect(120, top, 375, 255)
                << (tenths == 5 ? QColor(255, 0, 0) : text);
    }
}

void TestCurve::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    QFETCH(QColor, color);

    const Graph graph;
    const auto *label = child<QLabel>(&graph, name);
    QCOMPARE(label->text(), text);
    // The hours stand in a row of their own: their place is read in the window.
    QCOMPARE(QRect(label->mapTo(&graph, QPoint()), label->size()),
             Twips::toPixelRect({double(twips.x()), double(twips.y()), double(twips.width()),
                                 double(twips.height())}));
    QCOMPARE(textColor(label), color);
    QVERIFY(!label->autoFillBackground());
    QCOMPARE(label->font().family(), u"Arial"_s);
    QCOMPARE(label->font().pointSizeF(), 8.25);
    QVERIFY(label->font().bold());
}

void TestCurve::fallEndsBetweenHourTicks_data()
{
    QTest::addColumn<double>("peak");
    QTest::addColumn<int>("hour");

    QTest::newRow("nothing drunk ends at the peak, on hour 1") << 0.0 << 1;
    QTest::newRow("0,65 reaches zero 6,42 hours after the last drink") << 0.65 << 6;
    QTest::newRow("2,50 reaches zero 21,83 hours after the last drink") << 2.5 << 21;
}

void TestCurve::fallEndsBetweenHourTicks()
{
    QFETCH(double, peak);
    QFETCH(int, hour);

    Graph graph;
    graph.drawCurve(peak, peak / 0.12);
    const float end = child<Line>(&graph, u"LigneDc"_s)->x2();
    QVERIFY(child<Line>(&graph, u"Repere%1"_s.arg(hour))->x1() <= end);
    QVERIFY(end < child<Line>(&graph, u"Repere%1"_s.arg(hour + 1))->x1());
}

// As drawn at 96 DPI: one tick a pixel wide below the axis at each hour, its number centred
// under it.
void TestCurve::hourNumbersStandUnderTheirTicks()
{
    Graph graph;
    const QImage image = graph.grab().toImage();
    const QList<int> ticks = darkColumns(image,
                                         QRect(0, Twips::toPixels(5640) + 2, image.width(), 1));
    QCOMPARE(ticks.size(), 25);
    for (int hour = 0; hour <= 24; ++hour) {
        const auto *number = child<QLabel>(&graph, u"Heure%1"_s.arg(hour));
        QCOMPARE(number->text(), QString::number(hour));
        const QList<int> ink = darkColumns(image,
                                           QRect(number->mapTo(&graph, QPoint()), number->size()));
        QVERIFY(!ink.isEmpty());
        const double offCentre = (ink.first() + ink.last()) / 2.0 - ticks[hour];
        QVERIFY2(qAbs(offCentre) <= 1,
                 qPrintable(u"hour %1 is %2 pixels off its tick"_s.arg(hour).arg(offCentre)));
    }
}

void TestCurve::escapeDoesNotClose()
{
    Graph graph;
    graph.show();
    QTest::keyClick(&graph, Qt::Key_Escape);
    QVERIFY(graph.isVisible());
    QVERIFY(graph.close());
    QVERIFY(!graph.isVisible());
}

void TestCurve::window()
{
    Graph graph;
    QCOMPARE(graph.objectName(), u"Graph"_s);
    QCOMPARE(graph.windowTitle(), u"Sobrimetre"_s);
    QVERIFY(!graph.windowIcon().isNull());
    QCOMPARE(graph.size(), QSize(Twips::toPixels(9255), Twips::toPixels(6330)));
    QCOMPARE(graph.minimumSize(), graph.maximumSize());
    QVERIFY(graph.isModal());
    QCOMPARE(backgroundColor(&graph), QColor(Qt::white));

    const auto *print = child<Picture>(&graph, u"Impression"_s);
    QCOMPARE(print->svgPath(), u":/icons/imprimante.svg"_s);
    QCOMPARE(print->toolTip(), u"Imprimer"_s);
    QCOMPARE(print->geometry(), Twips::toPixelRect({8760, 120, 360, 360}));
}

void TestCurve::flatCurveStaysOnTheAxis()
{
    Graph graph;
    graph.drawCurve(0, 0);
    const QImage image = graph.grab().toImage();
    const int axisY = Twips::toPixels(5640);
    QVERIFY(darkestIn(image, QRect(Twips::toPixels(700), axisY, 1, 1)) < 100);
    // Below the axis, nothing but the ticks of hours 0 and 1.
    const int tick0 = Twips::toPixels(600), tick1 = Twips::toPixels(960);
    QVERIFY(darkestIn(image, QRect(QPoint(tick0 + 1, axisY + 1), QPoint(tick1 - 1, axisY + 3)))
            > 200);
    QVERIFY(darkestIn(image,
                      QRect(QPoint(tick1 + 1, axisY + 1), QPoint(Twips::toPixels(1200), axisY + 3)))
            > 200);
}

// One A4 page of text and vectors, no bitmap: the title, the time of printing, the facts, the
// curve's own labels and the caution.
void TestCurve::printsAPageOfFactsAndCurve()
{
    const TemporaryWorkingDirectory folder;
    Graph graph;
    graph.drawCurve(0.65, 0.65 / 0.12);
    graph.setPageFacts(wineFacts());
    graph.show();
    const QString fileName = folder.filePath(u"page.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    usePdfOutput(printer, fileName);
    const MessageBoxWatcher watcher;
    graph.PrintForm(printer);

    QCOMPARE(watcher.count(), 0);
    QVERIFY(child<Picture>(&graph, u"Impression"_s)->isVisible());
    QFile pdf(fileName);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(!pdf.readAll().contains("/Subtype /Image"));
    const QString info = pdfInfo(fileName);
    QVERIFY2(info.contains(QRegularExpression(u"Pages: +1\n"_s))
                     && info.contains(QRegularExpression(u"Page size: .*\\(A4\\)"_s)),
             qPrintable(info));
    const QString text = textOfPdf(fileName);
    const QString today = QLocale(QLocale::French).toString(QDate::currentDate(), u"d MMMM yyyy"_s);
    for (const QString &expected :
         {u"Sobrimetre : estimation de l'alcoolémie"_s, u"Imprimé le "_s + today, u"Poids :"_s,
          u"70 kg"_s, u"Vin"_s, u"Volume (cl)"_s, u"Options : seuil de 0,5 g/l"_s, u"0,65 g/l"_s,
          u"Stop, ne conduisez pas."_s, u"2,20"_s, u"heures"_s,
          u"Il ne s'agit que d'une évaluation."_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" not in:\n"_s + text));
}

// The evening from 20 h: its curve on the axis, broken where the first hour's scale ends, the
// clock hours under the axis, the band with the prudent estimate and the mark of the time.
void TestCurve::drawsTheEvening()
{
    Graph graph;
    EveningCurve evening;
    evening.firstHour = 20;
    evening.level = {{0, 0}, {0, 0.5}, {2, 0.3}, {4.5, 0}};
    evening.low = {{0, 0}, {0, 0.25}, {1.5, 0}};
    evening.nowHours = 3;
    graph.drawEvening(evening);

    // 360 twips for the first hour from x 600, then 300 an hour; 2400 twips per g/l up from
    // y 5640. Half-way from 0,50 to 0,30, at one hour, the level is 0,40: y 4680.
    const auto *curve = child<Polyline>(&graph, u"CourbeSoiree"_s);
    QCOMPARE(curve->points(),
             QPolygonF({{600, 5640}, {600, 4440}, {960, 4680}, {1260, 4920}, {2010, 5640}}));
    QVERIFY(!curve->isHidden());
    QVERIFY(child<Line>(&graph, u"LigneCr"_s)->isHidden());
    QVERIFY(child<Line>(&graph, u"LigneDc"_s)->isHidden());
    // Up the curve, then back along the low one, from 0 at one and a half hours to 0,25 at 600:
    // at one hour, 0,25 - 0,25 / 1,5 = 0,0833, 200 twips above the axis.
    const QPolygonF band = child<Area>(&graph, u"Bande"_s)->corners();
    QCOMPARE(band.size(), 5 + 4);
    QCOMPARE(band.mid(5), QPolygonF({{1110, 5640}, {960, 5440}, {600, 5040}, {600, 5640}}));
    const auto *now = child<Line>(&graph, u"Maintenant"_s);
    QCOMPARE(QPointF(now->x1(), now->x2()), QPointF(1560, 1560));
    QCOMPARE(child<QLabel>(&graph, u"HeureMaintenant"_s)->text(), u"23 h 00"_s);
    QCOMPARE(child<QLabel>(&graph, u"Heure0"_s)->text(), u"20"_s);
    QCOMPARE(child<QLabel>(&graph, u"Heure4"_s)->text(), u"0"_s);
    QCOMPARE(child<QLabel>(&graph, u"Heure24"_s)->text(), u"20"_s);
    QCOMPARE(graph.accessibleDescription(),
             u"Soirée depuis 20 h 00 : pic à 0,50 g/l vers 20 h 00, retour à 0,00 g/l vers "
             u"0 h 30 ; il est 23 h 00"_s);
}

// A hundred glasses fill more than a page of their own: the table goes on over the next one,
// and every page bears its number.
void TestCurve::printsTheEveningsGlassesOnFurtherPages()
{
    const TemporaryWorkingDirectory folder;
    Graph graph;
    PageFacts facts = wineFacts();
    for (int glass = 0; glass < 100; ++glass)
        facts.glasses.append({u"%1 h %2"_s.arg(18 + glass / 60).arg(glass % 60, 2, 10, QChar(u'0')),
                              u"Vins"_s, u"12"_s, u"11"_s});
    graph.setPageFacts(facts);
    const QString fileName = folder.filePath(u"pages.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    usePdfOutput(printer, fileName);
    graph.PrintForm(printer);

    const QString info = pdfInfo(fileName);
    QVERIFY2(info.contains(QRegularExpression(u"Pages: +3\n"_s)), qPrintable(info));
    const QString text = textOfPdf(fileName);
    for (const QString &expected :
         {u"Page 1 sur 3"_s, u"Les verres de la soirée\n"_s, u"18 h 00"_s,
          u"Les verres de la soirée (suite)"_s, u"19 h 39"_s, u"Page 3 sur 3"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" not in:\n"_s + text));
}

void TestCurve::printerThatCannotStartIsReported()
{
    const TemporaryWorkingDirectory folder;
    Graph graph;
    graph.show();
    auto *print = child<Picture>(&graph, u"Impression"_s);

    QPrinter printer(QPrinter::HighResolution);
    usePdfOutput(printer, folder.filePath(u"missing/curve.pdf"_s));
    const MessageBoxWatcher watcher;
    graph.PrintForm(printer);

    QCOMPARE(watcher.count(), 1);
    QCOMPARE(watcher.titles(), QStringList{warningTitle});
    QVERIFY(watcher.texts().first().startsWith(u"Impression impossible"_s));
    QCOMPARE(watcher.lastIcon(), QMessageBox::Warning);
    QVERIFY(print->isVisible());
    QVERIFY(graph.isVisible());
    QVERIFY(!QFile::exists(folder.filePath(u"missing/curve.pdf"_s)));
}

void TestCurve::pageSavedAsPdfWhereNoPrinter_data()
{
    QTest::addColumn<bool>("withDocuments");
    QTest::addColumn<QString>("suggestedFolder");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("a file chosen: the page is saved there") << true << u"Documents/"_s << true;
    QTest::newRow("cancelled: nothing is saved") << true << u"Documents/"_s << false;
    QTest::newRow("no documents folder: suggested in the home folder")
            << false << QString() << false;
}

void TestCurve::pageSavedAsPdfWhereNoPrinter()
{
    QFETCH(bool, withDocuments);
    QFETCH(QString, suggestedFolder);
    QFETCH(bool, chosen);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("A default printer is installed; clicking would print on it.");
    const TemporaryWorkingDirectory folder;
    const TemporaryHome home(withDocuments);
    Graph graph;
    graph.setPageFacts(wineFacts());
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    auto *print = child<Picture>(&graph, u"Impression"_s);

    const QString fileName = folder.filePath(u"courbe.pdf"_s);
    const FileDialogWatcher dialogs(chosen ? fileName : QString());
    QTest::mouseClick(print, Qt::LeftButton);

    QCOMPARE(dialogs.titles(), QStringList{noPrinterTitle});
    QCOMPARE(dialogs.suggested(), QStringList{home.filePath(suggestedFolder + todaysPdf())});
    QCOMPARE(dialogs.warnings(), QStringList());
    QCOMPARE(QFile::exists(fileName), chosen);
    if (chosen)
        QVERIFY(textOfPdf(fileName).contains(u"0,65 g/l"_s));
    QVERIFY(print->isVisible());
    QVERIFY(graph.isVisible());
}

void TestCurve::keyboardPrints_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Ctrl+P") << QKeySequence(u"Ctrl+P"_s);
    QTest::newRow("Space on the printer") << QKeySequence(Qt::Key_Space);
    QTest::newRow("Enter on the printer") << QKeySequence(Qt::Key_Return);
}

// The printer has the focus in the window; the keys print as a click does, which without a
// printer offers to save the page as a PDF file.
void TestCurve::keyboardPrints()
{
    QFETCH(QKeySequence, keys);
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("A default printer is installed; the keys would print on it.");
    Graph graph;
    graph.show();
    QApplication::setActiveWindow(&graph);
    QVERIFY(QTest::qWaitForWindowActive(&graph));
    QCOMPARE(QApplication::focusWidget(), child<Picture>(&graph, u"Impression"_s));

    const FileDialogWatcher dialogs{QString()};
    QTest::keySequence(QApplication::focusWidget(), keys);
    QCOMPARE(dialogs.titles(), QStringList{noPrinterTitle});
    QVERIFY(graph.isVisible());
}

QTEST_MAIN(TestCurve)
#include "tst_curve.moc"
