// What the screen shows whole: every window opens inside the screen, the Note message is never
// cut in any state, the level and the wait always show every digit, and a main window repainted
// through values that go back and forth shows what a fresh one shows. CTest runs it at scale 1
// and again at a scale factor of 2 on a 1280 by 1024 screen.
#include "curve/graph.h"
#include "mainwindow/sobrimetre.h"
#include "message_box_watcher.h"
#include "test_support.h"
#include "toolkit/appearance.h"
#include "toolkit/picture.h"
#include "toolkit/plain_label.h"
#include "toolkit/twips.h"
#include "windows/accueil.h"
#include "windows/apropos.h"
#include "windows/help_page.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

bool differs(QRgb pixel, QRgb background)
{
    return qAbs(qRed(pixel) - qRed(background)) + qAbs(qGreen(pixel) - qGreen(background))
                   + qAbs(qBlue(pixel) - qBlue(background))
           > 60;
}

// The rows and columns, in device pixels of the label's image, where its text leaves ink on its
// background.
QRect inkOf(const QLabel *label, const QImage &image)
{
    const QRgb background = label->palette().color(label->backgroundRole()).rgb();
    const double ratio = image.devicePixelRatio();
    const QRect inside(label->contentsRect().topLeft() * ratio,
                       label->contentsRect().size() * ratio);
    QRect ink;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (differs(image.pixel(x, y), background))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// A message as the Note panel lays it out, with all the height it wants: how far down its text
// reaches, in pixels of the label.
int heightNeededBy(const QLabel *note)
{
    QLabel free;
    free.setFont(note->font());
    free.setWordWrap(true);
    free.setAlignment(note->alignment());
    free.setText(note->text());
    free.setAutoFillBackground(true);
    free.setPalette(
            QPalette(Qt::black, Qt::white, Qt::white, Qt::white, Qt::white, Qt::black, Qt::white));
    free.resize(note->contentsRect().width(), 1000);
    const QImage image = free.grab().toImage();
    const QRect ink = inkOf(&free, image);
    return qCeil((ink.bottom() + 1) / image.devicePixelRatio());
}

struct Input
{
    QString field;
    QString text;
};
using Inputs = QList<Input>;

} // namespace

class TestOnScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void windowsOpenInsideTheScreen_data();
    void windowsOpenInsideTheScreen();
    void noteNeverCut_data();
    void noteNeverCut();
    void numbersShowEveryDigit_data();
    void numbersShowEveryDigit();
    void repaintsShowWhatAFreshWindowShows_data();
    void repaintsShowWhatAFreshWindowShows();
    void labelsDrawTheirTextAsQtDoes_data();
    void labelsDrawTheirTextAsQtDoes();
    void picturesLookPressedOnlyWhilePressed_data();
    void picturesLookPressedOnlyWhilePressed();

private:
    // Types the inputs in turn: a field's text, "CocheR" checked or not, or a menu item.
    void enter(const Inputs &inputs);

    TemporaryWorkingDirectory m_folder;
    std::unique_ptr<Sobrimetre> m_window;
};

void TestOnScreen::initTestCase()
{
    useFrenchLocale();
}

void TestOnScreen::init()
{
    m_window = std::make_unique<Sobrimetre>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestOnScreen::cleanup()
{
    HelpPage::closeAll();
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestOnScreen::enter(const Inputs &inputs)
{
    const MessageBoxWatcher warnings;
    for (const Input &input : inputs) {
        if (input.field == u"CocheR")
            child<QCheckBox>(m_window.get(), input.field)->setChecked(!input.text.isEmpty());
        else if (input.text.isEmpty())
            child<QAction>(m_window.get(), input.field)->trigger();
        else
            child<QLineEdit>(m_window.get(), input.field)->setText(input.text);
    }
}

void TestOnScreen::windowsOpenInsideTheScreen_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window :
         {"main window", "curve", "About", "help page 1", "help page 2", "splash"})
        QTest::newRow(window) << QString::fromUtf8(window);
}

void TestOnScreen::windowsOpenInsideTheScreen()
{
    QFETCH(QString, window);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    std::unique_ptr<QWidget> built;
    QPointer<QWidget> shown;
    if (window == u"main window") {
        shown = m_window.get();
    } else if (window == u"curve") {
        built = std::make_unique<Graph>(m_window.get());
    } else if (window == u"About") {
        built = std::make_unique<APropos>(m_window.get());
    } else if (window == u"splash") {
        built.reset(Accueil::showSplash([] {}));
    } else {
        HelpPage::showPage<Notice1>(m_window.get());
        shown = HelpPage::loaded<Notice1>();
        if (window == u"help page 2") {
            child<QPushButton>(shown, u"PageSuiv"_s)->click();
            shown = HelpPage::loaded<Notice2>();
        }
    }
    if (built)
        shown = built.get();
    QVERIFY(shown);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QVERIFY2(available.contains(shown->frameGeometry()),
             qPrintable(u"%1,%2 %3x%4 outside %5x%6"_s.arg(shown->frameGeometry().x())
                                .arg(shown->frameGeometry().y())
                                .arg(shown->frameGeometry().width())
                                .arg(shown->frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));

    if (window != u"main window")
        return;
    // The client area's first place, 1095, 1755 twips from the screen's top left, is kept when
    // the whole window fits there.
    const QPoint designed(Twips::toPixels(1095), Twips::toPixels(1755));
    const QPoint client = m_window->centralWidget()->mapToGlobal(QPoint());
    if (available.contains(m_window->frameGeometry().translated(designed - client)))
        QCOMPARE(client, designed);
}

void TestOnScreen::noteNeverCut_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    // A man of 70 kg; glasses of wine of 12 cl at 11 degrees.
    const Inputs man{{u"Poids"_s, u"70"_s}, {u"VOL_V"_s, u"12"_s}, {u"DEG_V"_s, u"11"_s}};
    const auto then = [&man](const Inputs &more) {
        return man + more;
    };
    const Input one{u"NB_V"_s, u"1"_s}, three{u"NB_V"_s, u"3"_s}, six{u"NB_V"_s, u"6"_s};
    const Input meal{u"CocheR"_s, u"1"_s};

    QTest::newRow("instructions at start-up") << Inputs{} << 8.25 << false;
    QTest::newRow("instructions of a green light") << then({one}) << 8.25 << false;
    QTest::newRow("caution") << then({meal, three}) << 9.0 << true;
    QTest::newRow("stop") << then({three}) << 10.0 << true;
    QTest::newRow("severe straight after green keeps 8.25 points")
            << then({one, six}) << 8.25 << true;
    QTest::newRow("severe after the caution keeps 9 points")
            << then({meal, three, six}) << 9.0 << true;
    QTest::newRow("severe after a stop keeps 10 points") << then({three, six}) << 10.0 << true;
    QTest::newRow("instructions reloaded (F2) after a stop")
            << then({three, {u"Ini"_s, {}}}) << 8.25 << false;
    QTest::newRow("instructions restored (Ctrl+R) after a stop, still bold")
            << then({three, {u"Rétablir"_s, {}}}) << 8.25 << true;
    QTest::newRow("an estimate that cannot be made")
            << then({three, {u"DEG_V"_s, u"9E999"_s}}) << 10.0 << true;
}

// The text of every state, at its size, reaches no lower than the panel.
void TestOnScreen::noteNeverCut()
{
    QFETCH(Inputs, inputs);
    QFETCH(double, points);
    QFETCH(bool, bold);
    enter(inputs);
    const auto *note = child<QLabel>(m_window.get(), u"Note"_s);
    QCOMPARE(note->font().pointSizeF(), points);
    QCOMPARE(note->font().bold(), bold);
    const int needed = heightNeededBy(note);
    QVERIFY2(needed <= note->contentsRect().height(),
             qPrintable(u"%1 pixels needed, %2 shown"_s.arg(needed).arg(
                     note->contentsRect().height())));
}

void TestOnScreen::numbersShowEveryDigit_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("wait");

    // 999 glasses of wine for a man of 1 kg.
    const Inputs heavy{{u"Poids"_s, u"1"_s},
                       {u"VOL_V"_s, u"12"_s},
                       {u"DEG_V"_s, u"11"_s},
                       {u"NB_V"_s, u"999"_s}};
    QTest::newRow("a level of five digits and a wait of six digits")
            << heavy << u"15070,63"_s << u"125585"_s;
    QTest::newRow("a level of a hundred digits, from exponent notation")
            << heavy + Inputs{{u"VOL_V"_s, u"9E99"_s}} << QString() << QString();
}

// Too wide for its box at its size, the number is drawn smaller: no digit is cut off on either
// side, so that it never reads as another number.
void TestOnScreen::numbersShowEveryDigit()
{
    QFETCH(Inputs, inputs);
    QFETCH(QString, level);
    QFETCH(QString, wait);
    enter(inputs);
    for (const auto &[name, expected] :
         {std::pair{u"Alcoolémie"_s, level}, std::pair{u"Attente"_s, wait}}) {
        auto *label = child<QLabel>(m_window.get(), name);
        if (!expected.isEmpty())
            QCOMPARE(label->text(), expected);
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text())
                > label->contentsRect().width());
        const QImage image = label->grab().toImage();
        const QRect ink = inkOf(label, image);
        const double ratio = image.devicePixelRatio();
        QVERIFY2(!ink.isEmpty(), qPrintable(name));
        QVERIFY2(ink.left() > label->contentsRect().left() * ratio
                         && ink.right() < (label->contentsRect().right() + 1) * ratio - 1,
                 qPrintable(u"%1: ink from %2 to %3 in %4 pixels"_s.arg(name)
                                    .arg(ink.left())
                                    .arg(ink.right())
                                    .arg(image.width())));
    }
}

void TestOnScreen::repaintsShowWhatAFreshWindowShows_data()
{
    QTest::addColumn<Inputs>("steps");
    QTest::addColumn<Inputs>("values");

    const Input weight{u"Poids"_s, u"72"_s};
    const Input nine{u"NB_K"_s, u"9"_s};
    const Input none{u"NB_K"_s, u"0"_s};
    const Input three{u"NB_K"_s, u"3"_s};
    QTest::newRow("a count back to a verdict shown before")
            << Inputs{weight, nine, none, nine} << Inputs{weight, nine};
    QTest::newRow("the same count once the limit is the probationary one")
            << Inputs{weight, three, {u"SeuilProbatoire"_s, {}}, none, three}
            << Inputs{weight, {u"SeuilProbatoire"_s, {}}, three};
    QTest::newRow("the same count for another weight")
            << Inputs{weight, three, {u"Poids"_s, u"50"_s}, none, three}
            << Inputs{{u"Poids"_s, u"50"_s}, three};
}

// Whatever a widget keeps from one paint to the next (a picture drawn once, a text laid out once,
// a repaint limited to what changed), after values that go back and forth the window shows each
// pixel as a fresh window with the last values does.
void TestOnScreen::repaintsShowWhatAFreshWindowShows()
{
    QFETCH(Inputs, steps);
    QFETCH(Inputs, values);
    const auto shown = [](QWidget *window) {
        QApplication::processEvents();
        return window->screen()->grabWindow(window->winId()).toImage();
    };
    for (const Input &step : steps) {
        enter({step});
        shown(m_window.get());
    }
    const QImage afterSteps = shown(m_window.get());
    m_window = std::make_unique<Sobrimetre>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    enter(values);
    QCOMPARE(afterSteps, shown(m_window.get()));
}

void TestOnScreen::labelsDrawTheirTextAsQtDoes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::addColumn<bool>("wraps");
    QTest::addColumn<bool>("framed");
    QTest::addColumn<QSize>("size");

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    QTest::newRow("a value of the scale") << u"0,10"_s << left << false << false << QSize(25, 17);
    QTest::newRow("a level centred in its box")
            << u"0,65"_s << Qt::Alignment(Qt::AlignCenter) << false << true << QSize(57, 25);
    QTest::newRow("a heading on two centred lines")
            << u"Cocktails, long drinks"_s << Qt::Alignment(Qt::AlignCenter) << true << true
            << QSize(60, 32);
    QTest::newRow("a message on three lines")
            << u"STOP ! Vous n'êtes pas en état de prendre le volant."_s
            << Qt::Alignment(Qt::AlignLeft | Qt::AlignTop) << true << false << QSize(120, 70);
    QTest::newRow("a caption wider than its box, cut")
            << u"Alcoolémie estimée (en g/l) :"_s << left << false << false << QSize(60, 12);
    QTest::newRow("a line break") << u"Poids\n(en kg)"_s << Qt::Alignment(Qt::AlignRight) << false
                                  << true << QSize(70, 40);
}

// A label that lays its text out once draws each pixel as Qt's own label.
void TestOnScreen::labelsDrawTheirTextAsQtDoes()
{
    QFETCH(QString, text);
    QFETCH(Qt::Alignment, alignment);
    QFETCH(bool, wraps);
    QFETCH(bool, framed);
    QFETCH(QSize, size);
    QWidget host;
    PlainLabel laidOutOnce(&host);
    QLabel qtLabel(&host);
    for (QLabel *label : {static_cast<QLabel *>(&laidOutOnce), &qtLabel}) {
        // The windows' fonts, whose lines are a fraction of a pixel high.
        label->setFont(arial(8.25, FontStyle::Bold));
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->setAlignment(alignment);
        label->setWordWrap(wraps);
        if (framed)
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->resize(size);
    }
    QCOMPARE(laidOutOnce.grab().toImage(), qtLabel.grab().toImage());
}

void TestOnScreen::picturesLookPressedOnlyWhilePressed_data()
{
    QTest::addColumn<QString>("picture");
    QTest::newRow("a drink's button") << u"Bière"_s;
    QTest::newRow("the curve's button") << u"GraphImg"_s;
}

// A picture drawn once for each look shows the one it has now: pressed in while the button is
// down, as before once it is up (released outside, so that nothing opens).
void TestOnScreen::picturesLookPressedOnlyWhilePressed()
{
    QFETCH(QString, picture);
    auto *button = child<Picture>(m_window.get(), picture);
    const QImage before = button->grab().toImage();
    QTest::mousePress(button, Qt::LeftButton);
    QVERIFY(button->grab().toImage() != before);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(button->grab().toImage(), before);
}

QTEST_MAIN(TestOnScreen)
#include "tst_on_screen.moc"
