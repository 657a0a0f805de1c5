#pragma once

#include <QToolBar>

class QAbstractItemModel;
class QCompleter;
class QLineEdit;

namespace mobwright {

// A bar with a field that finds an enemy by its number or by any part of
// its name, with a completion list of the enemies that match.
class FindEnemy : public QToolBar
{
    Q_OBJECT

public:
    explicit FindEnemy(QAbstractItemModel *enemies, QWidget *parent = nullptr);

    // Shows the bar and puts the focus in its field.
    void start();

signals:
    void enemyChosen(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void chooseTyped();

    QAbstractItemModel *enemies_;
    QLineEdit *field_;
    QCompleter *completer_;
};

} // namespace mobwright
