#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace mobwright {

// Where a cartridge's internal header may lie: the last 64 bytes of the bank
// the CPU starts in, which the memory mapping puts at a different offset of the
// image (offsets here are in the image without its copier header).
enum class HeaderPlace { LoROM, HiROM, ExHiROM };
inline constexpr std::array<HeaderPlace, 3> HEADER_PLACES{HeaderPlace::LoROM, HeaderPlace::HiROM,
                                                          HeaderPlace::ExHiROM};

std::uint32_t HeaderOffset(HeaderPlace place);
std::string_view HeaderPlaceName(HeaderPlace place);

inline constexpr int HEADER_TITLE_SIZE = 21;
// The checksum's complement and the checksum, two little-endian words, in
// that order from this offset in the header.
inline constexpr std::uint32_t CHECKSUM_FIELD_OFFSET = 0x1C;
inline constexpr std::uint32_t CHECKSUM_FIELD_SIZE = 4;
// The header's 32 bytes and the 32 bytes of vectors after them.
inline constexpr std::uint32_t HEADER_AND_VECTORS_SIZE = 0x40;

struct InternalHeader
{
    HeaderPlace place = HeaderPlace::LoROM;
    std::array<std::uint8_t, HEADER_TITLE_SIZE> title{};
    std::uint8_t mapMode = 0;
    std::uint8_t cartridgeType = 0;
    std::uint8_t romSize = 0; // 1 KiB << romSize
    std::uint8_t ramSize = 0; // none, or 1 KiB << ramSize
    std::uint8_t region = 0;
    std::uint8_t maker = 0;
    std::uint8_t version = 0;
    std::uint16_t complement = 0;
    std::uint16_t checksum = 0;
    // Where the CPU starts, from the vectors that follow the header.
    std::uint16_t resetVector = 0;

    std::uint32_t offset() const { return HeaderOffset(place); }
    std::uint32_t checksumFieldOffset() const { return offset() + CHECKSUM_FIELD_OFFSET; }
    bool checksumPairAgrees() const { return checksum + complement == 0xFFFF; }
    // The ROM size the header declares, or nothing for a code no cartridge has.
    std::optional<std::uint64_t> declaredRomBytes() const;
};

// The header at place with the vectors after it, or nothing when the image
// ends before them.
std::optional<InternalHeader> ReadInternalHeader(std::span<const std::uint8_t> image,
                                                 HeaderPlace place);
// The header at place from its bytes and the vectors after them.
InternalHeader ParseInternalHeader(std::span<const std::uint8_t, HEADER_AND_VECTORS_SIZE> bytes,
                                   HeaderPlace place);

} // namespace mobwright
