#pragma once

#include "JournalEntry.h"

#include <QByteArray>

#include <optional>

namespace mobwright {

// A journal file is its signature, then records: each a 32-bit length, the
// CRC-32 of its body, and the body, whose first byte says what it is (the
// image, the original table, an entry, an entry's mark). Numbers are little
// endian. A record cut short or damaged is never read as one.
inline constexpr char JOURNAL_SIGNATURE[] = "MWJOURN1";

// A whole journal file holding content, each entry followed by its mark.
QByteArray EncodeJournal(const JournalContent &content);
// The records that append to a journal.
QByteArray EncodeOriginal(const OriginalTable &original);
QByteArray EncodeEntry(const JournalEntry &entry);
QByteArray EncodeMark(std::uint64_t sequence, EntryMark mark);

// A journal file read: what it holds up to the first record that is cut
// short or damaged, and where that is.
struct DecodedJournal
{
    JournalContent content;
    qint64 goodBytes = 0; // the signature and every record read
    // Bytes past them that were not read: a write cut by a power loss, or damage.
    qint64 unreadBytes = 0;
};

// Throws JournalError when bytes begin with no journal's signature and image.
DecodedJournal DecodeJournal(const QByteArray &bytes);

} // namespace mobwright
