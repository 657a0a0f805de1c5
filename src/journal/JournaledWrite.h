#pragma once

#include "Journal.h"
#include "RecordStore.h"

namespace mobwright {

// Writes records and bytes through the one write path, journaled: the entry (and, at
// the first write, the original table) is on the disk before the image is
// written, and is marked once the image is synced or the write refused. A
// write cut short or not synced stays unfinished until it is settled. With
// no journal (the user turned it off) it is the write path alone. settles:
// the unfinished entry this write finishes or rolls back.
WriteOutcome JournaledWrite(Journal *journal, RomFile &rom, const ImageWrite &write,
                            const std::string &step, bool sync = true,
                            std::optional<std::uint64_t> settles = {});

} // namespace mobwright
