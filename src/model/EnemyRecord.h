#pragma once

#include "EnemyLayout.h"
#include "TableGeometry.h"

#include <array>
#include <cstdint>
#include <span>

namespace mobwright {

// The 94 bytes of one enemy record, the bytes that belong to no field included.
class EnemyRecord
{
public:
    static EnemyRecord fromBytes(std::span<const std::uint8_t, ENEMY_RECORD_SIZE> bytes);
    std::span<const std::uint8_t, ENEMY_RECORD_SIZE> allBytes() const { return bytes_; }

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

} // namespace mobwright
