#pragma once

#include "EnemyLayout.h"
#include "TableGeometry.h"

#include <array>
#include <cstdint>
#include <span>

namespace mobwright {

class RecordCursor;

// The bytes of one enemy record as a record pass transfers them. Bytes that
// belong to no field are never read, so they stay zero here.
class EnemyRecord
{
public:
    // A field's stored value, little-endian; not meaningful for the name.
    std::uint32_t value(Field field) const;
    void setValue(Field field, std::uint32_t value);

    std::span<const std::uint8_t> bytes(Field field) const;
    std::span<std::uint8_t> bytes(Field field);
    // The bytes at record offsets offset to offset + width - 1.
    std::span<const std::uint8_t> bytes(int offset, int width) const;
    std::span<std::uint8_t> bytes(int offset, int width);

    bool operator==(const EnemyRecord &) const = default;

private:
    std::array<std::uint8_t, ENEMY_RECORD_SIZE> bytes_{};
};

// Reads the selected record in record order through the cursor, adjacent
// fields in one transfer; the name goes by its absolute offset.
EnemyRecord ReadEnemyRecord(RecordCursor &cursor);
// Writes every field of record into the selected record, in the same order.
// Bytes that belong to no field are left alone.
void WriteEnemyRecord(RecordCursor &cursor, const EnemyRecord &record);

} // namespace mobwright
