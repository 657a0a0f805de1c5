#pragma once

#include <QObject>

class QHeaderView;
class QMenu;
class QPoint;
class QTableView;

namespace mobwright {

class EnemyTableModel;
class FilterBar;
class ShownColumns;

// The menu of a column's title: sort by the column either way or go back to
// the enemies' order, filter by the column's values, and choose the columns
// shown. Sorting lives here since a click on a title selects the column; the
// title sorted by keeps its arrow.
class HeaderMenu : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QTableView &frozen;
        QTableView &table;
        ShownColumns &shown;
        const EnemyTableModel &model;
        FilterBar &filter;
    };
    HeaderMenu(Parts parts, int enemySection, QObject *parent);

    void sortBy(int section, Qt::SortOrder order);
    void sortInEnemiesOrder() { sortBy(enemySection_, Qt::AscendingOrder); }
    // The drop-down of the values of the column in section, under its title.
    void showValues(int section);

private:
    // The entries for sorting by section, into menu.
    void addSortEntries(QMenu &menu, int section);
    void show(const QHeaderView &header, const QPoint &where);

    QTableView &frozen_;
    QTableView &table_;
    ShownColumns &shown_;
    const EnemyTableModel &model_;
    FilterBar &filter_;
    int enemySection_;
};

} // namespace mobwright
