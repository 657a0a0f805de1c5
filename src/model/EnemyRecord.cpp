#include "EnemyRecord.h"

#include "RecordCursor.h"
#include "RomFile.h"

namespace mobwright {
namespace {

// Walks the fields in record order; the cursor steps over untouched bytes.
template<typename NameTransfer, typename ByteTransfer>
void WalkRecord(RecordCursor &cursor, NameTransfer transferName, ByteTransfer transferByte)
{
    cursor.setPosition(0);
    for (const FieldLayout &layout : EnemyLayout) {
        if (layout.encoding == Encoding::GameText) {
            transferName(cursor.fileOffset(layout.offset), layout.field);
            continue;
        }
        cursor.advance(layout.offset - cursor.position());
        for (int i = 0; i < layout.width; ++i)
            transferByte(layout.field, i);
    }
}

} // namespace

std::uint32_t EnemyRecord::value(Field field) const
{
    std::uint32_t result = 0;
    const auto fieldBytes = bytes(field);
    for (std::size_t i = fieldBytes.size(); i-- > 0;)
        result = (result << 8) | fieldBytes[i];
    return result;
}

void EnemyRecord::setValue(Field field, std::uint32_t value)
{
    for (std::uint8_t &b : bytes(field)) {
        b = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::span<const std::uint8_t> EnemyRecord::bytes(Field field) const
{
    return const_cast<EnemyRecord *>(this)->bytes(field);
}

std::span<std::uint8_t> EnemyRecord::bytes(Field field)
{
    const FieldLayout &layout = LayoutOf(field);
    return std::span(bytes_).subspan(static_cast<std::size_t>(layout.offset),
                                     static_cast<std::size_t>(layout.width));
}

EnemyRecord ReadEnemyRecord(RecordCursor &cursor)
{
    EnemyRecord record;
    WalkRecord(
        cursor,
        [&](std::uint32_t offset, Field field) { cursor.rom().ReadRomBytes(offset, record.bytes(field)); },
        [&](Field field, int i) { record.bytes(field)[static_cast<std::size_t>(i)] = cursor.ReadRecordByte(); });
    return record;
}

void WriteEnemyRecord(RecordCursor &cursor, const EnemyRecord &record)
{
    WalkRecord(
        cursor,
        [&](std::uint32_t offset, Field field) { cursor.rom().WriteRomBytes(offset, record.bytes(field)); },
        [&](Field field, int i) { cursor.WriteRecordByte(record.bytes(field)[static_cast<std::size_t>(i)]); });
}

} // namespace mobwright
