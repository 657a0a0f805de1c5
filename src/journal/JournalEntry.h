#pragma once

#include "EnemyRecord.h"
#include "FileHandle.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace mobwright {

// A journal that cannot be read or written; the message is meant for the user.
class JournalError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Bytes of the image at a file offset, as a write found and left them.
struct JournalSpan
{
    std::uint64_t offset = 0;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after; // as long as before

    bool operator==(const JournalSpan &) const = default;
};

// What became of an entry's write, as the journal was told.
enum class EntryMark {
    None,           // not told: unfinished if last, else interrupted and settled since
    Written,        // written and synced
    NothingWritten, // the write was refused: the image is as it was
    Left,           // interrupted, and left as the image held it
};

// One write into the image, recorded before it was made.
struct JournalEntry
{
    std::uint64_t sequence = 0; // 1, 2, …: kept when older entries go for room
    std::int64_t time = 0;      // milliseconds since 1970, UTC
    std::string step;           // the history's name for it
    std::vector<int> enemies;   // the enemies it writes
    std::vector<JournalSpan> spans;
    EntryMark mark = EntryMark::None;

    bool operator==(const JournalEntry &) const = default;
};

// The enemy table as the image held it before its first write.
struct OriginalTable
{
    std::uint64_t offset = 0; // of record 0 in the image file
    std::vector<std::uint8_t> bytes;

    std::vector<EnemyRecord> records() const;
    bool operator==(const OriginalTable &) const = default;
};

// The image a journal belongs to, as it was at its last write.
struct JournalImage
{
    std::string path; // canonical
    FileIdentity identity;
    std::uint64_t size = 0;

    bool operator==(const JournalImage &) const = default;
};

// Everything a journal holds.
struct JournalContent
{
    JournalImage image;
    std::optional<OriginalTable> original;
    std::vector<JournalEntry> entries; // oldest first
};

} // namespace mobwright
