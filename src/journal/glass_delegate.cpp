#include "glass_delegate.h"

#include "engine/drink_category.h"
#include "journal_window.h"
#include "toolkit/number_box.h"

#include <QComboBox>
#include <QIcon>

using namespace Qt::StringLiterals;

namespace {

// Six characters, as the main window's boxes hold.
constexpr int numberLength = 6;
constexpr int timeLength = 8;

} // namespace

GlassDelegate::GlassDelegate(Commit commit, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_commit(std::move(commit))
{ }

QWidget *GlassDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem & /*option*/,
                                     const QModelIndex &index) const
{
    switch (index.column()) {
    case JournalWindow::KindColumn: {
        auto *kinds = new QComboBox(parent);
        for (const DrinkCategoryInfo &drink : drinkCategories)
            kinds->addItem(QIcon(u":/icons/%1.svg"_s.arg(QString::fromUtf8(drink.picture))),
                           QString::fromUtf8(drink.heading));
        kinds->setAccessibleName(u"Boisson"_s);
        return kinds;
    }
    case JournalWindow::VolumeColumn:
    case JournalWindow::DegreeColumn: {
        auto *number = new NumberBox(parent);
        number->setMaxLength(numberLength);
        number->setAccessibleName(index.column() == JournalWindow::VolumeColumn
                                          ? u"Volume en cl"_s
                                          : u"Degré alcoolique"_s);
        return number;
    }
    default: {
        auto *time = new QLineEdit(parent);
        time->setMaxLength(timeLength);
        time->setAccessibleName(u"Heure, par exemple 21:15"_s);
        return time;
    }
    }
}

void GlassDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QVariant value = index.data(editRole);
    if (auto *kinds = qobject_cast<QComboBox *>(editor))
        kinds->setCurrentIndex(value.toInt());
    else if (auto *text = qobject_cast<QLineEdit *>(editor))
        text->setText(value.toString());
}

void GlassDelegate::setModelData(QWidget *editor, QAbstractItemModel * /*model*/,
                                 const QModelIndex &index) const
{
    QVariant value;
    if (auto *kinds = qobject_cast<QComboBox *>(editor))
        value = kinds->currentIndex();
    else if (auto *text = qobject_cast<QLineEdit *>(editor))
        value = text->text();
    if (value != index.data(editRole))
        m_commit(index.row(), index.column(), value);
}
