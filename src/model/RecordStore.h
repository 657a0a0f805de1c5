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

// Writes record's 94 bytes in one write, once the file is confirmed to be the
// image that was opened (RomFile::ConfirmUnchanged). It does not sync.
void WriteRecordAt(RomFile &rom, int index, const EnemyRecord &record);

// Writes each change's after bytes, a write per record, then syncs once.
// Nothing is written unless the file is still the image that was opened and
// every record still holds its before bytes; otherwise throws RomError.
void ReplaceRecords(RomFile &rom, std::span<const RecordWrite> writes);

} // namespace mobwright
