#pragma once

#include "Prompter.h"

#include <optional>

class QWidget;

namespace mobwright {

// "Adjust…": how to change the selected number cells (set to, add, multiply
// by a value, or a formula over the row's columns) and what becomes of
// values that leave a field's range, with every change previewed as it is
// typed; nothing when the user cancels.
std::optional<Adjustment> AskAdjustment(QWidget *parent, const AdjustQuestion &question);

} // namespace mobwright
