#pragma once

#include <zlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Patchers written from the formats' descriptions alone, to check the
// program's patches without its own code.
namespace mobwright::test {

using Bytes = std::vector<std::uint8_t>;

// Reads a patch from its front.
struct PatchReader
{
    const Bytes &patch;
    std::size_t at = 0;

    std::string text(std::size_t size) const
    {
        return {patch.begin() + at, patch.begin() + std::min(at + size, patch.size())};
    }
    std::uint8_t byte() { return patch.at(at++); }
    std::size_t bigEndian(int width)
    {
        std::size_t value = 0;
        while (width-- > 0)
            value = value << 8 | byte();
        return value;
    }
    std::uint64_t bpsNumber()
    {
        std::uint64_t value = 0;
        for (std::uint64_t shift = 1;; shift <<= 7) {
            const std::uint8_t x = byte();
            value += (x & 0x7F) * shift;
            if (x & 0x80)
                return value;
            value += shift << 7;
        }
    }
};

// Each record's offset and size go to records, when given.
inline Bytes ApplyIps(Bytes image, const Bytes &patch,
                      std::vector<std::pair<std::size_t, std::size_t>> *records = nullptr)
{
    PatchReader reader{patch};
    EXPECT_EQ(reader.text(5), "PATCH");
    for (reader.at = 5; reader.text(3) != "EOF";) {
        const std::size_t offset = reader.bigEndian(3), size = reader.bigEndian(2);
        EXPECT_GT(size, 0u) << "no run-length records are written";
        if (records)
            records->emplace_back(offset, size);
        image.resize(std::max(image.size(), offset + size));
        for (std::size_t i = 0; i < size; ++i)
            image[offset + i] = reader.byte();
    }
    reader.at += 3;
    if (reader.at < patch.size())
        image.resize(reader.bigEndian(3));
    EXPECT_EQ(reader.at, patch.size());
    return image;
}

// Nothing when a checksum does not match. Where each source read ends in
// the target goes to sourceReadEnds, when given.
inline std::optional<Bytes> ApplyBps(const Bytes &source, const Bytes &patch,
                                     std::vector<std::size_t> *sourceReadEnds = nullptr)
{
    const auto Crc = [](const Bytes &bytes, std::size_t size) {
        return crc32_z(0, bytes.data(), size);
    };
    const std::size_t end = patch.size() - 12;
    const auto StoredCrc = [&](std::size_t at) {
        return patch.at(at) | patch.at(at + 1) << 8 | patch.at(at + 2) << 16 |
               std::uint32_t(patch.at(at + 3)) << 24;
    };
    if (StoredCrc(end) != Crc(source, source.size()) || StoredCrc(end + 8) != Crc(patch, end + 8))
        return std::nullopt;
    PatchReader reader{patch};
    EXPECT_EQ(reader.text(4), "BPS1");
    reader.at = 4;
    EXPECT_EQ(reader.bpsNumber(), source.size());
    const std::uint64_t targetSize = reader.bpsNumber();
    reader.at += reader.bpsNumber(); // metadata
    Bytes target;
    std::int64_t copyOffset[4]{}; // for SourceCopy and TargetCopy
    while (reader.at < end) {
        const std::uint64_t number = reader.bpsNumber(), action = number & 3;
        if (action >= 2) {
            const std::uint64_t relative = reader.bpsNumber();
            copyOffset[action] += std::int64_t(relative >> 1) * (relative & 1 ? -1 : 1);
        }
        for (std::uint64_t i = 0; i <= number >> 2; ++i) {
            const Bytes &from = action == 3 ? target : source;
            const std::uint8_t byte = action == 1   ? reader.byte()
                                      : action == 0 ? source.at(target.size())
                                                    : from.at(std::size_t(copyOffset[action]++));
            target.push_back(byte);
        }
        if (action == 0 && sourceReadEnds)
            sourceReadEnds->push_back(target.size());
    }
    EXPECT_EQ(target.size(), targetSize);
    if (StoredCrc(end + 4) != Crc(target, target.size()))
        return std::nullopt;
    return target;
}

} // namespace mobwright::test
