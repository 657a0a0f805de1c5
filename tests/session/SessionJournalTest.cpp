#include "../journal/JournalHarness.h"
#include "CraftedCartridge.h"
#include "ImageSession.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace mobwright;
using namespace mobwright::test;

namespace {

const std::vector<int> Enemies = {3, 4, 6};

// New records for enemies, as the image holds them now.
std::vector<RecordWrite> Rewrites(const TestImage &image, const std::vector<int> &enemies)
{
    RomFile rom = RomFile::open(image.path(), OpenReadOnlyFile);
    return test::Rewrites(rom, enemies, 9);
}

class SessionJournalTest : public testing::Test
{
protected:
    SessionJournalTest() { image_.fillRandom(7); }

    // A session whose image and journal are on the simulated disk.
    std::unique_ptr<ImageSession> open()
    {
        auto session = std::make_unique<ImageSession>();
        session->setFileOpener(CrashingOpener(disk_));
        session->journalSettings().setFinder([disk = disk_](RomFile &, const QString &) {
            return std::make_unique<Journal>(std::make_unique<DiskJournal>(disk), JournalImage{});
        });
        session->open(image_.path());
        return session;
    }
    Journal onDisk() { return Journal(std::make_unique<DiskJournal>(disk_), {}); }

    TestImage image_;
    std::shared_ptr<Disk> disk_ = std::make_shared<Disk>();
};

} // namespace

// The entry is on the disk, synced, before the image is written; once the
// image is synced it is marked, and the table as it was is kept.
TEST_F(SessionJournalTest, EveryWriteIsJournaledBeforeTheImage)
{
    const auto before = image_.contents();
    auto session = open();
    std::vector<std::string> seen;
    disk_->beforeImageWrite = [&] {
        const Journal journal = onDisk();
        const JournalEntry *open = journal.unfinished();
        seen.push_back(open && disk_->synced == disk_->bytes.size() ? open->step : "no entry");
    };
    ASSERT_TRUE(session->writeChanges(Rewrites(image_, Enemies), "Import").wroteAll());
    ASSERT_TRUE(session->undo().wroteAll());
    EXPECT_EQ(seen, (std::vector<std::string>{"Import", "Undo Import"}));
    const Journal journal = onDisk();
    ASSERT_EQ(journal.entries().size(), 2u);
    EXPECT_EQ(journal.entries()[0].enemies, Enemies);
    EXPECT_EQ(journal.entries()[1].mark, EntryMark::Written);
    EXPECT_TRUE(std::ranges::equal(journal.original().value().bytes,
                                   std::span(before).subspan(image_.tableOffset(), ENEMY_TABLE_SIZE)));
}

// With the checksum kept right, a write's records and the checksum's four
// bytes are one entry, so that recovery and history see them together.
TEST_F(SessionJournalTest, TheChecksumKeptRightIsJournaledWithTheRecords)
{
    PutInternalHeader(image_, HeaderPlace::HiROM);
    auto session = open();
    session->setKeepChecksum(true);
    ASSERT_TRUE(session->writeChanges(Rewrites(image_, {3}), "Import").wroteAll());
    const Journal journal = onDisk();
    ASSERT_EQ(journal.entries().size(), 1u);
    const auto image = image_.contents();
    std::size_t outside = 0;
    for (const JournalSpan &span : journal.entries()[0].spans) {
        if (span.offset >= image_.tableOffset() && span.offset < image_.tableOffset() + ENEMY_TABLE_SIZE)
            continue;
        outside += span.after.size();
        EXPECT_TRUE(std::ranges::equal(span.after, std::span(image).subspan(span.offset, span.after.size())));
        EXPECT_NE(span.before, span.after);
    }
    EXPECT_EQ(outside, 4u);
}

// A session stopped at each step of a write, and the machine maybe losing
// power, is opened again: the image holds the write all old, all new or
// told part by part, and it settles either way.
TEST_F(SessionJournalTest, AWriteStoppedAtEachStepIsToldAndSettledOnOpening)
{
    struct Case
    {
        Step crashAt;
        bool powerLost, torn;
        WriteHolds holds;
        bool unfinished;
    };
    const Case cases[] = {
        {Step::EntryAppended, false, false, WriteHolds::Old, true},
        {Step::EntryAppended, true, false, WriteHolds::Old, false},
        {Step::EntrySynced, true, false, WriteHolds::Old, true},
        {Step::ImageWritten, false, false, WriteHolds::New, true},
        {Step::ImageWritten, true, true, WriteHolds::Mixed, true},
        {Step::ImageSynced, true, false, WriteHolds::New, true},
        {Step::EntryMarked, false, false, WriteHolds::New, false},
        {Step::EntryMarked, true, false, WriteHolds::New, true},
    };
    for (const Case &test : cases) {
        for (const Settlement how : {Settlement::Finish, Settlement::RollBack}) {
            SCOPED_TRACE(int(test.crashAt) * 10 + test.powerLost);
            *disk_ = Disk{};
            const auto old = image_.contents();
            std::vector<RecordWrite> writes;
            {
                auto session = open();
                ASSERT_TRUE(session->writeChanges(Rewrites(image_, {0}), "Edit").wroteAll());
                disk_->synced = disk_->bytes.size(); // its mark has reached the disk since
                writes = Rewrites(image_, Enemies);
                disk_->crashAt = test.crashAt;
                EXPECT_THROW(session->writeChanges(writes, "Import"), Crash);
            }
            if (test.powerLost)
                disk_->losePower(image_, test.torn);
            disk_->crashAt = Step::None;

            auto session = open();
            const auto recovery = session->unfinishedWrite();
            ASSERT_EQ(recovery.has_value(), test.unfinished);
            if (recovery) {
                EXPECT_EQ(recovery->overall(), test.holds) << recovery->message();
                EXPECT_EQ(session->settleUnfinished(how).message(), "");
            }
            const bool isNew = recovery ? how == Settlement::Finish : test.holds == WriteHolds::New;
            for (const RecordWrite &write : writes)
                EXPECT_EQ(session->stored(write.index), isNew ? write.after : write.before);
            EXPECT_FALSE(session->unfinishedWrite());
            EXPECT_FALSE(onDisk().unfinished()) << "the history agrees";
            image_.setBytes(0, old);
        }
    }
}

// Writes journaled in the user's data folder are read back by a later
// session, which takes the table back to where one of them left it, or to
// the original; a record another program changed since is refused.
TEST(SessionJournalFolder, EarlierSessionsWritesAreListedAndReverted)
{
    TestImage image;
    QTemporaryDir home;
    const auto original = image.contents();
    std::vector<EnemyRecord> afterFirst;
    {
        ImageSession session;
        session.journalSettings().setFolder(home.filePath("journals"));
        session.open(image.path());
        ASSERT_TRUE(session.writeChanges(Rewrites(image, {1, 2}), "First").wroteAll());
        afterFirst = session.storedRecords();
        ASSERT_TRUE(session.writeChanges(Rewrites(image, {2, 5}), "Second").wroteAll());
    }
    ImageSession session;
    session.journalSettings().setFolder(home.filePath("journals"));
    session.open(image.path());
    ASSERT_TRUE(session.journal());
    std::vector<std::string> steps;
    for (const JournalEntry &entry : session.journal()->entries())
        steps.push_back(std::to_string(entry.sequence) + " " + entry.step);
    EXPECT_EQ(steps, (std::vector<std::string>{"1 First", "2 Second"}));

    ASSERT_TRUE(session.revertJournaled(1, "Back to 1").wroteAll());
    EXPECT_EQ(session.storedRecords(), afterFirst);
    EXPECT_TRUE(session.canUndo()) << "a step of the history";
    image.setRecordBytes(1, 0, {std::uint8_t(afterFirst[1].allBytes()[0] ^ 0xFF)});
    const WriteOutcome refused = session.revertJournaled(std::nullopt, "Back to the original");
    EXPECT_EQ(refused.cause, WriteOutcome::Cause::ChangedBehind);
    image.setRecordBytes(1, 0, {afterFirst[1].allBytes()[0]});
    ASSERT_TRUE(session.revertJournaled(std::nullopt, "Back to the original").wroteAll());
    EXPECT_EQ(image.contents(), original);
    EXPECT_THROW(session.revertJournaled(9, "Nowhere"), JournalError);
}

// Where the journal folder cannot be made (a file in its place, a home
// that cannot be written), a write is refused saying so; turned off, it goes.
TEST(SessionJournalFolder, AFolderThatCannotBeMadeRefusesWritesUntilTurnedOff)
{
    TestImage image;
    const auto before = image.contents();
    ImageSession session;
    session.journalSettings().setFolder(QString::fromStdString(image.path()) + "/journals");
    session.open(image.path());
    const WriteOutcome refused = session.writeChanges(Rewrites(image, {0}), "Import");
    EXPECT_EQ(refused.kind, WriteOutcome::Kind::NothingWritten);
    EXPECT_NE(refused.message().find("Cannot make the journal folder"), std::string::npos);
    EXPECT_NE(refused.message().find("turn it off: File › Journal Every Write."), std::string::npos);
    EXPECT_EQ(image.contents(), before);
    session.setJournalEnabled(false);
    EXPECT_TRUE(session.writeChanges(Rewrites(image, {0}), "Import").wroteAll());
}
