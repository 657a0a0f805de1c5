#pragma once

#include "PendingEdits.h"

#include <set>

namespace mobwright {

// Edits made on mine.base, carried onto theirs, what the file holds now:
// each field, and each byte no field covers, merged on its own. A part only
// the user edited keeps the edit; a part only the file changed takes the
// file's value; a part both changed alike is no longer edited; a part both
// changed, each to its own value, keeps the user's value as a conflict,
// which stays until either side takes the other's value. Text a field
// could not take stays as typed, and conflicts when the file changed it.
PendingRecord MergedOnto(const PendingRecord &mine, const EnemyRecord &theirs);

// What writing a pending record stores: its target, where each conflicting
// edit whose offset is not among confirmed keeps what the file holds.
EnemyRecord ToWrite(const PendingRecord &pending, const std::set<int> &confirmed);

} // namespace mobwright
