#pragma once

#include "EnemyLayout.h"

#include <optional>

namespace mobwright {

// Where the window's parts go to show an enemy: the record editor.
class EnemyNavigator
{
public:
    virtual ~EnemyNavigator() = default;

    virtual int shownEnemy() const = 0;
    // Shows the enemy exactly as picking it would, with the focus on focus's control if given.
    virtual void showEnemy(int index, std::optional<Field> focus = {}) = 0;
};

} // namespace mobwright
