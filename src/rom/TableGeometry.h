#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace mobwright {

// Where the enemy table lies in an image that carries a 512-byte copier header.
inline constexpr std::uint32_t ENEMY_TABLE_OFFSET = 0x1597E7;
inline constexpr int ENEMY_RECORD_SIZE = 94;
inline constexpr int ENEMY_COUNT = 230;

inline constexpr std::uint32_t COPIER_HEADER_SIZE = 512;
inline constexpr std::uint32_t ENEMY_TABLE_SIZE = ENEMY_RECORD_SIZE * ENEMY_COUNT;

// A cartridge dump is a whole number of KiB; a copier header adds 512 bytes
// in front of it. Any other size is neither, and no offset in it can be trusted.
enum class ImageKind { Headerless, CopierHeader };

constexpr std::optional<ImageKind> KindOfImageSize(std::uint64_t imageSize)
{
    switch (imageSize % 1024) {
    case 0:
        return ImageKind::Headerless;
    case COPIER_HEADER_SIZE:
        return ImageKind::CopierHeader;
    default:
        return std::nullopt;
    }
}

// The file offset of a table whose offset in a headered image is given.
constexpr std::uint32_t OffsetInImage(std::uint32_t headeredOffset, ImageKind kind)
{
    return kind == ImageKind::CopierHeader ? headeredOffset : headeredOffset - COPIER_HEADER_SIZE;
}

// The cartridge's own bytes: the file's without its copier header.
constexpr std::span<const std::uint8_t> CartridgeBytes(std::span<const std::uint8_t> file,
                                                       ImageKind kind)
{
    return kind == ImageKind::CopierHeader ? file.subspan(COPIER_HEADER_SIZE) : file;
}

constexpr std::uint32_t EnemyTableOffset(ImageKind kind)
{
    return OffsetInImage(ENEMY_TABLE_OFFSET, kind);
}

constexpr std::uint32_t EnemyRecordOffset(std::uint32_t tableOffset, int index)
{
    return tableOffset + static_cast<std::uint32_t>(ENEMY_RECORD_SIZE * index);
}

} // namespace mobwright
