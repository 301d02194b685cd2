// The main window as it opens, then after a green, a yellow, a red and a severe estimate: a man
// of 70 kg and glasses of wine of 12 cl at 11 degrees, typed as a user types them, with the
// curve and its printed page of the red one, in the average and in the prudent estimate; then
// one glass under the 0,2 g/l limit, a value too large to compute with, with its warning box,
// a negative volume, and a level and a wait of many digits. Then an evening in its journal, at
// 23 h in Paris: the main window that sums it up, the journal's window, and its curve and page.
#include "curve/graph.h"
#include "mainwindow/sobrimetre.h"
#include "screenshot_support.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QTimer>

#include <time.h>

using namespace Qt::StringLiterals;

namespace {

// Gives the text box of that name the focus and writes the text one character after the other
// over what the box held, so that the box is marked as edited even when it held that text already.
void type(const QWidget *window, const QString &box, const QString &text)
{
    auto *field = child<QLineEdit>(window, box);
    field->setFocus();
    for (qsizetype typed = 1; typed <= text.size(); ++typed)
        field->setText(text.left(typed));
}

// Opens the curve of the level shown as Ctrl+G does, pictures it and prints its page to a PDF
// file, then closes it.
void pictureCurve(QWidget *window, const QString &folder, const QString &name)
{
    QTimer::singleShot(0, [&folder, &name] {
        auto *graph = qobject_cast<Graph *>(QApplication::activeModalWidget());
        saveScreenshot(graph, folder, u"courbe_"_s + name);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(folder).filePath(u"page_"_s + name + u".pdf"_s));
        graph->PrintForm(printer);
        graph->close();
    });
    child<QAction>(window, u"GraphMenu"_s)->trigger();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    useFrenchLocale();
    const QString folder = screenshotFolder(argc, argv);
    // Start-up reads and creates Defaut.dat in the current directory.
    const TemporaryWorkingDirectory workingDirectory;

    Sobrimetre window;
    saveScreenshot(&window, folder, u"mainwindow"_s);
    QApplication::setActiveWindow(&window);

    type(&window, u"Poids"_s, u"70"_s);
    type(&window, u"VOL_V"_s, u"12"_s);
    type(&window, u"DEG_V"_s, u"11"_s);
    type(&window, u"NB_V"_s, u"1"_s);
    saveScreenshot(&window, folder, u"mainwindow_vert"_s);

    type(&window, u"NB_V"_s, u"3"_s);
    auto *meal = child<QCheckBox>(&window, u"CocheR"_s);
    meal->setChecked(true);
    saveScreenshot(&window, folder, u"mainwindow_jaune"_s);

    meal->setChecked(false);
    saveScreenshot(&window, folder, u"mainwindow_rouge"_s);
    pictureCurve(&window, folder, u"rouge"_s);
    auto *prudent = child<QAction>(&window, u"EstimationPrudente"_s);
    prudent->setChecked(true);
    saveScreenshot(&window, folder, u"mainwindow_prudente"_s);
    pictureCurve(&window, folder, u"prudente"_s);
    prudent->setChecked(false);

    type(&window, u"NB_V"_s, u"6"_s);
    saveScreenshot(&window, folder, u"mainwindow_noir"_s);

    type(&window, u"NB_V"_s, u"1"_s);
    child<QAction>(&window, u"SeuilProbatoire"_s)->setChecked(true);
    saveScreenshot(&window, folder, u"mainwindow_probatoire"_s);

    // The warning box opens over the window; it is pictured and closed as soon as it shows.
    QTimer::singleShot(0, [&folder] {
        QWidget *box = QApplication::activeModalWidget();
        saveScreenshot(box, folder, u"avertissement"_s);
        box->close();
    });
    type(&window, u"DEG_V"_s, u"9E999"_s);
    saveScreenshot(&window, folder, u"mainwindow_impossible"_s);

    // A level and a wait too wide for their boxes at their size, drawn smaller.
    type(&window, u"DEG_V"_s, u"11"_s);
    type(&window, u"Poids"_s, u"1"_s);
    type(&window, u"NB_V"_s, u"999"_s);
    saveScreenshot(&window, folder, u"mainwindow_grands_nombres"_s);

    type(&window, u"Poids"_s, u"70"_s);
    type(&window, u"NB_V"_s, u"3"_s);
    type(&window, u"VOL_B"_s, u"-25"_s);
    saveScreenshot(&window, folder, u"mainwindow_valeur_impossible"_s);
    type(&window, u"VOL_B"_s, u"25"_s);
    child<QAction>(&window, u"SeuilProbatoire"_s)->setChecked(false);
    window.hide();

    qputenv("TZ", "Europe/Paris");
    tzset();
    QFile journal(u"Soiree.csv"_s);
    if (!journal.open(QIODevice::WriteOnly))
        return 1;
    journal.write("heure;boisson;volume_cl;degre\n"
                  "2026-12-09 20:00+01:00;V;12;11\n2026-12-09 20:45+01:00;V;12;11\n"
                  "2026-12-09 21:30+01:00;B;25;5\n2026-12-09 22:15+01:00;A;4;44\n");
    journal.close();
    Sobrimetre evening(nullptr, [] { return QDateTime(QDate(2026, 12, 9), QTime(23, 0)); });
    type(&evening, u"Poids"_s, u"70"_s);
    child<QAction>(&evening, u"JournalSoiree"_s)->setChecked(true);
    saveScreenshot(&evening, folder, u"mainwindow_journal"_s);
    saveScreenshot(child<QWidget>(&evening, u"Journal"_s), folder, u"journal"_s);
    pictureCurve(&evening, folder, u"journal"_s);
    child<QAction>(&evening, u"EstimationPrudente"_s)->setChecked(true);
    pictureCurve(&evening, folder, u"journal_prudente"_s);
    return 0;
}
