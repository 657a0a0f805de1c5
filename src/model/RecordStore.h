#pragma once

#include "EnemyRecord.h"
#include "WriteOutcome.h"

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

// The whole enemy table, in one read.
std::vector<EnemyRecord> ReadAllRecords(RomFile &rom);
// Records first to last, in one read.
std::vector<EnemyRecord> ReadRecords(RomFile &rom, int first, int last);

// The one way records are written. Nothing is written unless the file is
// still the image that was opened, with its size, and every changed record
// still holds its before bytes. The span from the first to the last changed
// record is then written in one write, the records between as just read,
// and synced once (unless sync is false). The outcome tells exactly what
// happened, down to which enemies a short write left new, cut or old.
WriteOutcome WriteRecords(RomFile &rom, std::vector<RecordWrite> writes, bool sync = true);

} // namespace mobwright
