#pragma once

#include <QItemSelection>
#include <QObject>

class QTableView;

namespace mobwright {

// Selection as a spreadsheet makes it from its headers: a click on a column's
// title selects the column, Shift+click extends to it, Ctrl+click adds it,
// dragging across titles selects the columns passed. The frozen view's Enemy
// column is the rows' header and selects rows the same way.
class HeaderSelection : public QObject
{
    Q_OBJECT

public:
    // frozen and table share one selection; enemySection is the Enemy column.
    HeaderSelection(QTableView &frozen, QTableView &table, int enemySection, QObject *parent);

    // The whole columns, or the whole rows, of the cells selected.
    void selectColumnsOfSelection();
    void selectRowsOfSelection();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    bool pressOnRowHeader(const QPoint &where, Qt::KeyboardModifiers modifiers);
    void dragOverRows(const QPoint &where);
    QItemSelection rows(int from, int to) const;

    QTableView &frozen_;
    QTableView &table_;
    int enemySection_;
    int anchor_ = -1;   // the row a range of rows starts from
    bool dragging_ = false;
    // What Ctrl+drag adds the rows passed to.
    QItemSelection before_;
};

} // namespace mobwright
