#pragma once

#include "CellTexts.h"

#include <QStyledItemDelegate>

namespace mobwright {

class EnemyTableModel;

// Edits a cell of the enemy table as the form edits its field: list cells
// through their list, or by an entry's number, label or name typed, which
// complete as typed; others as text checked as the form checks it. Text a
// cell refuses is not taken: the cell stays in edit, framed in red, and its
// tooltip says what the cell accepts.
class CellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    CellDelegate(const EnemyTableModel &model, QObject *parent = nullptr);

    // Room the style leaves at each side of a cell's text.
    static int textMargin(const QWidget *view);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // Frames the editor in red with what it accepts when its text is refused.
    bool markRefusal(QWidget *editor) const;

    const EnemyTableModel &model_;
    mutable CellTexts laidOut_;
};

} // namespace mobwright
