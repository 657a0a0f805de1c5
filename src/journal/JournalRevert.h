#pragma once

#include "Journal.h"
#include "RecordStore.h"

namespace mobwright {

// The writes that take the image back to its original table (to: none), or
// to where it was right after the journal's entry numbered to:
// each record from what the journaled writes left in it to what it held
// then. Bytes none of them changed stay as the image holds them, and so do
// bytes outside the enemy table. Throws JournalError where the journal
// holds no such entry, or an unfinished one.
std::vector<RecordWrite> RevertWrites(const Journal &journal, RomFile &rom,
                                      std::optional<std::uint64_t> to);

// Makes those writes as one journaled write, which the checked write path
// refuses, naming the enemies and fields, where the image no longer holds
// what the journaled writes left.
WriteOutcome Revert(Journal &journal, RomFile &rom, std::optional<std::uint64_t> to,
                    bool sync = true);

} // namespace mobwright
