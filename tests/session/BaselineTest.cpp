#include "Baseline.h"
#include "Comparison.h"
#include "ImageSession.h"
#include "RomError.h"
#include "TestImage.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

using namespace mobwright;
using namespace mobwright::test;

namespace {

// An image with a copier header and its baseline without one, which differ
// in enemy 3's HP and enemy 7's Level.
class BaselineTest : public testing::Test
{
protected:
    BaselineTest()
    {
        image_.fillRandom(31);
        image_.setRecordBytes(3, 33, {0x10, 0});
        image_.setRecordBytes(7, 54, {6});
        const std::vector<std::uint8_t> bytes = image_.contents();
        baseline_.setBytes(0, std::span(bytes).subspan(COPIER_HEADER_SIZE));
        baseline_.setRecordBytes(3, 33, {0x2C, 0x01});
        baseline_.setRecordBytes(7, 54, {5});
        session_.open(image_.path());
        session_.setBaseline(baseline_.path());
    }

    QString baselinePath() const { return session_.baseline() ? session_.baseline()->path() : ""; }

    TestImage image_;
    TestImage baseline_{HEADERLESS_IMAGE_SIZE};
    ImageSession session_;
};

} // namespace

// Reverting takes the baseline's records, every byte, as pending edits in
// one step; applied, they make the table the baseline's.
TEST_F(BaselineTest, RevertingAndApplyingMakesTheTableTheBaselines)
{
    const std::vector<int> differing{3, 7};
    EXPECT_TRUE(DiffersFromBaseline(session_, 3) && !DiffersFromBaseline(session_, 4));
    RevertToBaseline(session_, differing, "Revert 2 enemies to the baseline");
    EXPECT_EQ(session_.pending().enemies(), differing);
    EXPECT_TRUE(DifferencesFromBaseline(session_).empty());
    EXPECT_EQ(session_.undoText(), "Revert 2 enemies to the baseline");
    session_.applyPending(differing, "Apply to 2 enemies");
    for (int index = 0; index < ENEMY_COUNT; ++index)
        ASSERT_EQ(image_.recordBytes(index), baseline_.recordBytes(index)) << index;
}

// An image that cannot be the baseline is refused, saying why; the one
// before stays. A baseline is never locked, and goes with its image, as do
// the steps and edits; a failed open keeps them all.
TEST_F(BaselineTest, RefusesABaselineThatIsNoImageAndGoesWithItsImage)
{
    TestImage odd(HEADERLESS_IMAGE_SIZE + 100), shortOne(64 * 1024);
    const std::pair<std::string, const char *> refused[]{
        {odd.path(), "is neither a whole number of KiB"},
        {shortOne.path(), "too short to hold the enemy table"},
        {odd.path() + ".gone", "does not exist"},
        {image_.path(), "is the open image itself"},
    };
    QSignalSpy changes(&session_, &ImageSession::baselineChanged);
    for (const auto &[path, reason] : refused) {
        try {
            session_.setBaseline(path);
            ADD_FAILURE() << path;
        } catch (const RomError &error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
            EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
        }
        EXPECT_EQ(baselinePath().toStdString(), baseline_.path());
    }
    EXPECT_EQ(changes.count(), 0);

    RomFile otherEditor = RomFile::open(baseline_.path()); // locks it: the baseline is only read
    session_.open(image_.path()); // the same image again
    session_.editField(1, Field::HP, {"99", KEEP_STORED});
    EXPECT_THROW(session_.open(odd.path() + ".gone"), RomError);
    EXPECT_EQ(baselinePath().toStdString(), baseline_.path());
    EXPECT_TRUE(session_.canUndo() && session_.pendingOf(1));
    TestImage other;
    session_.open(other.path());
    EXPECT_EQ(baselinePath(), "");
    EXPECT_FALSE(session_.canUndo() || !session_.pending().empty());
    session_.open(image_.path());
    session_.setBaseline(baseline_.path());
    session_.close();
    EXPECT_EQ(baselinePath(), "");
}

// A patch is made from the very file compared, or not at all.
TEST_F(BaselineTest, TheBaselineIsReadWholeOnlyAsItWasCompared)
{
    EXPECT_TRUE(std::ranges::equal(session_.readBaseline(), baseline_.contents()));
    baseline_.setRecordBytes(100, 60, {std::uint8_t(baseline_.recordBytes(100)[60] ^ 1)});
    EXPECT_THROW(session_.readBaseline(), RomError);
}
