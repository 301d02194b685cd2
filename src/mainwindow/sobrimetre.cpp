#include "sobrimetre.h"

#include "journal/journal.h"
#include "toolkit/picture.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

using namespace Qt::StringLiterals;

Sobrimetre::Sobrimetre(QWidget *parent, Clock clock)
    : QMainWindow(parent)
    , m_clock(std::move(clock))
{
    setObjectName(u"Sobrimetre"_s);
    setWindowTitle(u"Sobrimetre"_s);
    setWindowIcon(QIcon(u":/icons/sobrimetre.svg"_s));
    m_journal = new Journal(this);
    m_journal->setExpiry([this](std::vector<JournalEntry> &entries) { dropEveningsOver(entries); });
    MinuterieJournal = new QTimer(this);
    MinuterieJournal->setObjectName(u"MinuterieJournal"_s);
    MinuterieJournal->setSingleShot(true);
    OuvrirJournal = new QShortcut(Qt::CTRL | Qt::Key_J, this);
    OuvrirJournal->setObjectName(u"OuvrirJournal"_s);
    createWidgets();
    nameForAccessibility();
    connectEvents();
    placeOnScreen();
    Form_Load();
}

QList<QLineEdit *> Sobrimetre::textBoxes() const
{
    QList<QLineEdit *> boxes{Poids};
    for (const DrinkColumn &column : drinkColumns) {
        for (QLineEdit *box : column.boxes())
            boxes << box;
    }
    boxes << Délai;
    return boxes;
}

void Sobrimetre::connectEvents()
{
    for (QRadioButton *option : {CorpuN, CorpuF, OptionH, OptionF}) {
        // As in the desktop's own dialogs, Tab enters a group of options at its selected
        // option; the arrow keys move within the group.
        const auto keepTabStop = [option](bool selected) {
            option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        };
        keepTabStop(option->isChecked());
        connect(option, &QAbstractButton::toggled, option, keepTabStop);
        connect(option, &QAbstractButton::toggled, this, &Sobrimetre::Option_Click);
    }
    connect(CocheR, &QAbstractButton::toggled, this, &Sobrimetre::CocheR_Click);

    connect(Poids, &QLineEdit::textChanged, this, &Sobrimetre::Poids_Change);
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const DrinkColumn &column = drinkColumn(drink.category);
        connect(column.count, &QLineEdit::textChanged, this, &Sobrimetre::NB_Change);
        connect(column.volume, &QLineEdit::textChanged, this, &Sobrimetre::VOL_Change);
        connect(column.degree, &QLineEdit::textChanged, this, &Sobrimetre::DEG_Change);
        connect(column.button, &Picture::clicked, this,
                [this, category = drink.category] { DrinkButton_Click(category); });
    }
    connect(Délai, &QLineEdit::textChanged, this, &Sobrimetre::Délai_Change);
    for (QLineEdit *box : textBoxes())
        box->installEventFilter(this);

    connect(BtnQuitter, &QPushButton::clicked, this, &Sobrimetre::Quitter_Click);
    connect(Quitter, &QAction::triggered, this, &Sobrimetre::Quitter_Click);
    connect(BtnIni, &QPushButton::clicked, this, &Sobrimetre::Ini_Click);
    connect(Ini, &QAction::triggered, this, &Sobrimetre::Ini_Click);
    connect(Rétablir, &QAction::triggered, this, &Sobrimetre::Rétablir_Click);
    connect(Sauve, &QAction::triggered, this, &Sobrimetre::Sauve_Click);
    connect(GraphImg, &Picture::clicked, this, &Sobrimetre::GraphMenu_Click);
    connect(GraphMenu, &QAction::triggered, this, &Sobrimetre::GraphMenu_Click);
    connect(SeuilProbatoire, &QAction::toggled, this, &Sobrimetre::SeuilProbatoire_Click);
    connect(EstimationPrudente, &QAction::toggled, this, &Sobrimetre::EstimationPrudente_Click);
    connect(JournalSoiree, &QAction::toggled, this, &Sobrimetre::JournalSoiree_Click);
    connect(OuvrirJournal, &QShortcut::activated, this, &Sobrimetre::OuvrirJournal_Activated);
    connect(MinuterieJournal, &QTimer::timeout, this, &Sobrimetre::MinuterieJournal_Timeout);
    connect(m_journal, &Journal::changed, this, &Sobrimetre::Journal_Changed);
    connect(MNotice, &QAction::triggered, this, &Sobrimetre::MNotice_Click);
    connect(Info, &QAction::triggered, this, &Sobrimetre::Info_Click);
}

// The text boxes' focus arrival: the whole text is selected, so that typing replaces it.
bool Sobrimetre::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && qobject_cast<QLineEdit *>(watched) != nullptr)
        SelectWholeText();
    return QMainWindow::eventFilter(watched, event);
}
