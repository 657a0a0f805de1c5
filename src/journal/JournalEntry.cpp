#include "JournalEntry.h"

namespace mobwright {

std::vector<EnemyRecord> OriginalTable::records() const
{
    std::vector<EnemyRecord> records;
    for (std::size_t at = 0; at + ENEMY_RECORD_SIZE <= bytes.size(); at += ENEMY_RECORD_SIZE)
        records.push_back(EnemyRecord::fromBytes(
            std::span<const std::uint8_t>(bytes).subspan(at).first<ENEMY_RECORD_SIZE>()));
    return records;
}

} // namespace mobwright
