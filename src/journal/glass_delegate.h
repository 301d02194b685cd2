// How a cell of the journal's table is changed: the time, the volume and the degree as typed, the
// kind from the list of the six, with their pictures. Each editor starts from the value the cell
// keeps as its edit value; a new value goes to commit, never straight into the table: the
// journal takes it or refuses it, and the table then shows what the journal holds.
#pragma once

#include <QStyledItemDelegate>

#include <functional>

class GlassDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using Commit = std::function<void(int row, int column, const QVariant &value)>;

    GlassDelegate(Commit commit, QObject *parent);

    // The role of the value an editor starts from: a text, or the index of a kind.
    static constexpr int editRole = Qt::UserRole;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

private:
    Commit m_commit;
};
