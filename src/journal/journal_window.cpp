#include "journal_window.h"

#include "engine/arithmetic_overflow.h"
#include "engine/estimate.h"
#include "engine/read_number.h"
#include "glass_delegate.h"
#include "glass_time.h"
#include "journal.h"
#include "toolkit/appearance.h"
#include "toolkit/colors.h"
#include "toolkit/message_box.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QTableWidgetItem *cell(const QString &text, const QVariant &editValue)
{
    auto *item = new QTableWidgetItem(text);
    item->setData(GlassDelegate::editRole, editValue);
    return item;
}

} // namespace

JournalWindow::JournalWindow(Journal &journal, AddGlass addGlass, Clock clock, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window)
    , m_journal(journal)
    , m_addGlass(std::move(addGlass))
    , m_clock(std::move(clock))
    , m_mainWindow(mainWindow)
{
    setObjectName(u"Journal"_s);
    setWindowTitle(u"Journal de la soirée"_s);
    setWindowIcon(QIcon(u":/icons/sobrimetre.svg"_s));
    createWidgets();
    connectEvents();
    refresh();
}

void JournalWindow::createWidgets()
{
    Consigne = new QLabel(u"Ajouter un verre bu maintenant :"_s, this);
    Consigne->setObjectName(u"Consigne"_s);
    auto *buttons = new QHBoxLayout;
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        auto *button = new QToolButton(this);
        button->setObjectName(u"Ajouter"_s + QString::fromUtf8(drink.button));
        button->setIcon(QIcon(u":/icons/%1.svg"_s.arg(QString::fromUtf8(drink.picture))));
        button->setIconSize(QSize(32, 32));
        button->setText(QString::fromUtf8(drink.heading));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setToolTip(u"Ajouter un verre bu maintenant"_s);
        button->setAccessibleName(QString::fromUtf8(drink.addGlass) + u" maintenant"_s);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        buttons->addWidget(button);
        Ajouter[indexOf(drink.category)] = button;
    }

    Verres = new QTableWidget(0, 4, this);
    Verres->setObjectName(u"Verres"_s);
    Verres->setAccessibleName(u"Verres de la soirée"_s);
    Verres->setHorizontalHeaderLabels({u"Heure"_s, u"Boisson"_s, u"Volume (cl)"_s, u"Degré"_s});
    Verres->verticalHeader()->hide();
    Verres->setSelectionBehavior(QAbstractItemView::SelectRows);
    Verres->setSelectionMode(QAbstractItemView::SingleSelection);
    Verres->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    Verres->setTabKeyNavigation(false);
    Verres->horizontalHeader()->setSectionResizeMode(KindColumn, QHeaderView::Stretch);
    Verres->setItemDelegate(
            new GlassDelegate([this](int row, int column,
                                     const QVariant &value) { Verres_Edited(row, column, value); },
                              Verres));
    Verres->installEventFilter(this);

    Etat = new QLabel(this);
    Etat->setObjectName(u"Etat"_s);
    Etat->setWordWrap(true);

    Supprimer = new QPushButton(u"&Supprimer le verre"_s, this);
    Supprimer->setObjectName(u"Supprimer"_s);
    NouvelleSoiree = new QPushButton(u"&Nouvelle soirée..."_s, this);
    NouvelleSoiree->setObjectName(u"NouvelleSoiree"_s);
    Fermer = new QPushButton(u"&Fermer"_s, this);
    Fermer->setObjectName(u"Fermer"_s);
    auto *commands = new QHBoxLayout;
    commands->addWidget(Supprimer);
    commands->addWidget(NouvelleSoiree);
    commands->addStretch();
    commands->addWidget(Fermer);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Consigne);
    layout->addLayout(buttons);
    layout->addWidget(Verres, 1);
    layout->addWidget(Etat);
    layout->addLayout(commands);
    resize(620, 420);
}

void JournalWindow::connectEvents()
{
    for (const DrinkCategoryInfo &drink : drinkCategories)
        connect(Ajouter[indexOf(drink.category)], &QToolButton::clicked, this,
                [this, category = drink.category] { m_addGlass(category); });
    connect(&m_journal, &Journal::changed, this, &JournalWindow::refresh);
    connect(Supprimer, &QPushButton::clicked, this, &JournalWindow::Supprimer_Click);
    connect(NouvelleSoiree, &QPushButton::clicked, this, &JournalWindow::NouvelleSoiree_Click);
    connect(Fermer, &QPushButton::clicked, this, &QWidget::close);
}

void JournalWindow::showBesideMainWindow()
{
    if (!m_placed) {
        placeBesideMainWindow();
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

// On the right of the main window where the screen leaves room, else on its left, else over it.
void JournalWindow::placeBesideMainWindow()
{
    const QRect main = m_mainWindow->frameGeometry();
    const QScreen *screen = m_mainWindow->screen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : main;
    constexpr int gap = 8;
    QPoint place(main.right() + gap, main.top());
    if (place.x() + width() > room.right())
        place.setX(std::max(room.left(), main.left() - gap - width()));
    place.setY(std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    move(place);
}

void JournalWindow::refresh()
{
    // The selection stays on its glass, wherever the glass now stands.
    const int current = Verres->currentRow();
    const bool selected = current >= 0 && current < static_cast<int>(m_rows.size());
    const LoggedGlass kept = selected ? m_rows[static_cast<std::size_t>(current)] : LoggedGlass();
    m_rows = m_journal.glasses();
    const QDateTime now = m_clock();
    const QChar decimal = QLocale().decimalPoint().front();
    Verres->setRowCount(static_cast<int>(m_rows.size()));
    int keptRow = -1;
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        const LoggedGlass &glass = m_rows[index];
        const DrinkCategoryInfo &drink = drinkCategories[indexOf(glass.category)];
        const int row = static_cast<int>(index);
        const QDateTime moment = momentOf(glass.minute);
        Verres->setItem(row, TimeColumn,
                        cell(glassTimeText(glass.minute, now),
                             u"%1:%2"_s.arg(moment.time().hour(), 2, 10, QChar(u'0'))
                                     .arg(moment.time().minute(), 2, 10, QChar(u'0'))));
        QTableWidgetItem *kind = cell(QString::fromUtf8(drink.heading),
                                      static_cast<int>(indexOf(drink.category)));
        kind->setIcon(QIcon(u":/icons/%1.svg"_s.arg(QString::fromUtf8(drink.picture))));
        Verres->setItem(row, KindColumn, kind);
        Verres->setItem(row, VolumeColumn,
                        cell(quantityText(glass.volumeCl, decimal),
                             quantityText(glass.volumeCl, u'.')));
        Verres->setItem(row, DegreeColumn,
                        cell(quantityText(glass.degree, decimal),
                             quantityText(glass.degree, u'.')));
        for (const int column : {VolumeColumn, DegreeColumn})
            Verres->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (selected && glass == kept)
            keptRow = row;
    }
    if (keptRow >= 0)
        Verres->setCurrentCell(keptRow, std::max(Verres->currentColumn(), 0));
    Verres->resizeColumnToContents(TimeColumn);
    Supprimer->setEnabled(!m_rows.empty());
    NouvelleSoiree->setEnabled(!m_rows.empty());

    QString state = m_journal.failure();
    if (state.isEmpty() && m_rows.empty())
        state = u"Aucun verre noté. Cliquez sur une boisson pour noter un verre bu maintenant."_s;
    Etat->setText(state);
    setTextColor(Etat, m_journal.failure().isEmpty() ? Colour::black : Colour::red);
}

// Applied once the editor has closed: the table is then filled anew.
void JournalWindow::Verres_Edited(int row, int column, const QVariant &value)
{
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    const LoggedGlass glass = m_rows[static_cast<std::size_t>(row)];
    QTimer::singleShot(0, this, [this, glass, column, value] { applyEdit(glass, column, value); });
}

void JournalWindow::applyEdit(const LoggedGlass &glass, int column, const QVariant &value)
{
    LoggedGlass updated = glass;
    switch (column) {
    case TimeColumn: {
        const std::optional<QTime> clockTime = readClockTime(value.toString());
        if (!clockTime) {
            showWarning(this, u"Heure illisible : tapez par exemple 21:15 ou 21 h 15."_s);
            return;
        }
        const TypedMoment moment = latestMomentAt(*clockTime, m_clock());
        if (!moment.minute) {
            showWarning(this, moment.refusal);
            return;
        }
        updated.minute = *moment.minute;
        break;
    }
    case KindColumn:
        updated.category = drinkCategories[static_cast<std::size_t>(value.toInt())].category;
        break;
    default: {
        const bool volume = column == VolumeColumn;
        double number = 0;
        try {
            number = readNumber(value.toString().toStdString());
        } catch (const ArithmeticOverflow &) {
            showWarning(this, u"Calcul impossible : une valeur saisie est trop grande."_s);
            return;
        }
        if (number < 0 || (!volume && number > 100)) {
            showWarning(this, volume ? u"Valeur impossible : un volume ne peut pas être négatif."_s
                                     : u"Valeur impossible : un degré va de 0 à 100."_s);
            return;
        }
        (volume ? updated.volumeCl : updated.degree) = number;
        break;
    }
    }
    m_journal.replace(glass, updated);
}

void JournalWindow::Supprimer_Click()
{
    const int row = Verres->currentRow();
    if (row >= 0 && row < static_cast<int>(m_rows.size()))
        m_journal.remove(m_rows[static_cast<std::size_t>(row)]);
}

void JournalWindow::NouvelleSoiree_Click()
{
    const QString question = u"Effacer les %1 verres du journal pour commencer une nouvelle "
                             u"soirée ?"_s.arg(m_rows.size());
    if (askYesNo(this, u"Nouvelle soirée"_s, question))
        m_journal.clear();
}

// Delete deletes the glass of the row that has the focus; while a cell is being changed, its
// editor has the keys.
bool JournalWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Verres && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        Supprimer_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
