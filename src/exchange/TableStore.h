#pragma once

#include "ImportPlan.h"
#include "TableCells.h"

namespace mobwright {

class RomFile;

// All 230 records, every byte, in one read; throws RomError.
EnemyTable ReadEnemyTable(RomFile &rom);

// Writes each changed record whole, in one write each, then syncs once.
// Checks first that every record still holds what the plan was made from;
// throws RomError, having written nothing, if one does not.
void WriteRecordChanges(RomFile &rom, const std::vector<RecordChange> &changes);

} // namespace mobwright
