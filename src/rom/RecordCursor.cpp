#include "RecordCursor.h"

#include "RomError.h"
#include "RomFile.h"
#include "TableGeometry.h"

#include <string>

namespace mobwright {

RecordCursor::RecordCursor(RomFile &rom, SelectionSource selectedRecord)
    : rom_(rom)
    , selectedRecord_(std::move(selectedRecord))
{
}

std::uint32_t RecordCursor::fileOffset(int recordOffset) const
{
    const int index = selectedRecord_();
    if (index < 0 || index >= ENEMY_COUNT)
        throw RomError("No enemy is selected.");
    if (recordOffset < 0 || recordOffset >= ENEMY_RECORD_SIZE)
        throw RomError("Record offset " + std::to_string(recordOffset) +
                       " lies outside the enemy record.");
    return EnemyRecordOffset(rom_.tableOffset(), index) + static_cast<std::uint32_t>(recordOffset);
}

std::uint8_t RecordCursor::ReadRecordByte()
{
    const std::uint8_t value = rom_.ReadRomByte(fileOffset(position_));
    advance(1);
    return value;
}

void RecordCursor::WriteRecordByte(std::uint8_t value)
{
    rom_.WriteRomByte(fileOffset(position_), value);
    advance(1);
}

} // namespace mobwright
