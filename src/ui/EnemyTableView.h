#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace mobwright {

class EnemyTableModel;
struct EnemyTable;

// "View › Enemy Table": every enemy in a sortable, filterable table of its
// own window. Choosing a row (double-click or Enter) asks for that enemy.
class EnemyTableView : public QWidget
{
    Q_OBJECT

public:
    explicit EnemyTableView(QWidget *parent = nullptr);

    void showTable(EnemyTable table, const QString &imageName);

signals:
    void enemyChosen(int index);

private:
    void updateCount();

    EnemyTableModel *model_;
    QSortFilterProxyModel *proxy_;
    QLineEdit *filter_;
    QTableView *table_;
    QLabel *count_;
    bool columnsSized_ = false;
};

} // namespace mobwright
