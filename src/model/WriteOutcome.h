#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace mobwright {

// What a write of records (and of bytes outside the table) into the image
// did, told exactly.
struct WriteOutcome
{
    enum class Kind {
        Nothing,        // nothing was asked to be written
        Written,        // every record written and on the disk
        NotSynced,      // every record written, but the sync failed
        NothingWritten, // refused before writing, for cause
        ShortWrite,     // the write stopped part way
    };
    enum class Cause { None, Replaced, Resized, ChangedBehind, Failed };

    Kind kind = Kind::Nothing;
    Cause cause = Cause::None;
    std::string image;  // the image's path
    std::string reason; // the system's own words, where it gave any
    std::uint64_t sizeThen = 0;
    std::uint64_t sizeNow = 0;
    std::vector<int> changedBehind; // enemies another program changed
    // What it changed of each, as DifferingParts names it.
    std::map<int, std::vector<std::string>> changedParts;
    // After a short write: enemies wholly written, the one cut and how many
    // of its bytes are new, and those still as they were.
    std::vector<int> whole;
    std::optional<int> cut;
    int cutBytes = 0;
    std::vector<int> untouched;
    // File offsets of bytes outside the table (the header's checksum) that
    // another program changed, and those a short write did not write whole.
    std::vector<std::uint32_t> bytesChangedBehind;
    std::vector<std::uint32_t> bytesNotWritten;

    bool wroteAll() const { return kind == Kind::Written || kind == Kind::NotSynced; }
    bool wroteAny() const { return wroteAll() || kind == Kind::ShortWrite; }
    // What went wrong, for the user; empty when all was written and synced,
    // or nothing was asked.
    std::string message() const;
};

// "enemy 005", "enemies 005 and 012", "enemies 001, 002, …, 010 and 5 more";
// what after gives an enemy follows its number.
std::string EnemyList(const std::vector<int> &indexes,
                      const std::function<std::string(int index)> &after = {});

} // namespace mobwright
