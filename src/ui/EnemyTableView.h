#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace mobwright {

class EnemyTableModel;
class ImageSession;

// "View › Enemy Table": every enemy of the session's image, with its pending
// edits, in a sortable, filterable table of its own window, kept up to date
// while shown. Choosing a row (double-click or Enter) asks for that enemy.
class EnemyTableView : public QWidget
{
    Q_OBJECT

public:
    explicit EnemyTableView(ImageSession &session, QWidget *parent = nullptr);

signals:
    void enemyChosen(int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void refresh();
    void updateCount();

    ImageSession &session_;
    EnemyTableModel *model_;
    QSortFilterProxyModel *proxy_;
    QLineEdit *filter_;
    QTableView *table_;
    QLabel *count_;
    bool columnsSized_ = false;
};

} // namespace mobwright
