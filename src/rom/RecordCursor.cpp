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

std::uint32_t RecordCursor::fileOffsetOfRun(std::size_t count) const
{
    const std::uint32_t first = fileOffset(position_);
    if (count > 0)
        fileOffset(position_ + static_cast<int>(count) - 1); // the run ends inside the record
    return first;
}

std::uint8_t RecordCursor::ReadRecordByte()
{
    std::uint8_t value = 0;
    ReadRecordBytes({&value, 1});
    return value;
}

void RecordCursor::WriteRecordByte(std::uint8_t value)
{
    WriteRecordBytes({&value, 1});
}

void RecordCursor::ReadRecordBytes(std::span<std::uint8_t> bytes)
{
    rom_.ReadRomBytes(fileOffsetOfRun(bytes.size()), bytes);
    advance(static_cast<int>(bytes.size()));
}

void RecordCursor::WriteRecordBytes(std::span<const std::uint8_t> bytes)
{
    rom_.WriteRomBytes(fileOffsetOfRun(bytes.size()), bytes);
    advance(static_cast<int>(bytes.size()));
}

} // namespace mobwright
