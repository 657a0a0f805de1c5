#include "NetChange.h"

namespace mobwright {

void NetChange::add(const JournalEntry &entry)
{
    if (entry.mark == EntryMark::NothingWritten)
        return;
    for (const JournalSpan &span : entry.spans) {
        auto place = bytes_.lower_bound(span.offset);
        for (std::size_t i = 0; i < span.before.size(); ++i) {
            const std::uint64_t offset = span.offset + i;
            // Offsets rise within a span, so each is found or made at place.
            if (place == bytes_.end() || place->first != offset)
                place = bytes_.emplace_hint(place, offset, Byte{span.before[i], span.after[i]});
            place->second.after = span.after[i];
            ++place;
        }
    }
}

std::vector<JournalSpan> NetChange::spans() const
{
    std::vector<JournalSpan> spans;
    for (const auto &[offset, byte] : bytes_) {
        if (spans.empty() || spans.back().offset + spans.back().before.size() != offset)
            spans.push_back({offset, {}, {}});
        spans.back().before.push_back(byte.before);
        spans.back().after.push_back(byte.after);
    }
    return spans;
}

} // namespace mobwright
