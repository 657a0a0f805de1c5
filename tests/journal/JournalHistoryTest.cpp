#include "JournalHarness.h"
#include "JournalRevert.h"
#include "JournaledWrite.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace mobwright;
using namespace mobwright::test;

namespace {

class HistoryTest : public testing::Test
{
protected:
    HistoryTest() { image_.fillRandom(11); }

    Journal journal() { return Journal(std::make_unique<DiskJournal>(disk_), {}); }
    std::vector<std::uint8_t> table() const
    {
        const auto bytes = image_.contents();
        return {bytes.begin() + image_.tableOffset(),
                bytes.begin() + image_.tableOffset() + ENEMY_TABLE_SIZE};
    }

    TestImage image_;
    std::shared_ptr<Disk> disk_ = std::make_shared<Disk>();
    RomFile rom_ = RomFile::open(image_.path());
};

} // namespace

// Writes read back after a restart revert to the original table or to where
// any of them left it, unless another program changed what they left since.
TEST_F(HistoryTest, RevertsToTheOriginalOrWhereAWriteLeftIt)
{
    std::vector<std::vector<std::uint8_t>> tables{table()}; // after write n
    Journal first = journal();
    for (const int enemy : {0, 1, 0}) {
        ASSERT_TRUE(JournaledWrite(&first, rom_, {Rewrites(rom_, {enemy}, 5), {}}, "Apply").wroteAll());
        if (tables.size() == 1) // before write 2 takes it, or the original
            image_.setRecordBytes(1, 33, {0x56, 0x78});
        tables.push_back(table());
    }
    for (const std::optional<std::uint64_t> to : {std::optional<std::uint64_t>(), {2}, {1}, {3}}) {
        Journal again = journal();
        ASSERT_TRUE(Revert(again, rom_, to).wroteAll());
        EXPECT_EQ(table(), tables[to.value_or(0)]);
    }
    std::string history;
    const Journal read = journal();
    for (const JournalEntry &entry : read.entries())
        history +=
            entry.step + " " + std::to_string(entry.enemies.front()) + (entry.time > 0 ? ";" : "?");
    EXPECT_EQ(history,
              "Apply 0;Apply 1;Apply 0;Revert to the original 0;Revert to where write 2 left it 0;"
              "Revert to where write 1 left it 1;Revert to where write 3 left it 0;");

    image_.setRecordBytes(1, 33, {0x12, 0x34}); // HP
    const auto changed = table();
    Journal again = journal();
    const WriteOutcome refused = Revert(again, rom_, std::nullopt);
    EXPECT_EQ(refused.kind, WriteOutcome::Kind::NothingWritten);
    EXPECT_NE(refused.message().find("enemy 002 (HP)"), std::string::npos) << refused.message();
    EXPECT_EQ(table(), changed);
    EXPECT_THROW(Revert(again, rom_, 99), JournalError);
}

// Whole-table writes past the cap: the oldest are joined into one, the
// original stays, and the table reverts to it.
TEST_F(HistoryTest, CapJoinsTheOldestAndKeepsTheOriginal)
{
    const auto original = table();
    std::vector<int> all(ENEMY_COUNT);
    std::iota(all.begin(), all.end(), 0);
    Journal capped = journal();
    unsigned written = 0;
    for (int past = 0; past<5; past += capped.entries().front().sequence> 1)
        ASSERT_TRUE(JournaledWrite(&capped, rom_, {Rewrites(rom_, all, ++written), {}}, "Apply", false)
                        .wroteAll());
    EXPECT_LE(disk_->bytes.size(), Journal::DEFAULT_CAP);
    Journal again = journal();
    EXPECT_EQ(again.original()->bytes, original);
    const auto &entries = again.entries();
    EXPECT_EQ(entries.front().step, "Earlier writes, joined to make room");
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(entries[i].sequence, written - entries.size() + i + 1);
    ASSERT_TRUE(Revert(again, rom_, std::nullopt).wroteAll());
    EXPECT_EQ(table(), original);
}
