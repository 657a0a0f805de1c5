#include "EditorHarness.h"

using namespace mobwright;
using namespace mobwright::test;

namespace {

// Random images with and without a copier header, a few KiB apart.
class RoundTripTest : public testing::TestWithParam<std::uint64_t>
{
protected:
    RoundTripTest()
        : image_(GetParam())
    {
        image_.fillRandom(static_cast<std::uint32_t>(GetParam()));
        editor_.window().setSyncAfterApply(false); // what is written, not how durably
        editor_.loadRom(image_.path());
    }

    TestImage image_;
    EditorHarness editor_;
};

} // namespace

// Whatever its bytes, every record comes back as it was from an apply without
// edits, but for the text addresses' fourth bytes, written as 0; showing
// every record and closing writes nothing.
TEST_P(RoundTripTest, AnUnchangedApplyWritesEveryRecordBackAsItWas)
{
    auto expected = image_.contents();
    for (int index = 0; index < ENEMY_COUNT; ++index)
        editor_.choose(index % 2 ? "cmbEnemy(1)" : "cmbEnemy(2)", index);
    editor_.closeRom();
    ASSERT_TRUE(image_.contents() == expected);
    editor_.loadRom(image_.path());
    for (int index = 0; index < ENEMY_COUNT; ++index) {
        editor_.choose("cmbEnemy(0)", index);
        editor_.clickApply(index % 3); // every page's button does the same
        expected[image_.recordOffset(index) + 48] = expected[image_.recordOffset(index) + 52] = 0;
        ASSERT_TRUE(image_.contents() == expected) << "record " << index;
    }
    EXPECT_TRUE(editor_.takeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(RandomImages, RoundTripTest,
                         testing::Values(MIN_IMAGE_SIZE, MIN_IMAGE_SIZE + 3072,
                                         HEADERLESS_IMAGE_SIZE, HEADERLESS_IMAGE_SIZE + 5120),
                         [](const auto &info) {
                             return (info.param % 1024 ? "Headered" : "Headerless") +
                                    std::to_string(info.index);
                         });
