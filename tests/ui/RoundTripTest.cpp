#include "EditorHarness.h"
#include "TestImage.h"

#include <cstdlib>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// How many random images of each kind to try; MOBWRIGHT_ROUND_TRIP_IMAGES
// asks for more on a longer run.
int ImagesPerKind()
{
    const char *count = std::getenv("MOBWRIGHT_ROUND_TRIP_IMAGES");
    return count ? std::max(1, std::atoi(count)) : 3;
}

struct RandomImage
{
    std::uint64_t size;
    std::uint32_t seed;
};

std::vector<RandomImage> RandomImages()
{
    std::vector<RandomImage> images;
    for (int i = 0; i < ImagesPerKind(); ++i) {
        images.push_back({MIN_IMAGE_SIZE + static_cast<std::uint64_t>(i) * 4096, 1000u + static_cast<std::uint32_t>(i)});
        images.push_back({HEADERLESS_IMAGE_SIZE + static_cast<std::uint64_t>(i) * 1024, 2000u + static_cast<std::uint32_t>(i)});
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
        editor_.loadRom(QString::fromStdString(image_.path()));
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

TEST_P(RoundTripTest, AnUnchangedApplyRewritesOnlyTheAddressesFourthBytes)
{
    auto expected = image_.contents();
    for (int index = 0; index < ENEMY_COUNT; ++index) {
        editor_.choose("cmbEnemy(0)", index);
        editor_.clickApply(index % 3); // every page's button does the same
        ASSERT_TRUE(editor_.takeMessages().isEmpty()) << "record " << index;
        expected[image_.recordOffset(index) + 48] = 0;
        expected[image_.recordOffset(index) + 52] = 0;
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
                             return std::string(info.param.size % 1024 ? "Headered" : "Headerless") +
                                    std::to_string(info.param.seed);
                         });
