#pragma once

#include "Journal.h"
#include "RecordStore.h"

#include <map>

namespace mobwright {

class RomFile;

// What the image holds of an unfinished entry's write, part by part.
enum class WriteHolds {
    New,   // all of it
    Old,   // none of it: as before
    Mixed, // some bytes new, the others as before: the write was cut there
    Other, // bytes that are neither: another program changed them since
};

// An unfinished entry looked at against the image: what each enemy's record
// (and each span outside the table) holds of it, and the writes that would
// finish it or roll it back, as the checked write path takes them. Records
// another program changed since are in neither.
struct Recovery
{
    JournalEntry entry;
    std::string image;
    std::map<int, WriteHolds> enemies;
    std::map<int, std::vector<std::string>> otherParts; // of enemies holding Other
    std::map<std::uint64_t, WriteHolds> outside;        // spans outside the table, by offset
    std::vector<RecordWrite> finishing;
    std::vector<RecordWrite> rollingBack;

    // New or Old where every part is, else Mixed, or Other where any part is.
    WriteHolds overall() const;
    // What the image holds, for the user.
    std::string message() const;
};

// Throws RomError where the image cannot be read.
Recovery Recover(const JournalEntry &entry, RomFile &rom);

enum class Settlement { Finish, RollBack, Leave };

// Settles the journal's unfinished entry as the user chose: the write that
// finishes or rolls it back, journaled as settling it, or a mark where
// there is nothing to write (the outcome then says nothing was written).
WriteOutcome Settle(Journal &journal, RomFile &rom, const Recovery &recovery, Settlement how,
                    bool sync = true);

} // namespace mobwright
