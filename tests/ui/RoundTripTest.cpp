#include "EditorHarness.h"

#include <cstdlib>

using namespace mobwright;
using namespace mobwright::test;

namespace {

struct RandomImage
{
    std::uint64_t size;
    std::uint32_t seed;
};

// Random images of both kinds, a few KiB apart; MOBWRIGHT_ROUND_TRIP_IMAGES
// asks for more of each on a longer run.
std::vector<RandomImage> RandomImages()
{
    const char *wanted = std::getenv("MOBWRIGHT_ROUND_TRIP_IMAGES");
    std::vector<RandomImage> images;
    const auto count = static_cast<std::uint32_t>(wanted ? std::max(1, std::atoi(wanted)) : 3);
    for (std::uint32_t i = 0; i < count; ++i) {
        images.push_back({MIN_IMAGE_SIZE + i * 4096, 1000 + i});
        images.push_back({HEADERLESS_IMAGE_SIZE + i * 1024, 2000 + i});
    }
    return images;
}

class RoundTripTest : public testing::TestWithParam<RandomImage>
{
protected:
    RoundTripTest()
        : image_(GetParam().size)
    {
        image_.fillRandom(GetParam().seed);
        editor_.window().setSyncAfterApply(false); // what is written, not how durably
        editor_.loadRom(image_);
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

// Every record, whatever its bytes, comes back as it was from an apply
// without edits, but for the text addresses' fourth bytes, written as 0.
TEST_P(RoundTripTest, AnUnchangedApplyWritesEveryRecordBackAsItWas)
{
    auto expected = image_.contents();
    for (int index = 0; index < ENEMY_COUNT; ++index) {
        editor_.choose("cmbEnemy(0)", index);
        editor_.clickApply(index % 3); // every page's button does the same
        ASSERT_TRUE(editor_.takeMessages().isEmpty()) << "record " << index;
        expected[image_.recordOffset(index) + 48] = expected[image_.recordOffset(index) + 52] = 0;
        ASSERT_TRUE(image_.contents() == expected) << "record " << index;
    }
}

TEST_P(RoundTripTest, ShowingEveryRecordAndClosingWritesNothing)
{
    const auto before = image_.contents();
    for (int index = 0; index < ENEMY_COUNT; ++index)
        editor_.choose(index % 2 ? "cmbEnemy(1)" : "cmbEnemy(2)", index);
    editor_.closeRom();
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
    EXPECT_TRUE(image_.contents() == before);
}

INSTANTIATE_TEST_SUITE_P(RandomImages, RoundTripTest, testing::ValuesIn(RandomImages()),
                         [](const testing::TestParamInfo<RandomImage> &info) {
                             return (info.param.size % 1024 ? "Headered" : "Headerless") +
                                    std::to_string(info.param.seed);
                         });
