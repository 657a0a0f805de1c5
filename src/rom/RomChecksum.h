#pragma once

#include "InternalHeader.h"
#include "TableGeometry.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace mobwright {

// The cartridge's checksum: the 16-bit sum of every byte of image (the
// cartridge's bytes, without a copier header), the complement and checksum
// of its header (as read from it) counted as 0x0000 and 0xFFFF. An image whose size is no power of
// two counts its part past the largest power of two again and again, until it
// fills as much as that power: the last 1 MiB of 3 MiB twice.
std::uint16_t ComputeChecksum(std::span<const std::uint8_t> image, const InternalHeader &header);

// The same sum taken a part of the image at a time, as it is read, so that no
// copy of the whole image is needed.
class ChecksumSum
{
public:
    explicit ChecksumSum(std::uint64_t imageSize);

    // The image's bytes from offset on; each byte is to be added once.
    void add(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    // The checksum, once every byte is added, with header's words counted
    // as 0x0000 and 0xFFFF.
    std::uint16_t checksum(const InternalHeader &header) const;

    // A stretch of the image the checksum counts `times` times.
    struct CountedRun
    {
        std::uint64_t start = 0;
        std::uint64_t length = 0;
        std::uint64_t times = 1;
    };

private:
    std::uint64_t timesCounted(std::uint64_t offset) const;

    std::vector<CountedRun> runs_;
    std::uint64_t sum_ = 0; // wraps modulo 2^64, which keeps its low 16 bits right
};

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
