#include "CraftedCartridge.h"
#include "HeaderSearch.h"
#include "RomChecksum.h"

#include <gtest/gtest.h>

#include <bit>

using namespace mobwright;

namespace {

constexpr std::size_t MIB = 1 << 20;

// The image as the cartridge maps it: its part past the largest power of
// two, itself laid out so, repeated until it fills as much again.
std::vector<std::uint8_t> Mirrored(std::span<const std::uint8_t> image)
{
    const std::size_t first = std::bit_floor(image.size());
    std::vector<std::uint8_t> mapped(image.begin(),
                                     image.begin() + static_cast<std::ptrdiff_t>(first));
    const std::vector<std::uint8_t> rest =
        first < image.size() ? Mirrored(image.subspan(first)) : mapped;
    while (mapped.size() < std::bit_ceil(image.size()))
        mapped.insert(mapped.end(), rest.begin(), rest.end());
    return mapped;
}

} // namespace

TEST(RomChecksum, AFixedImageSumsToItsChecksumForEveryMappingSizeAndCopierHeader)
{
    for (const std::size_t size :
         {MIB / 2, MIB, 1403 * MIB / 1024, 3 * MIB / 2, 2 * MIB, 3 * MIB, 4 * MIB, 6 * MIB}) {
        const std::vector<std::uint8_t> noise = test::RandomBytes(COPIER_HEADER_SIZE + size, 5);
        for (const HeaderPlace place : HEADER_PLACES) {
            for (const ImageKind kind : {ImageKind::Headerless, ImageKind::CopierHeader}) {
                if (HeaderOffset(place) + 0x40 > size)
                    continue;
                SCOPED_TRACE(testing::Message() << size << " bytes, " << HeaderPlaceName(place)
                                                << ", copier header: " << int(kind));
                const std::size_t front = kind == ImageKind::CopierHeader ? COPIER_HEADER_SIZE : 0;
                std::vector<std::uint8_t> file(noise.begin(), noise.begin() + front + size);
                test::PutInternalHeader(std::span(file).subspan(front), place);
                const auto image = CartridgeBytes(file, kind);
                const auto found = FindInternalHeader(image).found;
                ASSERT_TRUE(found && found->place == place);

                const ChecksumFix fix = MakeChecksumFix(image, *found, kind);
                const auto at = file.begin() + fix.fileOffset;
                EXPECT_TRUE(std::equal(fix.before.begin(), fix.before.end(), at));
                std::copy(fix.after.begin(), fix.after.end(), at);
                const std::vector<std::uint8_t> mapped = Mirrored(image);
                std::uint16_t sum = 0;
                for (std::size_t k = 0; k < mapped.size(); ++k)
                    sum = static_cast<std::uint16_t>(sum + mapped.data()[k]);
                const auto fixed = FindInternalHeader(image).found;
                ASSERT_TRUE(fixed);
                EXPECT_EQ(fixed->checksum, sum);
                EXPECT_TRUE(fixed->checksumPairAgrees());
                // Summed in blocks that straddle the mirrored parts' edges.
                ChecksumSum parts(image.size());
                for (std::size_t at = 0; at < image.size(); at += 100'003)
                    parts.add(at,
                              image.subspan(at, std::min<std::size_t>(100'003, image.size() - at)));
                EXPECT_EQ(parts.checksum(*fixed), sum);
            }
        }
    }
}

TEST(RomChecksum, APatternedImageSumsAsWorkedOut)
{
    // Byte i holds i % 251: the first n bytes are whole runs of 0..250 and a part run.
    const auto patternSum = [](std::uint64_t n) {
        return n / 251 * (250 * 251 / 2) + n % 251 * (n % 251 - 1) / 2;
    };
    const struct
    {
        std::size_t size;
        HeaderPlace place;
        std::uint64_t restTimes, fieldTimes;
    } cases[] = {
        {3 * MIB / 2, HeaderPlace::LoROM, 2, 1},
        {5 * MIB / 2, HeaderPlace::HiROM, 4, 1},
        {6 * MIB, HeaderPlace::ExHiROM, 2, 2}, // its header in the part counted twice
    };
    for (const auto &c : cases) {
        std::vector<std::uint8_t> image(c.size);
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>(i % 251);
        const InternalHeader header = *ReadInternalHeader(image, c.place);
        const std::uint64_t field = header.checksumFieldOffset(), first = std::bit_floor(c.size);
        const std::uint64_t expected =
            patternSum(first) + c.restTimes * (patternSum(c.size) - patternSum(first)) +
            c.fieldTimes * (0x1FE - (patternSum(field + 4) - patternSum(field)));
        EXPECT_EQ(ComputeChecksum(image, header), expected & 0xFFFF) << c.size;
        EXPECT_THROW(ComputeChecksum(std::span(image).first(field + 3), header), std::out_of_range);
    }
}
