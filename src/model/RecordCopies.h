#pragma once

#include "PendingEdits.h"

#include <map>
#include <vector>

namespace mobwright {

// Whole records moved between enemies, as pending edits for one step of the
// history. A record holds no number of its own (an enemy's number is its
// place in the table), so each enemy keeps its number while all 94 bytes
// of another's record move in: the name, every field and every byte that no
// field shows, with the text its fields refuse, as the form shows them.

// The pending records of targets, each with copied's record; those that
// show it already (copied's own enemy, say) are left out.
std::map<int, PendingRecord> RecordCopiedOnto(const PendingRecord &copied, const std::vector<int> &targets,
                                              const PendingOf &pendingOf);

// The pending records of two enemies with their records exchanged; none
// for an enemy swapped with itself.
std::map<int, PendingRecord> RecordsSwapped(int first, int second, const PendingOf &pendingOf);

} // namespace mobwright
