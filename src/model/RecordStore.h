#pragma once

#include "EnemyRecord.h"

#include <span>
#include <vector>

namespace mobwright {

class RomFile;

// One record's bytes before and after a change written to the image.
struct RecordWrite
{
    int index = 0;
    EnemyRecord before;
    EnemyRecord after;
};

// The change that takes a record back to where it was.
RecordWrite Reversed(const RecordWrite &write);

// Record index's 94 bytes, in one read.
EnemyRecord ReadRecordAt(RomFile &rom, int index);
// The whole enemy table, in one read.
std::vector<EnemyRecord> ReadAllRecords(RomFile &rom);

// Writes each change's after bytes, a write per record, then syncs once.
// Nothing is written unless the file is still the image that was opened and
// every record still holds its before bytes; otherwise throws RomError.
void ReplaceRecords(RomFile &rom, std::span<const RecordWrite> writes);

} // namespace mobwright
