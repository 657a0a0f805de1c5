#include "RecordMerge.h"

#include <algorithm>

namespace mobwright {

PendingRecord MergedOnto(const PendingRecord &mine, const EnemyRecord &theirs)
{
    PendingRecord merged{theirs, theirs, mine.unparsed, {}};
    for (const RecordCell &cell : EveryCell()) {
        const int offset = cell.offset();
        const int width = cell.width();
        const auto base = mine.base.bytes(offset, width);
        const auto edit = mine.target.bytes(offset, width);
        const auto now = theirs.bytes(offset, width);
        const std::optional<Field> field = cell.field();
        const bool typed = field && mine.unparsed.contains(*field);
        const bool kept = !std::ranges::equal(edit, base) && !std::ranges::equal(edit, now);
        if (kept)
            std::ranges::copy(edit, merged.target.bytes(offset, width).begin());
        const bool theyChanged = !std::ranges::equal(base, now) || mine.conflicts.contains(offset);
        if ((kept || typed) && theyChanged)
            merged.conflicts.insert(offset);
    }
    return merged;
}

EnemyRecord ToWrite(const PendingRecord &pending, const std::set<int> &confirmed)
{
    EnemyRecord record = pending.target;
    for (const int offset : pending.conflicts) {
        if (confirmed.contains(offset))
            continue;
        const int width = CellAt(offset).width();
        std::ranges::copy(pending.base.bytes(offset, width), record.bytes(offset, width).begin());
    }
    return record;
}

} // namespace mobwright
