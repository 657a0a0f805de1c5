#pragma once

#include "ActionKinds.h"
#include "EnemyLayout.h"
#include "ValueLists.h"

namespace mobwright {

// The fixed entries of a list field's control; empty for the argument lists,
// whose entries follow their slot's action, and for fields without a list.
LabelList FixedEntries(Field field);

// An argument byte can name entries 1 to 255, so the argument lists hold at
// most 255 entries.
inline constexpr int MAX_ARGUMENT_ENTRIES = 255;

// The argument entries a PSI action offers: the first 255 PSI labels.
LabelList PsiArgumentLabels();
// The argument entries an item action offers: every item but "0 - Null".
LabelList ItemArgumentLabels();

// How many entries the argument list offers for an action of this kind.
int ArgumentEntryCount(ActionKind kind);

} // namespace mobwright
