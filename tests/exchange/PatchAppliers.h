#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
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
};

inline Bytes ApplyIps(Bytes image, const Bytes &patch)
{
    PatchReader reader{patch};
    EXPECT_EQ(reader.text(5), "PATCH");
    for (reader.at = 5; reader.text(3) != "EOF";) {
        const std::size_t offset = reader.bigEndian(3), size = reader.bigEndian(2);
        EXPECT_GT(size, 0u) << "no run-length records are written";
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

} // namespace mobwright::test
