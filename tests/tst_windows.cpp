// The splash window, the About window, the two help pages, and the warning for errors that no
// window handles.
#include "message_box_watcher.h"
#include "program_texts.h"
#include "test_support.h"
#include "toolkit/appearance.h"
#include "toolkit/application.h"
#include "toolkit/picture.h"
#include "toolkit/twips.h"
#include "windows/accueil.h"
#include "windows/apropos.h"
#include "windows/help_page.h"
#include "windows/notice1.h"
#include "windows/notice2.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <memory>
#include <stdexcept>

namespace {

enum PageState { Gone, Hidden, Shown };

const QColor windowText = QColor(Qt::black);
const QColor darkRedText(128, 0, 0);
const QColor darkGreenText(0, 128, 0);
const QColor pureRed(255, 0, 0);

QRect twips(double left, double top, double width, double height)
{
    return Twips::toPixelRect({left, top, width, height});
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

PageState stateOf(const QWidget *loadedPage)
{
    if (loadedPage == nullptr)
        return Gone;
    return loadedPage->isVisible() ? Shown : Hidden;
}

// Fails in its handling of a mouse press and of a timer's tick, as a reaction of the program
// fails on an error that no window handles.
class FailingWidget : public QWidget
{
public:
    using QWidget::QWidget;

    int failures = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { fail(); }
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
    void timerEvent(QTimerEvent *event) override
    {
        killTimer(event->timerId());
        fail();
    }

private:
    void fail()
    {
        ++failures;
        throw std::overflow_error("dépassement de capacité : masse d'alcool");
    }
};

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void splashHandsOverOnceAfterOneSecond();
    void splashIgnoresClicks_data();
    void splashIgnoresClicks();
    void windows_data();
    void windows();
    void texts_data();
    void texts();
    void pictures_data();
    void pictures();
    void aboutClosesOnAnyClick_data();
    void aboutClosesOnAnyClick();
    void helpPageSequences_data();
    void helpPageSequences();
    void helpPagesEndWithTheProgram_data();
    void helpPagesEndWithTheProgram();
    void unexpectedErrorIsReported_data();
    void unexpectedErrorIsReported();

private:
    QWidget *open(const QString &window);
    void perform(const QString &action);

    std::unique_ptr<QWidget> m_mainWindow;
    std::unique_ptr<APropos> m_about;
    QPointer<Accueil> m_splash;
};

void TestWindows::initTestCase()
{
    useFrenchLocale();
}

// A plain window stands for the main window, which owns the help pages.
void TestWindows::init()
{
    m_mainWindow = std::make_unique<QWidget>();
    m_mainWindow->show();
}

void TestWindows::cleanup()
{
    HelpPage::closeAll();
    m_about.reset();
    m_mainWindow.reset();
    delete m_splash;
    processDeferredDeletes();
}

QWidget *TestWindows::open(const QString &window)
{
    if (window == u"Accueil") {
        m_splash = Accueil::showSplash([] {});
        return m_splash;
    }
    if (window == u"APropos") {
        m_about = std::make_unique<APropos>(m_mainWindow.get());
        m_about->show();
        return m_about.get();
    }
    perform(u"MNotice"_s);
    if (window == u"Notice1")
        return HelpPage::loaded<Notice1>();
    perform(u"PageSuiv"_s);
    return HelpPage::loaded<Notice2>();
}

// Does what the user does: the main window's command, a button of a shown page (clicked, or
// given the focus and pressed with Enter, "Entrée" for the main keyboard's key and "Entrée
// pavé" for the keypad's), the window system's close button of a page, or Escape on a page.
void TestWindows::perform(const QString &action)
{
    const QString key = action.section(u' ', 1);
    const auto click = [&key](QWidget *page, const char *buttonName) {
        QVERIFY2(page != nullptr && page->isVisible(), buttonName);
        auto *button = child<QPushButton>(page, QString::fromUtf8(buttonName));
        if (key.isEmpty()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        button->setFocus();
        QTest::keyClick(button, key == u"Entrée" ? Qt::Key_Return : Qt::Key_Enter);
    };
    if (action == u"MNotice")
        HelpPage::showPage<Notice1>(m_mainWindow.get());
    else if (action.startsWith(u"PageSuiv"))
        click(HelpPage::loaded<Notice1>(), "PageSuiv");
    else if (action.startsWith(u"Fermer1"))
        click(HelpPage::loaded<Notice1>(), "Fermer");
    else if (action.startsWith(u"PagePréc"))
        click(HelpPage::loaded<Notice2>(), "PagePréc");
    else if (action.startsWith(u"Fermer2"))
        click(HelpPage::loaded<Notice2>(), "Fermer");
    else if (action == u"CloseBox1")
        QVERIFY(HelpPage::loaded<Notice1>()->close());
    else if (action == u"CloseBox2")
        QVERIFY(HelpPage::loaded<Notice2>()->close());
    else if (action == u"Escape1")
        QTest::keyClick(HelpPage::loaded<Notice1>(), Qt::Key_Escape);
    else if (action == u"Escape2")
        QTest::keyClick(HelpPage::loaded<Notice2>(), Qt::Key_Escape);
    else
        QFAIL(qPrintable(action));
}

void TestWindows::splashHandsOverOnceAfterOneSecond()
{
    int calls = 0;
    qint64 elapsedAtCall = -1;
    bool splashShownAtCall = false;
    QElapsedTimer clock;
    clock.start();
    m_splash = Accueil::showSplash([&] {
        ++calls;
        elapsedAtCall = clock.elapsed();
        splashShownAtCall = m_splash != nullptr && m_splash->isVisible();
    });
    QPointer<Accueil> splash = m_splash;
    QVERIFY(splash->isVisible());

    // The time of the call tells that it did not come before the second: a check after a wait
    // of 900 ms would fail whenever a loaded machine lets that wait outlast the second.
    QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 3000);
    QVERIFY2(elapsedAtCall >= 1000, qPrintable(QString::number(elapsedAtCall)));
    QVERIFY2(splashShownAtCall, "the main window is shown before the splash closes");
    QTRY_VERIFY(splash.isNull());

    QTest::qWait(1200);
    QCOMPARE(calls, 1);
}

void TestWindows::splashIgnoresClicks_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<Qt::MouseButton>("button");

    QTest::newRow("the program's icon") << "Dessin1" << Qt::LeftButton;
    QTest::newRow("the traffic light") << "Dessin2" << Qt::LeftButton;
    QTest::newRow("the clock") << "Dessin3" << Qt::LeftButton;
    QTest::newRow("the title") << "Etiquette1" << Qt::LeftButton;
    QTest::newRow("the credit line") << "Etiquette2" << Qt::LeftButton;
    QTest::newRow("the background, right button") << "" << Qt::RightButton;
    QTest::newRow("the background, left button") << "" << Qt::LeftButton;
}

void TestWindows::splashIgnoresClicks()
{
    QFETCH(QString, part);
    QFETCH(Qt::MouseButton, button);

    int calls = 0;
    m_splash = Accueil::showSplash([&] { ++calls; });
    QWidget *target = part.isEmpty() ? m_splash.data() : child<QWidget>(m_splash.data(), part);
    QVERIFY(target != nullptr);
    QTest::mouseClick(target, button, {}, part.isEmpty() ? QPoint(3, 3) : target->rect().center());
    processDeferredDeletes();

    QVERIFY(m_splash != nullptr && m_splash->isVisible());
    QCOMPARE(calls, 0);
}

void TestWindows::windows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QColor>("background");

    QTest::newRow("splash: white, no caption")
            << "Accueil"
            << "" << twips(0, 0, 3735, 2400).size() << QColor(Qt::white);
    QTest::newRow("About: white") << "APropos"
                                  << "A propos de..." << twips(0, 0, 3840, 2805).size()
                                  << QColor(Qt::white);
    QTest::newRow("page 1: light yellow")
            << "Notice1"
            << "Notice : page 1" << twips(0, 0, 9255, 6345).size() << QColor(255, 255, 224);
    QTest::newRow("page 2: light yellow")
            << "Notice2"
            << "Notice : page 2" << twips(0, 0, 9255, 6345).size() << QColor(255, 255, 224);
}

void TestWindows::windows()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QSize, clientSize);
    QFETCH(QColor, background);

    QWidget *shown = open(window);
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->objectName(), window);
    QVERIFY(shown->isWindow());
    QCOMPARE(shown->windowTitle(), caption);
    QCOMPARE(shown->size(), clientSize);
    QCOMPARE(shown->minimumSize(), clientSize);
    QCOMPARE(shown->maximumSize(), clientSize);
    QVERIFY(shown->autoFillBackground());
    QCOMPARE(backgroundColor(shown), background);
    QCOMPARE(shown->windowModality(), Qt::NonModal);
}

void TestWindows::texts_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRect>("geometry");

    const QFont title = timesNewRoman(24, FontStyle::Bold);
    const QFont plain = arial(8.25, FontStyle::Regular);
    const QFont bold = arial(8.25, FontStyle::Bold);
    const QFont body = arial(9, FontStyle::Regular);
    const QFont warning = arial(9, FontStyle::Bold);
    const QFont hint = arial(8.25, FontStyle::BoldItalic);
    const int left = Qt::AlignLeft | Qt::AlignTop;
    const int centred = Qt::AlignHCenter | Qt::AlignTop;
    const int right = Qt::AlignRight | Qt::AlignTop;
    const auto row = [](const char *what, const char *window, const char *name, const QString &text,
                        const QFont &font, const QColor &color, int alignment, const QRect &rect) {
        QTest::newRow(what) << window << name << text << font << color << alignment << rect;
    };

    row("splash title", "Accueil", "Etiquette1", "Sobrimetre", title, darkRedText, left,
        twips(1320, 360, 2415, 615));
    row("splash version", "Accueil", "Etiquette3", "version 4.0", bold, windowText, left,
        twips(1320, 960, 1215, 375));
    row("splash credit and licence", "Accueil", "Etiquette2",
        "© 2026 les auteurs de Sobrimetre\nLogiciel libre sous licence GNU GPL, version 3 ou "
        "ultérieure.",
        plain, windowText, centred, twips(240, 1560, 3255, 735));

    row("About title", "APropos", "Etiquette1", "Sobrimetre", title, darkRedText, left,
        twips(840, 120, 2400, 600));
    row("About version", "APropos", "Etiquette3", "version 4.0", bold, windowText, left,
        twips(840, 720, 1215, 255));
    row("About credit", "APropos", "Etiquette2", "© 2026 les auteurs de Sobrimetre", plain,
        windowText, left, twips(840, 960, 2895, 255));
    row("About notice", "APropos", "Etiquette4",
        "Logiciel libre (GNU GPL version 3 ou ultérieure) : chacun peut l'utiliser et le "
        "partager librement. Il est fourni sans aucune garantie. Les auteurs déclinent toute "
        "responsabilité quant à l'utilisation du programme et des informations qu'il fournit.",
        arial(8.25, FontStyle::Italic), darkRedText, centred, twips(360, 1320, 3135, 1365));

    for (const char *page : {"Notice1", "Notice2"}) {
        const QByteArray prefix(page);
        row(prefix + " title", page, "Etiquette1", "Sobrimetre", title, darkRedText, left,
            twips(1320, 240, 2400, 615));
        row(prefix + " version", page, "Etiquette3", "version 4.0", bold, windowText, left,
            twips(3720, 480, 1335, 255));
        row(prefix + " credit", page, "Etiquette2", "© 2026 les auteurs de Sobrimetre", plain,
            windowText, left, twips(5880, 480, 2775, 255));
        row(prefix + " close button", page, "Fermer", "&Fermer", body, QColor(), 0,
            twips(7920, 5760, 975, 375));
    }

    row("page 1 button", "Notice1", "PageSuiv", ">>", arial(9.75, FontStyle::Regular), QColor(), 0,
        twips(6840, 5760, 975, 375));
    row("page 1 road", "Notice1", "Etiquette4",
        "L'alcoolémie tolérable au volant peut être rapidement dépassée, avec les conséquences "
        "dramatiques que l'actualité de la route nous rappelle trop souvent...",
        body, windowText, left, twips(360, 1080, 8535, 495));
    row("page 1 threshold", "Notice1", "Etiquette5",
        "Or, combien de personnes atteignent, sans vraiment s'en rendre compte, ce seuil "
        "fatidique au cours d'un repas ou d'une soirée entre amis et se sentent à tort capables "
        "de conduire ?",
        body, windowText, left, twips(360, 1560, 8535, 495));
    row("page 1 estimate", "Notice1", "Etiquette6",
        "Ce logiciel propose une évaluation, nécessairement approximative, mais facile (et "
        "préventive !) de l'alcoolémie en fonction des principaux paramètres qui la "
        "déterminent :",
        body, windowText, left, twips(360, 2040, 8535, 495));
    row("page 1 first item", "Notice1", "Etiquette7",
        "- le poids, la corpulence et le sexe de l'individu ;", body, darkGreenText, left,
        twips(1200, 2520, 6135, 255));
    row("page 1 second item", "Notice1", "Etiquette8",
        "- le volume et le degré alcoolique des boissons absorbées ;", body, darkGreenText, left,
        twips(1200, 2760, 6135, 255));
    row("page 1 third item, wider", "Notice1", "Etiquette9",
        "- la prise d'aliments (le fait de boire à jeun est un facteur de risque "
        "supplémentaire) ;",
        body, darkGreenText, left, twips(1200, 3000, 7215, 255));
    row("page 1 fourth item", "Notice1", "Etiquette10",
        "- enfin, le temps écoulé depuis l'absorption.", body, darkGreenText, left,
        twips(1200, 3240, 6135, 255));
    row("page 1 weight", "Notice1", "Etiquette14",
        "Il suffit de renseigner les rubriques en commençant par le POIDS de la personne. La "
        "CORPULENCE doit aussi être prise en considération car, à poids égal, la concentration "
        "d'alcool dans le sang sera plus élevée pour un sujet obèse.",
        body, windowText, left, twips(360, 3600, 8535, 735));
    row("page 1 drinks", "Notice1", "Etiquette11",
        "Indiquer ensuite si vous avez ou non pris un REPAS et le NOMBRE DE VERRES consommés. "
        "Modifier si nécessaire le VOLUME et le DEGRÉ alcoolique des différentes sortes de "
        "boissons.",
        body, windowText, left, twips(360, 4320, 8535, 495));
    row("page 1 defaults", "Notice1", "Etiquette13",
        "Les valeurs saisies pour le poids, la corpulence, le sexe, la prise de repas, les "
        "volumes et degrés alcooliques des boissons peuvent être enregistrées comme valeurs par "
        "défaut par la commande SAUVEGARDER du menu OPTIONS, puis rappelées par la commande "
        "INITIALISER.",
        body, windowText, left, twips(360, 4920, 8535, 855));
    row("page 1 hint, two blanks before the arrows", "Notice1", "Etiquette12",
        "CLIQUER SUR  >> POUR AFFICHER LA PAGE SUIVANTE ", hint, darkRedText, right,
        twips(600, 5880, 5895, 255));

    row("page 2 button", "Notice2", "PagePréc", "<<", arial(9.75, FontStyle::Regular), QColor(), 0,
        twips(6840, 5760, 975, 375));
    row("page 2 restore", "Notice2", "Etiquette6",
        "La commande RÉTABLIR du menu OPTIONS permet de restaurer les valeurs d'origine "
        "proposées par SOBRIMETRE.",
        body, windowText, left, twips(360, 1080, 8535, 495));
    row("page 2 delay, with its quotes", "Notice2", "Etiquette4",
        "Le NOMBRE D'HEURES saisi dans la zone \"APRÈS\" s'entend à partir de la FIN DU REPAS ou "
        "de la DERNIÈRE PRISE de boisson alcoolisée. L'évaluation de l'alcoolémie ne peut être "
        "faite que pour un délai minimum de 1 heure après la dernière prise d'alcool. Le "
        "programme indique, s'il y a lieu, dans le cadre \"ATTENDRE ENCORE...\", le délai minimum "
        "d'attente supplémentaire à respecter avant de prendre le volant.",
        body, windowText, left, twips(360, 1680, 8535, 1095));
    row("page 2 first warning", "Notice2", "Etiquette11",
        "MAIS ATTENTION ! IL NE S'AGIT QUE D'ÉVALUATION ET NON DE MESURE !", warning, pureRed, left,
        twips(360, 2880, 8535, 255));
    row("page 2 variations", "Notice2", "Etiquette12",
        "Il existe en effet d'importantes VARIATIONS INDIVIDUELLES portant sur la tolérance à "
        "alcoolémie égale et sur la rapidité du retour à la normale après l'absorption de "
        "boissons alcoolisées.",
        body, windowText, left, twips(360, 3240, 8535, 495));
    row("page 2 other factors", "Notice2", "Etiquette15",
        "D'autres facteurs, qui ne sont pas pris en compte par ce programme, peuvent aussi "
        "interagir avec l'alcool, comme la prise de MÉDICAMENTS :",
        body, windowText, left, twips(360, 3840, 8535, 495));
    row("page 2 medicines", "Notice2", "Etiquette13",
        "Certains médicaments potentialisent les effets de l'alcool : TRANQUILLISANTS et autres "
        "psychotropes, mais aussi analgésiques, antihistaminiques, vasodilatateurs... La prise "
        "d'ASPIRINE peut également élever l'alcoolémie...",
        body, windowText, left, twips(360, 4440, 8535, 735));
    row("page 2 last warning", "Notice2", "Etiquette14",
        "PRUDENCE ET SOBRIÉTÉ RESTENT DONC LES MAÎTRES MOTS DE LA SÉCURITÉ AU VOLANT !", warning,
        pureRed, left, twips(360, 5280, 8535, 255));
    row("page 2 hint, two blanks around the arrows", "Notice2", "Etiquette5",
        "CLIQUER SUR  <<  POUR AFFICHER LA PAGE PRÉCÉDENTE ", hint, darkRedText, right,
        twips(600, 5880, 5895, 255));
}

void TestWindows::texts()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QFont, font);
    QFETCH(QColor, color);
    QFETCH(int, alignment);
    QFETCH(QRect, geometry);

    QWidget *shown = open(window);
    QVERIFY(shown != nullptr);
    auto *widget = child<QWidget>(shown, name);
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(widget->font().family(), font.family());
    QCOMPARE(widget->font().pointSizeF(), font.pointSizeF());
    QCOMPARE(widget->font().bold(), font.bold());
    QCOMPARE(widget->font().italic(), font.italic());
    if (color.isValid())
        QCOMPARE(textColor(widget), color);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(int(label->alignment()), alignment);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->autoFillBackground());
        // The text stands whole inside its label.
        const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(),
                                                               int(label->alignment())
                                                                       | Qt::TextWordWrap,
                                                               text);
        QVERIFY2(label->contentsRect().contains(needed),
                 qPrintable(u"needs %1 by %2"_s.arg(needed.width()).arg(needed.height())));
    }
}

void TestWindows::pictures_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("svg");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("splash icon") << "Accueil"
                                 << "Dessin1"
                                 << ":/icons/sobrimetre.svg" << twips(240, 360, 480, 480);
    QTest::newRow("splash traffic light")
            << "Accueil"
            << "Dessin2"
            << ":/icons/feu_tricolore.svg" << twips(720, 240, 480, 480);
    QTest::newRow("splash clock") << "Accueil"
                                  << "Dessin3"
                                  << ":/icons/horloge.svg" << twips(600, 720, 480, 480);
    QTest::newRow("About icon") << "APropos"
                                << "Dessin1"
                                << ":/icons/sobrimetre.svg" << twips(240, 240, 480, 480);
    QTest::newRow("page 1 icon") << "Notice1"
                                 << "Dessin1"
                                 << ":/icons/sobrimetre.svg" << twips(480, 240, 480, 480);
    QTest::newRow("page 2 icon") << "Notice2"
                                 << "Dessin1"
                                 << ":/icons/sobrimetre.svg" << twips(480, 240, 480, 480);
}

void TestWindows::pictures()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, svg);
    QFETCH(QRect, geometry);

    QWidget *shown = open(window);
    QVERIFY(shown != nullptr);
    auto *picture = child<Picture>(shown, name);
    QCOMPARE(picture->svgPath(), svg);
    QCOMPARE(picture->geometry(), geometry);
    QVERIFY(picture->isVisible());
}

void TestWindows::aboutClosesOnAnyClick_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<Qt::MouseButton>("button");

    QTest::newRow("the picture") << "Dessin1" << Qt::LeftButton;
    QTest::newRow("the title") << "Etiquette1" << Qt::LeftButton;
    QTest::newRow("the credit line") << "Etiquette2" << Qt::LeftButton;
    QTest::newRow("the version") << "Etiquette3" << Qt::LeftButton;
    QTest::newRow("the notice") << "Etiquette4" << Qt::LeftButton;
    QTest::newRow("the background, left button") << "" << Qt::LeftButton;
    QTest::newRow("the background, right button") << "" << Qt::RightButton;
    QTest::newRow("the background, middle button") << "" << Qt::MiddleButton;
}

void TestWindows::aboutClosesOnAnyClick()
{
    QFETCH(QString, part);
    QFETCH(Qt::MouseButton, button);

    bool modal = false;
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        auto *about = qobject_cast<APropos *>(QApplication::activeModalWidget());
        if (about == nullptr)
            return;
        modal = about->isModal();
        QWidget *target = part.isEmpty() ? about : child<QWidget>(about, part);
        if (target == nullptr)
            return;
        // The bottom-left corner is bare background.
        const QPoint where = part.isEmpty() ? QPoint(3, about->height() - 3)
                                            : target->rect().center();
        clicked = true;
        QTest::mouseClick(target, button, {}, where);
    });
    // Should the click not close the window, this closes it so that the test ends.
    bool stillOpen = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&] {
        stillOpen = true;
        if (QWidget *about = QApplication::activeModalWidget())
            about->close();
    });
    rescue.start(3000);

    APropos::showModal(m_mainWindow.get());

    QVERIFY(clicked);
    QVERIFY(modal);
    QVERIFY2(!stillOpen, "the click did not close the window");
    processDeferredDeletes();
    QVERIFY(m_mainWindow->findChildren<APropos *>().isEmpty());
}

void TestWindows::helpPageSequences_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("page1");
    QTest::addColumn<int>("page2");

    QTest::newRow("MNotice shows page 1") << QStringList{"MNotice"} << int(Shown) << int(Gone);
    QTest::newRow("MNotice twice keeps one page 1")
            << QStringList{"MNotice", "MNotice"} << int(Shown) << int(Gone);
    QTest::newRow(">> shows page 2 and hides page 1")
            << QStringList{"MNotice", "PageSuiv"} << int(Hidden) << int(Shown);
    QTest::newRow("Fermer on page 1 unloads it")
            << QStringList{"MNotice", "Fermer1"} << int(Gone) << int(Gone);
    QTest::newRow("<< shows page 1 again and unloads page 2")
            << QStringList{"MNotice", "PageSuiv", "PagePréc"} << int(Shown) << int(Gone);
    QTest::newRow("Fermer on page 2 unloads both pages")
            << QStringList{"MNotice", "PageSuiv", "Fermer2"} << int(Gone) << int(Gone);
    QTest::newRow("MNotice beside page 2 shows both")
            << QStringList{"MNotice", "PageSuiv", "MNotice"} << int(Shown) << int(Shown);
    QTest::newRow("Fermer on page 2 unloads page 1 shown beside it")
            << QStringList{"MNotice", "PageSuiv", "MNotice", "Fermer2"} << int(Gone) << int(Gone);
    QTest::newRow("Fermer on page 1 beside page 2 leaves page 2")
            << QStringList{"MNotice", "PageSuiv", "MNotice", "Fermer1"} << int(Gone) << int(Shown);
    QTest::newRow("<< after page 1 was closed builds it afresh")
            << QStringList{"MNotice", "PageSuiv", "MNotice", "Fermer1", "PagePréc"} << int(Shown)
            << int(Gone);
    QTest::newRow("close box of page 2 leaves page 1 hidden")
            << QStringList{"MNotice", "PageSuiv", "CloseBox2"} << int(Hidden) << int(Gone);
    QTest::newRow("MNotice after the close box of page 2 shows page 1")
            << QStringList{"MNotice", "PageSuiv", "CloseBox2", "MNotice"} << int(Shown)
            << int(Gone);
    QTest::newRow("close box of page 1 leaves page 2")
            << QStringList{"MNotice", "PageSuiv", "MNotice", "CloseBox1"} << int(Gone)
            << int(Shown);
    QTest::newRow("Escape on page 2 leaves page 1 hidden, as its close box does")
            << QStringList{"MNotice", "PageSuiv", "Escape2"} << int(Hidden) << int(Gone);
    QTest::newRow("Escape on page 1 beside page 2 leaves page 2")
            << QStringList{"MNotice", "PageSuiv", "MNotice", "Escape1"} << int(Gone) << int(Shown);
    QTest::newRow("Enter on >>, then on <<, as their clicks")
            << QStringList{"MNotice", "PageSuiv Entrée", "PagePréc Entrée pavé"} << int(Shown)
            << int(Gone);
    QTest::newRow("Enter on Fermer of page 1 unloads it")
            << QStringList{"MNotice", "Fermer1 Entrée"} << int(Gone) << int(Gone);
    QTest::newRow(">> again after << shows a fresh page 2")
            << QStringList{"MNotice", "PageSuiv", "PagePréc", "PageSuiv"} << int(Hidden)
            << int(Shown);
}

void TestWindows::helpPageSequences()
{
    QFETCH(QStringList, actions);
    QFETCH(int, page1);
    QFETCH(int, page2);

    for (const QString &action : actions) {
        perform(action);
        if (QTest::currentTestFailed())
            return;
    }

    // A closed page is unloaded at once, even before Qt gets round to destroying it.
    QCOMPARE(int(stateOf(HelpPage::loaded<Notice1>())), page1);
    QCOMPARE(int(stateOf(HelpPage::loaded<Notice2>())), page2);
    processDeferredDeletes();
    const auto live1 = m_mainWindow->findChildren<Notice1 *>();
    const auto live2 = m_mainWindow->findChildren<Notice2 *>();
    QCOMPARE(live1.size(), page1 == Gone ? 0 : 1);
    QCOMPARE(live2.size(), page2 == Gone ? 0 : 1);
    QCOMPARE(HelpPage::loaded<Notice1>(), live1.value(0));
    QCOMPARE(HelpPage::loaded<Notice2>(), live2.value(0));
    for (QWidget *page : {static_cast<QWidget *>(HelpPage::loaded<Notice1>()),
                          static_cast<QWidget *>(HelpPage::loaded<Notice2>())}) {
        if (page != nullptr) {
            QVERIFY(page->isWindow());
            QCOMPARE(page->windowModality(), Qt::NonModal);
        }
    }
}

void TestWindows::helpPagesEndWithTheProgram_data()
{
    QTest::addColumn<bool>("destroyMainWindow");

    QTest::newRow("closing every help page") << false;
    QTest::newRow("destroying the main window") << true;
}

// Page 2 shown and page 1 hidden behind it: both must go when the program ends.
void TestWindows::helpPagesEndWithTheProgram()
{
    QFETCH(bool, destroyMainWindow);

    perform(u"MNotice"_s);
    perform(u"PageSuiv"_s);
    QPointer<Notice1> page1 = HelpPage::loaded<Notice1>();
    QPointer<Notice2> page2 = HelpPage::loaded<Notice2>();
    QVERIFY(page1 != nullptr && page2 != nullptr);
    QVERIFY(!page1->testAttribute(Qt::WA_QuitOnClose));
    QVERIFY(!page2->testAttribute(Qt::WA_QuitOnClose));

    if (destroyMainWindow)
        m_mainWindow.reset();
    else
        HelpPage::closeAll();
    processDeferredDeletes();

    QVERIFY(page1.isNull());
    QVERIFY(page2.isNull());
    QVERIFY(HelpPage::loaded<Notice1>() == nullptr);
    QVERIFY(HelpPage::loaded<Notice2>() == nullptr);
}

void TestWindows::unexpectedErrorIsReported_data()
{
    QTest::addColumn<bool>("fromTimer");

    QTest::newRow("from a mouse press") << false;
    QTest::newRow("from a timer's tick") << true;
}

void TestWindows::unexpectedErrorIsReported()
{
    QFETCH(bool, fromTimer);

    FailingWidget failing(m_mainWindow.get());
    failing.show();
    const auto provoke = [&] {
        if (fromTimer)
            failing.startTimer(0);
        else
            QTest::mouseClick(&failing, Qt::LeftButton);
    };

    MessageBoxWatcher watcher;
    provoke();
    QTRY_COMPARE(watcher.count(), 1);
    QCOMPARE(watcher.titles().first(), warningTitle);
    QCOMPARE(watcher.texts().first(),
             u"Erreur inattendue : dépassement de capacité : masse d'alcool"_s);
    QCOMPARE(watcher.lastIcon(), QMessageBox::Warning);

    // The program goes on: the next event is handled, and fails and is reported in its turn.
    provoke();
    QTRY_COMPARE(watcher.count(), 2);
    QCOMPARE(failing.failures, 2);
    // The release that ends each failed press still reaches the widget.
    QCOMPARE(failing.releases, fromTimer ? 0 : 2);
}

// The tests run under the program's own application object, which reports unexpected errors.
int main(int argc, char *argv[])
{
    Application application(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    TestWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windows.moc"

using namespace Qt::StringLiterals;
