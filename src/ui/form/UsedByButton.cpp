#include "UsedByButton.h"

#include "TableGeometry.h"

#include <QMenu>

namespace mobwright {

UsedByButton::UsedByButton(EnemyName name, QWidget *parent)
    : QToolButton(parent)
    , name_(std::move(name))
{
    setPopupMode(QToolButton::InstantPopup);
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus);
    auto *menu = new QMenu(this);
    setMenu(menu);
    // Listed when asked for: most are never opened.
    connect(menu, &QMenu::aboutToShow, this, &UsedByButton::fillMenu);
    // Room for the most users is kept, shown or not, so that the fields
    // beside stay where they are from one enemy to the next and the pages
    // are all as wide.
    setToolTip(tr("The enemies whose records use this entry"));
    showCount(ENEMY_COUNT);
    setMinimumSize(sizeHint());
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    hide();
}

void UsedByButton::showUsers(std::vector<int> users)
{
    users_ = std::move(users);
    showCount(users_.size());
    setVisible(!users_.empty());
}

void UsedByButton::showCount(std::size_t users)
{
    setText(tr("used by %1").arg(users));
}

void UsedByButton::fillMenu()
{
    menu()->clear();
    for (const int index : users_)
        menu()->addAction(name_(index), this, [this, index] { emit enemyChosen(index); });
}

} // namespace mobwright
