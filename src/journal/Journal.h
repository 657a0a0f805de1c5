#pragma once

#include "JournalEntry.h"
#include "JournalStorage.h"

#include <memory>

namespace mobwright {

// The journal of one image: every write into it, recorded and synced before
// the write is made and marked once the image is synced, and the enemy
// table as it was before its first write, which is kept for good. It stays
// within its cap by joining its oldest entries into one.
class Journal
{
public:
    static constexpr qint64 DEFAULT_CAP = 16 << 20;

    // The journal that storage holds for image, or a new one, written at its
    // first entry. Throws JournalError where storage holds no journal.
    Journal(std::unique_ptr<JournalStorage> storage, JournalImage image, qint64 cap = DEFAULT_CAP);
    // A journal that takes over the content of another, of an image since
    // moved or copied; it is written whole at its first entry.
    Journal(std::unique_ptr<JournalStorage> storage, JournalImage image, JournalContent taken,
            qint64 cap = DEFAULT_CAP);

    // The image as the journal was last written for it: where it differs
    // from image(), another file has taken the image's place since.
    const JournalImage &recorded() const { return recorded_; }
    const JournalImage &image() const { return content_.image; }
    const JournalContent &content() const { return content_; }
    const std::optional<OriginalTable> &original() const { return content_.original; }
    const std::vector<JournalEntry> &entries() const { return content_.entries; }
    // The last entry where it is not marked: its write was cut short, or
    // the editor stopped before it was synced. Nothing else is journaled
    // until it is settled.
    const JournalEntry *unfinished() const;
    // Bytes at the journal's end that are no whole record: a write cut by a
    // power loss, or damage. They are not read, and go at the next write.
    qint64 unreadBytes() const { return unread_; }
    // Bytes on the disk; nothing before the first entry.
    qint64 size() const { return end_ + unread_; }

    // The table as the image holds it before its first write; it goes to
    // the disk with the next entry.
    void keepOriginal(OriginalTable table);
    // Appends entry and syncs it (when sync is asked) before its write is
    // made; gives its sequence number. Throws JournalError, leaving the
    // journal as it was, where it cannot be written or an unfinished entry
    // is in the way, other than the one that entry settles.
    std::uint64_t begin(JournalEntry entry, std::optional<std::uint64_t> settles, bool sync);
    // Marks the last entry, begun as sequence, once its write is on the
    // disk or was refused. A mark that cannot be written goes with the next
    // entry: until then the entry reads as unfinished, its write whole.
    void finish(std::uint64_t sequence, EntryMark mark);
    // Settles the unfinished entry without writing: mark says what the image
    // holds of it (whole, none, or what it holds, left as it is). Throws
    // JournalError where the mark cannot be written.
    void settle(EntryMark mark);

private:
    // Puts records on the disk after those there, or the whole journal where
    // it is written anew or would outgrow its cap; content_ holds them.
    void store(const QByteArray &records, bool sync);

    std::unique_ptr<JournalStorage> storage_;
    qint64 cap_;
    JournalContent content_;
    JournalImage recorded_;
    qint64 end_ = 0;      // of the records on the disk
    qint64 unread_ = 0;   // bytes past them
    QByteArray pending_;  // records not on the disk yet
    bool rewrite_ = true; // the next write replaces the whole file
};

} // namespace mobwright
