#pragma once

#include "EnemyLayout.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace mobwright {

// The fixed label lists of the drop-down lists. An entry's position (from 0)
// is what a record stores for it; see each field's encoding for the rule.
using LabelList = std::span<const std::string_view>;

LabelList TypeLabels();       // 3
LabelList DeathSoundLabels(); // 2
LabelList OrderLabels();      // 4
LabelList ItemFreqLabels();   // 8
LabelList MusicLabels();      // 192
LabelList InsidePicLabels();  // 111
LabelList OutsidePicLabels(); // 463, stored as position + 1
LabelList ItemLabels();       // 256

// One label per action code, 0 to 318.
LabelList ActionLabels();
// The first PSI action: the PSI actions are codes 10 to 61 (KindOfAction).
inline constexpr std::size_t FIRST_PSI_CODE = 10;
// The labels of action codes 10 to 318, from the first PSI action to the
// last action: row r names code r + 10.
LabelList PsiLabels();

// The fixed entries of a list: none for ValueList::None and the argument
// lists, whose entries follow their slot's action.
LabelList EntriesOf(ValueList list);

} // namespace mobwright
