#pragma once

#include <cstdint>

namespace mobwright {

// Where the enemy table lies in an image that carries a 512-byte copier header.
inline constexpr std::uint32_t ENEMY_TABLE_OFFSET = 0x1597E7;
inline constexpr int ENEMY_RECORD_SIZE = 94;
inline constexpr int ENEMY_COUNT = 230;

inline constexpr std::uint32_t COPIER_HEADER_SIZE = 512;
inline constexpr std::uint32_t ENEMY_TABLE_SIZE = ENEMY_RECORD_SIZE * ENEMY_COUNT;

// A copier header adds 512 bytes to a cartridge dump, whose own size is a
// multiple of 1024; an image of such a size therefore has no header.
constexpr bool HasCopierHeader(std::uint64_t imageSize)
{
    return imageSize % 1024 != 0;
}

constexpr std::uint32_t EnemyTableOffset(std::uint64_t imageSize)
{
    return HasCopierHeader(imageSize) ? ENEMY_TABLE_OFFSET : ENEMY_TABLE_OFFSET - COPIER_HEADER_SIZE;
}

constexpr std::uint32_t EnemyRecordOffset(std::uint32_t tableOffset, int index)
{
    return tableOffset + static_cast<std::uint32_t>(ENEMY_RECORD_SIZE * index);
}

} // namespace mobwright
