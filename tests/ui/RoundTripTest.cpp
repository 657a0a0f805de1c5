#include "EditorHarness.h"

using namespace mobwright;
using namespace mobwright::test;

class RoundTripTest : public testing::TestWithParam<std::uint64_t>
{
};

// Whatever its bytes, in an image with or without a copier header, every
// record comes back as it was from an apply without edits, but for the text
// addresses' fourth bytes, written as 0.
TEST_P(RoundTripTest, AnUnchangedApplyWritesEveryRecordBackAsItWas)
{
    TestImage image(GetParam());
    image.fillRandom(static_cast<std::uint32_t>(GetParam()));
    auto expected = image.contents();
    EditorHarness editor;
    editor.window().setSyncAfterApply(false); // what is written, not how durably
    editor.loadRom(image.path());
    for (int index = 0; index < ENEMY_COUNT; ++index) {
        editor.choose(index % 2 ? "cmbEnemy(1)" : "cmbEnemy(2)", index);
        editor.clickApply(index % 3); // every page's button does the same
        expected[image.recordOffset(index) + 48] = expected[image.recordOffset(index) + 52] = 0;
        ASSERT_TRUE(image.contents() == expected) << "record " << index;
    }
    EXPECT_TRUE(editor.takeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(RandomImages, RoundTripTest,
                         testing::Values(MIN_IMAGE_SIZE, MIN_IMAGE_SIZE + 3072,
                                         HEADERLESS_IMAGE_SIZE, HEADERLESS_IMAGE_SIZE + 5120),
                         [](const auto &info) {
                             return (info.param % 1024 ? "Headered" : "Headerless") +
                                    std::to_string(info.index);
                         });
