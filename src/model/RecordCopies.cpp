#include "RecordCopies.h"

namespace mobwright {
namespace {

// pending with what other shows in place of its own record; its base, and
// with it what conflicts with the file, stays.
PendingRecord Showing(PendingRecord pending, const PendingRecord &other)
{
    pending.target = other.target;
    pending.unparsed = other.unparsed;
    return pending;
}

} // namespace

std::map<int, PendingRecord> RecordCopiedOnto(const PendingRecord &copied, const std::vector<int> &targets,
                                              const PendingOf &pendingOf)
{
    std::map<int, PendingRecord> records;
    for (const int target : targets) {
        const PendingRecord pending = pendingOf(target);
        if (!(pending.target == copied.target && pending.unparsed == copied.unparsed))
            records.emplace(target, Showing(pending, copied));
    }
    return records;
}

std::map<int, PendingRecord> RecordsSwapped(int first, int second, const PendingOf &pendingOf)
{
    if (first == second)
        return {};
    const PendingRecord one = pendingOf(first);
    const PendingRecord other = pendingOf(second);
    return {{first, Showing(one, other)}, {second, Showing(other, one)}};
}

} // namespace mobwright
