#include "RecordStore.h"

#include "ASCIIControl.h"
#include "RomError.h"
#include "RomFile.h"

namespace mobwright {
namespace {

std::uint32_t RecordOffset(const RomFile &rom, int index)
{
    if (index < 0 || index >= ENEMY_COUNT)
        throw RomError("There is no enemy " + std::to_string(index + 1) + ".");
    return EnemyRecordOffset(rom.tableOffset(), index);
}

} // namespace

RecordWrite Reversed(const RecordWrite &write)
{
    return {write.index, write.after, write.before};
}

EnemyRecord ReadRecordAt(RomFile &rom, int index)
{
    std::array<std::uint8_t, ENEMY_RECORD_SIZE> bytes{};
    rom.ReadRomBytes(RecordOffset(rom, index), bytes);
    return EnemyRecord::FromBytes(bytes);
}

std::vector<EnemyRecord> ReadAllRecords(RomFile &rom)
{
    std::vector<std::uint8_t> table(ENEMY_TABLE_SIZE);
    rom.ReadRomBytes(rom.tableOffset(), table);
    std::vector<EnemyRecord> records;
    records.reserve(ENEMY_COUNT);
    for (int k = 0; k < ENEMY_COUNT; ++k)
        records.push_back(
            EnemyRecord::FromBytes(std::span(table)
                                       .subspan(static_cast<std::size_t>(k) * ENEMY_RECORD_SIZE)
                                       .first<ENEMY_RECORD_SIZE>()));
    return records;
}

void ReplaceRecords(RomFile &rom, std::span<const RecordWrite> writes)
{
    rom.ConfirmUnchanged();
    for (const RecordWrite &write : writes) {
        if (ReadRecordAt(rom, write.index) != write.before)
            throw RomError("Enemy " + ASCIIControl::ZeroPad(std::to_string(write.index + 1), 3) +
                           " in \"" + rom.path() +
                           "\" was changed by another program, so nothing was written.");
    }
    for (const RecordWrite &write : writes)
        rom.WriteRomBytes(RecordOffset(rom, write.index), write.after.allBytes());
    rom.Sync();
}

} // namespace mobwright
