#pragma once

#include <QToolButton>

#include <functional>
#include <vector>

namespace mobwright {

// "used by N" beside a list control: the enemies whose records use its
// entry, in a menu; choosing one asks for that enemy. Hidden when none do.
class UsedByButton : public QToolButton
{
    Q_OBJECT

public:
    // Names an enemy in the menu: "005: Rust Beetle".
    using EnemyName = std::function<QString(int index)>;

    UsedByButton(EnemyName name, QWidget *parent = nullptr);

    void showUsers(std::vector<int> users);

signals:
    void enemyChosen(int index);

private:
    void showCount(std::size_t users);
    void fillMenu();

    EnemyName name_;
    std::vector<int> users_;
};

} // namespace mobwright
