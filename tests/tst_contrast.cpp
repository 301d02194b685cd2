// Every text of every window reads on what is painted behind it, under a light and under a dark
// desktop palette: the contrast ratio between the text's colour and the colour sampled behind it
// in the window's image is at least 4.5:1 (WCAG AA). The one exception is the design's own pure
// red, which it fixes for the legal limit and the alarm together with what lies under it.
#include "curve/graph.h"
#include "desktop_palettes.h"
#include "mainwindow/sobrimetre.h"
#include "test_support.h"
#include "toolkit/appearance.h"
#include "toolkit/twips.h"
#include "windows/accueil.h"
#include "windows/apropos.h"
#include "windows/help_page.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>

namespace {

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
           + 0.0722 * linear(colour.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour that covers most of the area in the image.
QColor mostCommonColour(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000U];
    QRgb most = 0;
    int mostCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > mostCount) {
            most = it.key();
            mostCount = it.value();
        }
    }
    return QColor::fromRgb(most);
}

bool isTextWidget(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return !button->text().isEmpty();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return !frame->title().isEmpty();
    return qobject_cast<const QLineEdit *>(widget) != nullptr;
}

// Where the widget's text stands in the window: the middle third of its height, where a button's
// shading does not yet turn into its edges; a frame's caption, where the frame's edge stops for
// it, at the top left of a frame that holds other widgets.
QRect textArea(const QWidget *widget, const QWidget *window)
{
    const QPoint origin = widget->mapTo(window, QPoint());
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget)) {
        const QSize caption = frame->fontMetrics().size(Qt::TextShowMnemonic, frame->title());
        return {origin + QPoint(Twips::toPixels(120), 0), caption};
    }
    return {origin + QPoint(0, widget->height() / 3), QSize(widget->width(), widget->height() / 3)};
}

// The design's pure red reads at about 4:1 on white and light yellow, and less on the bright
// green level bar that passes under the scale's values; it is the design's colour for the legal
// limit and the alarm, as is white text on it.
bool designFixesBoth(const QColor &text, const QColor &background)
{
    const QColor red(255, 0, 0);
    return text == red || (text == Qt::white && background == red);
}

struct Lowest
{
    double ratio = 1000;
    QString where;
};

// Checks every text of the shown window and returns the lowest ratio, with and without the
// design's own red.
std::pair<Lowest, Lowest> verifyContrast(QWidget *window)
{
    const QImage image = window->grab().toImage();
    Lowest lowest, lowestOutsideDesign;
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(window) || !isTextWidget(widget))
            continue;
        const QColor text = textColor(widget);
        const QColor background = mostCommonColour(image, textArea(widget, window));
        const double ratio = contrastRatio(text, background);
        const QString where = u"%1: %2 on %3 (%4:1)"_s
                                      .arg(widget->objectName(), text.name(), background.name())
                                      .arg(ratio, 0, 'f', 2);
        if (ratio < lowest.ratio)
            lowest = {ratio, where};
        if (designFixesBoth(text, background))
            continue;
        if (ratio < lowestOutsideDesign.ratio)
            lowestOutsideDesign = {ratio, where};
        [&] {
            QVERIFY2(ratio >= 4.5, qPrintable(window->objectName() + u" "_s + where));
        }();
    }
    return {lowest, lowestOutsideDesign};
}

void report(const QString &window, const std::pair<Lowest, Lowest> &lowest)
{
    qInfo().noquote() << window << "lowest" << lowest.first.where << "| outside the design's red"
                      << lowest.second.where;
}

// The main window after a man of 70 kg drank that many glasses of wine (12 cl, 11 degrees).
void drinkWine(QWidget *window, const QString &glasses, bool meal)
{
    child<QLineEdit>(window, u"Poids"_s)->setText(u"70"_s);
    child<QLineEdit>(window, u"VOL_V"_s)->setText(u"12"_s);
    child<QLineEdit>(window, u"DEG_V"_s)->setText(u"11"_s);
    child<QCheckBox>(window, u"CocheR"_s)->setChecked(meal);
    child<QLineEdit>(window, u"NB_V"_s)->setText(glasses);
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void mainWindow_data();
    void mainWindow();
    void otherWindows_data();
    void otherWindows();
    void warningBox_data();
    void warningBox();

private:
    static void usePalette();
    TemporaryWorkingDirectory m_folder;
};

void TestContrast::initTestCase()
{
    useFrenchLocale();
}

void TestContrast::cleanup()
{
    HelpPage::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::setPalette(lightDesktopPalette());
}

// The palette of the row's desktop, given before any window is built.
void TestContrast::usePalette()
{
    QFETCH(bool, dark);
    QApplication::setPalette(dark ? darkDesktopPalette() : lightDesktopPalette());
}

void TestContrast::mainWindow_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("glasses");
    QTest::addColumn<bool>("meal");
    for (const bool dark : {false, true}) {
        const char *desktop = dark ? "dark" : "light";
        QTest::addRow("%s: at start-up", desktop) << dark << QString() << false;
        QTest::addRow("%s: green", desktop) << dark << u"1"_s << false;
        QTest::addRow("%s: yellow", desktop) << dark << u"3"_s << true;
        QTest::addRow("%s: red", desktop) << dark << u"3"_s << false;
        QTest::addRow("%s: severe", desktop) << dark << u"6"_s << false;
    }
}

void TestContrast::mainWindow()
{
    QFETCH(QString, glasses);
    QFETCH(bool, meal);
    usePalette();
    Sobrimetre window;
    window.show();
    if (!glasses.isEmpty())
        drinkWine(&window, glasses, meal);
    const auto lowest = verifyContrast(&window);
    report(QString::fromUtf8(QTest::currentDataTag()), lowest);
}

void TestContrast::otherWindows_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("window");
    for (const bool dark : {false, true}) {
        const char *desktop = dark ? "dark" : "light";
        for (const char *window : {"curve", "About", "help page 1", "help page 2", "splash"})
            QTest::addRow("%s: %s", desktop, window) << dark << QString::fromUtf8(window);
    }
}

void TestContrast::otherWindows()
{
    QFETCH(QString, window);
    usePalette();
    QWidget owner;
    std::unique_ptr<QWidget> built;
    QPointer<QWidget> shown;
    if (window == u"curve") {
        auto *graph = new Graph(&owner);
        graph->drawCurve(0.74, 0.74 / 0.12);
        built.reset(graph);
        shown = graph;
    } else if (window == u"About") {
        built = std::make_unique<APropos>(&owner);
        shown = built.get();
    } else if (window == u"splash") {
        shown = Accueil::showSplash([] {});
        built.reset(shown);
    } else {
        HelpPage::showPage<Notice1>(&owner);
        shown = HelpPage::loaded<Notice1>();
        if (window == u"help page 2") {
            child<QPushButton>(shown, u"PageSuiv"_s)->click();
            shown = HelpPage::loaded<Notice2>();
        }
    }
    QVERIFY(shown);
    shown->show();
    const auto lowest = verifyContrast(shown);
    report(QString::fromUtf8(QTest::currentDataTag()), lowest);
}

void TestContrast::warningBox_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

// The box opens over the main window when the weight reads as 0; it is checked while it shows.
void TestContrast::warningBox()
{
    usePalette();
    Sobrimetre window;
    window.show();
    int checked = 0;
    QTimer watcher;
    watcher.setInterval(5);
    connect(&watcher, &QTimer::timeout, &watcher, [&checked] {
        QWidget *box = QApplication::activeModalWidget();
        if (box == nullptr || !box->isVisible())
            return;
        if (checked++ == 0)
            report(u"warning box, "_s + QString::fromUtf8(QTest::currentDataTag()),
                   verifyContrast(box));
        box->close();
    });
    watcher.start();
    child<QLineEdit>(&window, u"Poids"_s)->setText(u"0"_s);
    watcher.stop();
    QVERIFY(checked > 0);
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
