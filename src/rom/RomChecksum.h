#pragma once

#include "InternalHeader.h"
#include "TableGeometry.h"

#include <array>
#include <cstdint>
#include <span>

namespace mobwright {

// The cartridge's checksum: the 16-bit sum of every byte of image (the
// cartridge's bytes, without a copier header), the header's complement and
// checksum counted as 0x0000 and 0xFFFF. An image whose size is no power of
// two counts its part past the largest power of two again and again, until it
// fills as much as that power: the last 1 MiB of 3 MiB twice.
std::uint16_t ComputeChecksum(std::span<const std::uint8_t> image, const InternalHeader &header);

// The four bytes that hold the checksum's complement and the checksum, at
// fileOffset in the file (its copier header counted): as they are, and as
// they are to be.
struct ChecksumFix
{
    std::uint32_t fileOffset = 0;
    std::array<std::uint8_t, CHECKSUM_FIELD_SIZE> before{};
    std::array<std::uint8_t, CHECKSUM_FIELD_SIZE> after{};

    bool changes() const { return before != after; }
};

// The fix that makes header's words agree with image, a file of the given kind
// without its copier header.
ChecksumFix MakeChecksumFix(std::span<const std::uint8_t> image, const InternalHeader &header,
                            ImageKind kind);

} // namespace mobwright
