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

// A few bytes of the image outside the enemy table, as they are and as they
// are to be: the internal header's checksum words.
struct BytesWrite
{
    std::uint32_t offset = 0; // in the file
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after; // as long as before
};

// Records and bytes elsewhere that change together, as one write.
struct ImageWrite
{
    std::vector<RecordWrite> records;
    std::vector<BytesWrite> bytes;

    bool empty() const { return records.empty() && bytes.empty(); }
};

// The change that takes the image back to where it was.
ImageWrite Reversed(const ImageWrite &write);

// The one way records are written. Nothing is written unless the file is
// still the image that was opened, with its size, and every changed record
// still holds its before bytes. The span from the first to the last changed
// record is then written in one write, the records between as just read,
// and synced once (unless sync is false). The outcome tells exactly what
// happened, down to which enemies a short write left new, cut or old.
WriteOutcome WriteRecords(RomFile &rom, std::vector<RecordWrite> writes, bool sync = true);
// The same with bytes outside the table: each is checked as a record is, and
// written in a write of its own after the records; all are synced once. A
// short write names the bytes it left unwritten.
WriteOutcome WriteImage(RomFile &rom, ImageWrite write, bool sync = true);

} // namespace mobwright
