#include "TableStore.h"

#include "RomError.h"
#include "RomFile.h"

namespace mobwright {
namespace {

std::span<std::uint8_t> WholeRecord(EnemyRecord &record)
{
    return record.bytes(0, ENEMY_RECORD_SIZE);
}

std::span<const std::uint8_t> WholeRecord(const EnemyRecord &record)
{
    return record.bytes(0, ENEMY_RECORD_SIZE);
}

} // namespace

EnemyTable ReadEnemyTable(RomFile &rom)
{
    std::vector<std::uint8_t> bytes(ENEMY_TABLE_SIZE);
    rom.ReadRomBytes(rom.tableOffset(), bytes);
    std::vector<EnemyRecord> records(ENEMY_COUNT);
    for (int k = 0; k < ENEMY_COUNT; ++k) {
        const auto first = bytes.begin() + k * ENEMY_RECORD_SIZE;
        std::copy(first, first + ENEMY_RECORD_SIZE, WholeRecord(records[static_cast<std::size_t>(k)]).begin());
    }
    return EnemyTable(std::move(records));
}

void WriteRecordChanges(RomFile &rom, const std::vector<RecordChange> &changes)
{
    for (const RecordChange &change : changes) {
        EnemyRecord stored;
        rom.ReadRomBytes(EnemyRecordOffset(rom.tableOffset(), change.index), WholeRecord(stored));
        if (!(stored == change.before))
            throw RomError("Enemy " + std::to_string(change.index + 1) +
                           " has been changed by another program since the table was read; nothing was written.");
    }
    for (const RecordChange &change : changes)
        rom.WriteRomBytes(EnemyRecordOffset(rom.tableOffset(), change.index), WholeRecord(change.after));
    rom.Sync();
}

} // namespace mobwright
