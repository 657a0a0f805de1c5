#include "BpsPatch.h"
#include "ImageForm.h"
#include "IpsPatch.h"
#include "PatchAppliers.h"

#include <algorithm>
#include <random>

using namespace mobwright;
using namespace mobwright::test;

namespace {

constexpr std::size_t KiB = 1024;
constexpr std::size_t END_MARKER_OFFSET = 0x454F46;
// A stretch of zeros in the baseline, which a change fills with one byte.
constexpr std::size_t BLANK = 2 * KiB;

struct Edit
{
    const char *name;
    std::size_t kib;
    std::vector<std::pair<std::size_t, std::size_t>> changes; // offset, length, past any header
    std::ptrdiff_t growthKib = 0; // added at the end, or cut when negative
    bool growsFilled = false;
};

Bytes RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    Bytes bytes(size);
    std::ranges::generate(bytes, [&] { return std::uint8_t(random()); });
    return bytes;
}

Bytes Edited(Bytes data, const Edit &edit)
{
    for (const auto &[offset, length] : edit.changes)
        std::for_each_n(data.begin() + std::ptrdiff_t(offset), length, [](auto &b) { b ^= 0xA5; });
    const std::ptrdiff_t growth = edit.growthKib * std::ptrdiff_t(KiB);
    data.resize(std::size_t(std::ptrdiff_t(data.size()) + growth), 0xFF);
    if (!edit.growsFilled && growth > 0)
        std::ranges::copy(RandomBytes(std::size_t(growth), 9), data.end() - growth);
    return data;
}

Bytes WithHeader(ImageKind kind, const Bytes &data, unsigned seed)
{
    Bytes image = kind == ImageKind::CopierHeader ? RandomBytes(COPIER_HEADER_SIZE, seed) : Bytes{};
    image.insert(image.end(), data.begin(), data.end());
    return image;
}

} // namespace

// Each patch turns the baseline, brought to the form the patch is made in,
// into the image in that form, whatever header either has.
TEST(Patch, TurnsTheBaselineIntoTheImageInEitherForm)
{
    const Edit edits[]{
        {"scattered", 256, {{100, 3}, {106, 2}, {5000, 1}, {70000, 40}}},
        {"first and last bytes", 64, {{0, 1}, {64 * KiB - 1, 1}}},
        {"end marker's offset",
         4480,
         {{END_MARKER_OFFSET, 2}, {END_MARKER_OFFSET - COPIER_HEADER_SIZE, 1}}},
        {"longer than a record", 256, {{10, 70000}, {140000, 65535}}},
        {"grown", 64, {{7, 1}}, 32},
        {"filled and grown by a fill", 64, {{BLANK, 64}}, 192, true},
        {"shrunk", 128, {{7, 1}}, -64},
    };
    constexpr ImageKind kinds[]{ImageKind::Headerless, ImageKind::CopierHeader};
    for (const Edit &edit : edits) {
        Bytes data = RandomBytes(edit.kib * KiB, 1);
        std::fill_n(data.begin() + BLANK, KiB, 0);
        for (const ImageKind baselineKind : kinds)
            for (const ImageKind imageKind : kinds) {
                const Bytes baseline = WithHeader(baselineKind, data, 2);
                const Bytes image = WithHeader(imageKind, Edited(data, edit), 3);
                const std::pair<Bytes, Bytes> forms[]{{InForm(baseline, imageKind, image), image},
                                                      {InForm(baseline, ImageKind::Headerless),
                                                       InForm(image, ImageKind::Headerless)}};
                for (const auto &[source, target] : forms) {
                    SCOPED_TRACE(testing::Message() << edit.name << " " << int(baselineKind)
                                                    << int(imageKind) << (target == image));
                    EXPECT_EQ(ApplyIps(source, MakeIpsPatch(source, target)), target);
                    const Bytes bps = MakeBpsPatch(source, target);
                    EXPECT_EQ(ApplyBps(source, bps), target);
                    EXPECT_TRUE(!edit.growsFilled || bps.size() < KiB) << bps.size();
                }
            }
    }
}

// Changed bytes a short gap apart share a record, as one record is then smaller than two.
TEST(Patch, IpsMergesNearbyChanges)
{
    constexpr std::size_t markers = 8, header = 5;
    const std::pair<std::vector<std::size_t>, std::size_t> cases[]{
        {{10, 11, 12}, markers + header + 3},
        {{10, 15}, markers + header + 6},
        {{10, 17}, markers + 2 * (header + 1)},
    };
    for (const auto &[changed, size] : cases) {
        Bytes target(64);
        for (const std::size_t at : changed)
            target[at] = 1;
        EXPECT_EQ(MakeIpsPatch(Bytes(64), target).size(), size) << changed.back();
    }
}

TEST(Patch, RefusesWhatCannotBeDone)
{
    const Bytes largest(16 * KiB * KiB), headered(largest.size() + COPIER_HEADER_SIZE);
    EXPECT_NO_THROW(MakeIpsPatch(largest, largest));
    EXPECT_THROW(MakeIpsPatch(largest, headered), std::length_error);
    EXPECT_THROW(InForm(Bytes(1000), ImageKind::Headerless), std::invalid_argument);
    EXPECT_THROW(InForm(Bytes(KiB), ImageKind::CopierHeader, Bytes(KiB)), std::invalid_argument);

    Bytes source = RandomBytes(4 * KiB, 1);
    const Bytes bps = MakeBpsPatch(source, RandomBytes(4 * KiB, 2));
    source[4000] ^= 1;
    EXPECT_FALSE(ApplyBps(source, bps)) << "a patcher refuses another source";
}
