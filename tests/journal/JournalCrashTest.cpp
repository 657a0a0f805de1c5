#include "JournalHarness.h"
#include "JournaledWrite.h"
#include "Recovery.h"

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

namespace {

struct CrashCase
{
    Step crashAt;
    bool powerLost;
    bool torn;
    // What enemies 3, 4 and 6 hold of the stopped write (New, Old, Mixed),
    // or "-" where the journal holds no unfinished entry.
    const char *holds;
    int entries; // read again
};

const CrashCase CASES[] = {
    {Step::EntryAppended, false, false, "OOO", 2},
    {Step::EntryAppended, true, false, "-", 1},
    {Step::EntryAppended, true, true, "-", 1},
    {Step::EntrySynced, true, false, "OOO", 2},
    {Step::ImageWritten, false, false, "NNN", 2},
    {Step::ImageWritten, true, false, "OOO", 2},
    {Step::ImageWritten, true, true, "NMO", 2},
    {Step::ImageSynced, true, false, "NNN", 2},
    {Step::EntryMarked, false, false, "-", 2},
    {Step::EntryMarked, true, false, "NNN", 2},
    {Step::None, false, false, "-", 2},
};

class CrashTest : public testing::TestWithParam<std::tuple<CrashCase, Settlement>>
{
protected:
    CrashTest() { image_.fillRandom(32); }

    Journal journal() { return Journal(std::make_unique<DiskJournal>(disk_), {}); }

    TestImage image_;
    std::shared_ptr<Disk> disk_ = std::make_shared<Disk>();
};

} // namespace

// A write stopped at each of its steps is, read again, all old, all new or
// told record by record, and settles either way through the checked path.
TEST_P(CrashTest, StoppedWriteIsToldExactlyAndSettles)
{
    const auto &[test, settlement] = GetParam();
    RomFile rom = CrashingImage(image_, disk_);
    Journal first = journal();
    ASSERT_TRUE(JournaledWrite(&first, rom, {Rewrites(rom, {0}, 1), {}}, "Apply to 001").wroteAll());
    disk_->synced = disk_->bytes.size(); // its mark has reached the disk since
    const auto writes = Rewrites(rom, {3, 4, 6}, 2);
    disk_->crashAt = test.crashAt;
    try {
        JournaledWrite(&first, rom, {writes, {}}, "Apply to 3 enemies");
    } catch (const Crash &) {
    }
    if (test.powerLost)
        disk_->losePower(image_, test.torn);
    disk_->crashAt = Step::None;

    Journal again = journal();
    EXPECT_EQ(again.entries().size(), std::size_t(test.entries));
    EXPECT_EQ(again.unreadBytes() > 0, test.torn && test.crashAt == Step::EntryAppended);
    const JournalEntry *open = again.unfinished();
    std::string holds = "-";
    if (open) {
        const Recovery recovery = Recover(*open, rom);
        holds.clear();
        for (const auto &[enemy, held] : recovery.enemies)
            holds += "NOMX"[int(held)];
        ASSERT_EQ(Settle(again, rom, recovery, settlement).message(), "") << recovery.message();
        // The entry is marked as the image holds it, or a write settled it.
        const bool finish = settlement == Settlement::Finish;
        std::string marks;
        const Journal settled = journal(); // kept: a temporary's entries die before the loop
        for (const JournalEntry &entry : settled.entries())
            marks += "?W-L"[int(entry.mark)];
        EXPECT_EQ(marks, std::string(test.holds) == (finish ? "NNN" : "OOO")
                             ? (finish ? "WW" : "W-")
                             : "W?W");
        disk_->losePower(image_, false); // the settlement is on the disk
        for (const RecordWrite &write : writes)
            EXPECT_TRUE(std::ranges::equal(image_.recordBytes(write.index),
                                           (finish ? write.after : write.before).allBytes()));
    }
    EXPECT_EQ(holds, test.holds);
    // Only a settling write's mark, which needs no sync, may be lost.
    const Journal read = journal();
    EXPECT_TRUE(!read.unfinished() ||
                Recover(*read.unfinished(), rom).overall() == WriteHolds::New);
}

INSTANTIATE_TEST_SUITE_P(Steps, CrashTest,
                         testing::Combine(testing::ValuesIn(CASES),
                                          testing::Values(Settlement::Finish,
                                                          Settlement::RollBack)));
