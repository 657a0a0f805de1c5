#include "HeaderSelection.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>

#include <set>

namespace mobwright {

HeaderSelection::HeaderSelection(QTableView &frozen, QTableView &table, int enemySection,
                                 QObject *parent)
    : QObject(parent)
    , frozen_(frozen)
    , table_(table)
    , enemySection_(enemySection)
{
    // A view that sorts on a click on a title leaves the selection alone;
    // one that does not selects from its titles, with Shift, Ctrl and drags.
    for (QTableView *view : {&frozen_, &table_}) {
        view->setSortingEnabled(false);
        view->horizontalHeader()->setSortIndicatorShown(true);
    }
    frozen_.viewport()->installEventFilter(this);
}

bool HeaderSelection::eventFilter(QObject *object, QEvent *event)
{
    if (object != frozen_.viewport())
        return QObject::eventFilter(object, event);
    // Only the mouse's events are mouse events.
    const auto mouse = [event] { return static_cast<const QMouseEvent *>(event); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return mouse()->button() == Qt::LeftButton &&
               pressOnRowHeader(mouse()->position().toPoint(), mouse()->modifiers());
    case QEvent::MouseMove:
        if (dragging_)
            dragOverRows(mouse()->position().toPoint());
        return dragging_;
    case QEvent::MouseButtonRelease:
        return std::exchange(dragging_, false);
    default:
        return QObject::eventFilter(object, event);
    }
}

bool HeaderSelection::pressOnRowHeader(const QPoint &where, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex index = frozen_.indexAt(where);
    if (!index.isValid() || index.column() != enemySection_)
        return false;
    QItemSelectionModel &selection = *table_.selectionModel();
    const int row = index.row();
    if (!(modifiers & Qt::ShiftModifier) || anchor_ < 0 || anchor_ >= frozen_.model()->rowCount())
        anchor_ = row;
    before_ = modifiers & Qt::ControlModifier ? selection.selection() : QItemSelection();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::ShiftModifier) &&
        selection.isRowSelected(row)) {
        // Ctrl+click on a selected row takes it out.
        selection.select(rows(row, row), QItemSelectionModel::Deselect);
        return true;
    }
    dragging_ = true;
    dragOverRows(where);
    selection.setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    return true;
}

void HeaderSelection::dragOverRows(const QPoint &where)
{
    const int last = frozen_.model()->rowCount() - 1;
    int row = frozen_.rowAt(where.y());
    if (row < 0)
        row = where.y() < 0 ? frozen_.rowAt(0) : last;
    QItemSelection chosen = before_;
    chosen.merge(rows(anchor_, row), QItemSelectionModel::Select);
    table_.selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
    frozen_.scrollTo(frozen_.model()->index(row, enemySection_));
}

QItemSelection HeaderSelection::rows(int from, int to) const
{
    const QAbstractItemModel &model = *table_.model();
    return {model.index(std::min(from, to), 0),
            model.index(std::max(from, to), model.columnCount() - 1)};
}

void HeaderSelection::selectColumnsOfSelection()
{
    std::set<int> columns;
    for (const QModelIndex &index : table_.selectionModel()->selectedIndexes())
        columns.insert(index.column());
    if (columns.empty() && table_.currentIndex().isValid())
        columns.insert(table_.currentIndex().column());
    const QAbstractItemModel &model = *table_.model();
    QItemSelection whole;
    for (const int column : columns)
        whole.select(model.index(0, column), model.index(model.rowCount() - 1, column));
    table_.selectionModel()->select(whole, QItemSelectionModel::ClearAndSelect);
}

void HeaderSelection::selectRowsOfSelection()
{
    std::set<int> chosen;
    for (const QModelIndex &index : table_.selectionModel()->selectedIndexes())
        chosen.insert(index.row());
    if (chosen.empty() && table_.currentIndex().isValid())
        chosen.insert(table_.currentIndex().row());
    QItemSelection whole;
    for (const int row : chosen)
        whole.merge(rows(row, row), QItemSelectionModel::Select);
    table_.selectionModel()->select(whole, QItemSelectionModel::ClearAndSelect);
}

} // namespace mobwright
