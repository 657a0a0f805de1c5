#include "BpsPatch.h"
#include "ImageForm.h"
#include "IpsPatch.h"
#include "PatchAppliers.h"

#include <algorithm>
#include <array>
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

// Where a change may start: anywhere, or beside the image's end or the edge
// of a block that the comparison skips whole when equal.
std::size_t ChangeAt(std::mt19937 &random, std::size_t size)
{
    const std::size_t block = std::array<std::size_t, 3>{1, 64, 4 * KiB}[random() % 3];
    const std::size_t edge = random() % 4 ? random() % (size / block) * block : size;
    return std::clamp<std::size_t>(edge + random() % 7, 3, size + 2) - 3;
}

bool Changed(const Bytes &source, const Bytes &target, std::size_t at)
{
    return at >= source.size() || source[at] != target[at];
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

// Changes of a few bytes, and runs longer than a record, at the image's ends
// and the edges of the blocks its comparison skips: each patch gives back the
// image, and none takes in an unchanged byte at the edge of a run. An IPS
// record starts and ends on a changed byte, a BPS source read stops only
// before one or at the end.
TEST(Patch, FindsEachChangeWhereverItLies)
{
    std::mt19937 random(35);
    for (unsigned round = 0; round < 40; ++round) {
        const Bytes source = RandomBytes(192 * KiB + random() % (4 * KiB), round);
        Bytes target = source;
        for (int k = 0; k < 12; ++k) {
            const std::size_t at = ChangeAt(random, source.size());
            const std::size_t length = std::array<std::size_t, 5>{1, 1, 2, 3, 70000}[random() % 5];
            for (std::size_t i = at; i < std::min(at + length, target.size()); ++i)
                target[i] ^= std::uint8_t(1 + random() % 255);
        }
        const std::size_t growth = random() % KiB;
        target.resize(round % 3 == 0   ? target.size()
                      : round % 3 == 1 ? target.size() + growth
                                       : target.size() - growth,
                      0x5A);
        SCOPED_TRACE(testing::Message() << "round " << round);

        std::vector<std::pair<std::size_t, std::size_t>> records;
        EXPECT_EQ(ApplyIps(source, MakeIpsPatch(source, target), &records), target);
        for (const auto &[offset, size] : records)
            EXPECT_TRUE(Changed(source, target, offset) &&
                        Changed(source, target, offset + size - 1))
                << offset << "+" << size;
        std::vector<std::size_t> sourceReadEnds;
        EXPECT_EQ(ApplyBps(source, MakeBpsPatch(source, target), &sourceReadEnds), target);
        for (const std::size_t end : sourceReadEnds)
            EXPECT_TRUE(end == target.size() || Changed(source, target, end)) << end;
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
