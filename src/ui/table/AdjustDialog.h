#pragma once

#include "TableEdits.h"

#include <optional>

class QWidget;

namespace mobwright {

// "Adjust…": how to change the selected number cells (set to, add or
// multiply by a value) and what becomes of values that leave a field's
// range; nothing when the user cancels.
std::optional<Adjustment> AskAdjustment(QWidget *parent, int cellCount);

} // namespace mobwright
