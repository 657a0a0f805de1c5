#include "CraftedCartridge.h"

#include "TestImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <random>
#include <string_view>

namespace mobwright::test {

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint32_t> words(size / 4 + 1);
    std::generate(words.begin(), words.end(), random);
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(words.data());
    return {bytes, bytes + size};
}

void PutInternalHeader(std::span<std::uint8_t> image, HeaderPlace place)
{
    constexpr std::string_view title = "MOBWRIGHT TEST IMAGE ";
    const auto header = image.subspan(HeaderOffset(place), 0x40);
    std::copy(title.begin(), title.end(), header.begin());
    constexpr std::uint8_t fastRom = 0x30;
    header[0x15] = fastRom | (place == HeaderPlace::LoROM   ? 0x0
                              : place == HeaderPlace::HiROM ? 0x1
                                                            : 0x5);
    header[0x17] =
        static_cast<std::uint8_t>(std::bit_width(std::bit_ceil(image.size()) / 1024) - 1);
    const std::uint8_t words[] = {0x34, 0x12, 0xCB, 0xED}; // complement 0x1234, checksum 0xEDCB
    std::copy(std::begin(words), std::end(words), header.begin() + CHECKSUM_FIELD_OFFSET);
    header[0x3C] = 0x00;
    header[0x3D] = 0x80;
}

void PutInternalHeader(TestImage &image, HeaderPlace place)
{
    std::vector<std::uint8_t> bytes = image.contents();
    PutInternalHeader(std::span(bytes).subspan(image.size() % 1024), place);
    image.setBytes(0, bytes);
}

std::uint16_t PlainChecksum(const std::vector<std::uint8_t> &file)
{
    const std::vector<std::uint8_t> cartridge(file.begin() + file.size() % 1024, file.end());
    const std::size_t whole = std::bit_floor(cartridge.size());
    std::vector<std::uint8_t> mirrored(cartridge.begin(), cartridge.begin() + whole);
    while (mirrored.size() < 2 * whole && cartridge.size() > whole)
        mirrored.insert(mirrored.end(), cartridge.begin() + whole, cartridge.end());
    EXPECT_TRUE(mirrored.size() == whole || mirrored.size() == 2 * whole) << "no plain size";
    unsigned sum = 0;
    for (const std::uint8_t byte : mirrored)
        sum += byte;
    return static_cast<std::uint16_t>(sum);
}

std::uint16_t StoredChecksum(const std::vector<std::uint8_t> &file, HeaderPlace place)
{
    const std::size_t at = file.size() % 1024 + HeaderOffset(place) + CHECKSUM_FIELD_OFFSET;
    const int complement = file[at] | file[at + 1] << 8;
    const int checksum = file[at + 2] | file[at + 3] << 8;
    EXPECT_EQ(complement ^ checksum, 0xFFFF) << "the complement";
    return static_cast<std::uint16_t>(checksum);
}

} // namespace mobwright::test
