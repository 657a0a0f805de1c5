#include "JournalRevert.h"

#include "JournaledWrite.h"
#include "NetChange.h"
#include "RomFile.h"

#include <algorithm>

namespace mobwright {

std::vector<RecordWrite> RevertWrites(const Journal &journal, RomFile &rom,
                                      std::optional<std::uint64_t> to)
{
    const std::vector<JournalEntry> &entries = journal.entries();
    if (journal.unfinished())
        throw JournalError("The last write into " + journal.image().path +
                           " is not finished: settle it first.");
    if (to && std::ranges::none_of(
                  entries, [&to](const JournalEntry &entry) { return entry.sequence == *to; }))
        throw JournalError("The journal of " + journal.image().path + " holds no write " +
                           std::to_string(*to) + ".");
    NetChange net;
    for (const JournalEntry &entry : entries)
        if (!to || entry.sequence > *to)
            net.add(entry);
    const OriginalTable *original = to || !journal.original() ? nullptr : &*journal.original();
    const std::vector<EnemyRecord> records = ReadAllRecords(rom);
    std::map<int, RecordWrite> writes;
    for (const auto &[offset, byte] : net.bytes()) {
        const std::uint64_t inTable = offset - rom.tableOffset();
        if (offset < rom.tableOffset() || inTable >= ENEMY_TABLE_SIZE)
            continue;
        const std::uint8_t target = original ? original->bytes[inTable] : byte.before;
        if (target == byte.after)
            continue;
        const int enemy = int(inTable / ENEMY_RECORD_SIZE);
        const EnemyRecord &stored = records[std::size_t(enemy)];
        RecordWrite &write =
            writes.try_emplace(enemy, RecordWrite{enemy, stored, stored}).first->second;
        write.before.bytes(int(inTable % ENEMY_RECORD_SIZE), 1)[0] = byte.after;
        write.after.bytes(int(inTable % ENEMY_RECORD_SIZE), 1)[0] = target;
    }
    std::vector<RecordWrite> list;
    for (auto &entry : writes)
        list.push_back(std::move(entry.second));
    return list;
}

WriteOutcome Revert(Journal &journal, RomFile &rom, std::optional<std::uint64_t> to, bool sync)
{
    const std::string step =
        to ? "Revert to where write " + std::to_string(*to) + " left it" : "Revert to the original";
    return JournaledWrite(&journal, rom, {RevertWrites(journal, rom, to), {}}, step, sync);
}

} // namespace mobwright
