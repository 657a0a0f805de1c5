#include "Journal.h"

#include "JournalFormat.h"
#include "NetChange.h"

#include <set>

namespace mobwright {
namespace {

qint64 RecordsSize(const JournalEntry &entry)
{
    const qint64 mark = entry.mark == EntryMark::None ? 0 : EncodeMark(0, entry.mark).size();
    return EncodeEntry(entry).size() + mark;
}

// Where content is larger than cap, joins its oldest entries into one until
// it takes three quarters of it: the original and the newest entry stay.
void JoinOldest(JournalContent &content, qint64 cap)
{
    std::vector<JournalEntry> &entries = content.entries;
    qint64 size = EncodeJournal({content.image, content.original, {}}).size();
    std::vector<qint64> sizes;
    for (const JournalEntry &entry : entries)
        size += sizes.emplace_back(RecordsSize(entry));
    if (size <= cap)
        return;
    std::size_t joining = 0;
    while (size > cap / 4 * 3 && joining + 1 < entries.size())
        size -= sizes[joining++];
    if (joining == 0)
        return; // the newest entry alone outgrows the cap
    NetChange net;
    std::set<int> enemies;
    for (std::size_t i = 0; i < joining; ++i) {
        net.add(entries[i]);
        enemies.insert(entries[i].enemies.begin(), entries[i].enemies.end());
    }
    JournalEntry joined{entries[joining - 1].sequence,
                        entries[joining - 1].time,
                        "Earlier writes, joined to make room",
                        {enemies.begin(), enemies.end()},
                        net.spans(),
                        EntryMark::Written};
    entries.erase(entries.begin(), entries.begin() + std::ptrdiff_t(joining));
    entries.insert(entries.begin(), std::move(joined));
}

} // namespace

Journal::Journal(std::unique_ptr<JournalStorage> storage, JournalImage image, qint64 cap)
    : storage_(std::move(storage))
    , cap_(cap)
{
    content_.image = std::move(image);
    recorded_ = content_.image;
    const std::optional<QByteArray> bytes = storage_->read();
    if (!bytes)
        return;
    DecodedJournal decoded = DecodeJournal(*bytes);
    recorded_ = decoded.content.image;
    content_.original = std::move(decoded.content.original);
    content_.entries = std::move(decoded.content.entries);
    end_ = decoded.goodBytes;
    unread_ = decoded.unreadBytes;
    rewrite_ = recorded_ != content_.image;
}

Journal::Journal(std::unique_ptr<JournalStorage> storage, JournalImage image, JournalContent taken,
                 qint64 cap)
    : storage_(std::move(storage))
    , cap_(cap)
    , content_(std::move(taken))
    , recorded_(content_.image)
{
    content_.image = std::move(image);
}

const JournalEntry *Journal::unfinished() const
{
    const auto &entries = content_.entries;
    return !entries.empty() && entries.back().mark == EntryMark::None ? &entries.back() : nullptr;
}

void Journal::keepOriginal(OriginalTable table)
{
    if (content_.original)
        return;
    pending_ += EncodeOriginal(table);
    content_.original = std::move(table);
}

std::uint64_t Journal::begin(JournalEntry entry, std::optional<std::uint64_t> settles, bool sync)
{
    if (const JournalEntry *open = unfinished(); open && open->sequence != settles)
        throw JournalError("The write \"" + open->step + "\" into " + image().path +
                           " was cut short and is not settled yet: finish it, roll it back or "
                           "leave it as it is first.");
    entry.sequence = entries().empty() ? 1 : entries().back().sequence + 1;
    entry.mark = EntryMark::None;
    const QByteArray record = EncodeEntry(entry);
    content_.entries.push_back(std::move(entry));
    try {
        store(record, sync);
    } catch (const JournalError &) {
        content_.entries.pop_back();
        throw;
    }
    return entries().back().sequence;
}

void Journal::finish(std::uint64_t sequence, EntryMark mark)
{
    if (!unfinished() || unfinished()->sequence != sequence)
        return;
    content_.entries.back().mark = mark;
    const QByteArray record = EncodeMark(sequence, mark);
    try {
        // A mark lost with the power reads as an unfinished entry whose
        // write is whole, which is the truth: it needs no sync of its own.
        store(record, false);
    } catch (const JournalError &) {
        pending_ += record;
    }
}

void Journal::settle(EntryMark mark)
{
    if (!unfinished())
        return;
    content_.entries.back().mark = mark;
    try {
        store(EncodeMark(entries().back().sequence, mark), true);
    } catch (const JournalError &) {
        content_.entries.back().mark = EntryMark::None;
        throw;
    }
}

void Journal::store(const QByteArray &records, bool sync)
{
    if (rewrite_ || end_ + pending_.size() + records.size() > cap_) {
        JournalContent next = content_;
        JoinOldest(next, cap_);
        const QByteArray bytes = EncodeJournal(next);
        storage_->replace(bytes);
        content_ = std::move(next);
        end_ = bytes.size();
        recorded_ = content_.image;
        rewrite_ = false;
    } else {
        storage_->append(end_, pending_ + records, sync);
        end_ += pending_.size() + records.size();
    }
    pending_.clear();
    unread_ = 0;
}

} // namespace mobwright
