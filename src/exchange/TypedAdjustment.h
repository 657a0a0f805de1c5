#pragma once

#include "TableEdits.h"

namespace mobwright {

// An adjustment as typed into one box, as a spreadsheet user types it: a
// number does what chosen says; a leading sign says it instead ("× 1.1",
// "*1.1", "/2", "+10", "-5", "+10%", "= 300"); anything else, or anything
// typed while chosen is Formula, is a formula over the row's columns
// ("Level * 12 + 30", "= max(HP, 100)").
Adjustment ReadAdjustment(const QString &typed, Adjustment::Operation chosen, bool clamp);

} // namespace mobwright
