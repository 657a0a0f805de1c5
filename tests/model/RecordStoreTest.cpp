#include "ProbedFile.h"
#include "RecordStore.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>

using namespace mobwright;
using namespace mobwright::test;
using Kind = WriteOutcome::Kind;

namespace {

class WriteRecordsTest : public testing::Test
{
protected:
    WriteRecordsTest()
    {
        image_.fillRandom(5);
        before_ = image_.contents();
    }

    // A change of the flag byte and HP for each enemy given.
    std::vector<RecordWrite> raisingHp(const std::vector<int> &enemies)
    {
        const std::vector<EnemyRecord> stored = ReadAllRecords(rom_);
        std::vector<RecordWrite> writes;
        for (const int index : enemies) {
            RecordWrite write{index, stored[std::size_t(index)], stored[std::size_t(index)]};
            write.after.setValue(Field::HP, 40000);
            write.after.setValue(Field::TheFlag, write.before.value(Field::TheFlag) ^ 1);
            writes.push_back(write);
        }
        return writes;
    }

    // Whether each enemy's record in the file is old, new or neither.
    std::string recordStates(const std::vector<RecordWrite> &writes) const
    {
        std::string states;
        for (const RecordWrite &write : writes) {
            const auto bytes = image_.recordBytes(write.index);
            states += std::ranges::equal(bytes, write.after.allBytes())    ? 'N'
                      : std::ranges::equal(bytes, write.before.allBytes()) ? 'o'
                                                                           : 'x';
        }
        return states;
    }

    TestImage image_;
    std::vector<std::uint8_t> before_;
    std::shared_ptr<FileProbe> probe_ = std::make_shared<FileProbe>();
    RomFile rom_ = RomFile::open(image_.path(), ProbedOpener(probe_));
};

std::vector<int> Range(int first, int count)
{
    std::vector<int> indexes(static_cast<std::size_t>(count));
    std::iota(indexes.begin(), indexes.end(), first);
    return indexes;
}

} // namespace

// The span from the first to the last changed record goes in one write;
// records inside it that do not change are written exactly as read. No
// record asked is nothing written.
TEST_F(WriteRecordsTest, WritesTheWholeSpanInOneWriteAndSyncsOnce)
{
    EXPECT_EQ(WriteRecords(rom_, {}).kind, Kind::Nothing);
    const auto writes = raisingHp({3, 100, 229});
    const WriteOutcome outcome = WriteRecords(rom_, writes);
    EXPECT_EQ(outcome.kind, Kind::Written);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(probe_->writeCalls, 1);
    EXPECT_EQ(recordStates(writes), "NNN");
    auto expected = before_;
    for (const RecordWrite &write : writes)
        std::ranges::copy(write.after.allBytes(), expected.begin() + image_.recordOffset(write.index));
    EXPECT_TRUE(image_.contents() == expected);
}

// A write cut at a record's end or inside a record: the report names the
// enemies now new, the one cut, those still old, and the file agrees.
TEST_F(WriteRecordsTest, AShortWriteIsToldEnemyByEnemy)
{
    const auto writes = raisingHp(Range(0, ENEMY_COUNT));
    for (const int cutBytes : {0, 17}) {
        probe_->failWritesAfter = 0;
        probe_->partialWriteBytes = 99 * ENEMY_RECORD_SIZE + cutBytes;
        const WriteOutcome outcome = WriteRecords(rom_, writes);
        EXPECT_EQ(outcome.kind, Kind::ShortWrite);
        EXPECT_EQ(outcome.whole, Range(0, 99));
        EXPECT_EQ(outcome.cut.has_value(), cutBytes > 0);
        EXPECT_EQ(outcome.cutBytes, cutBytes);
        EXPECT_EQ(outcome.untouched, Range(cutBytes ? 100 : 99, cutBytes ? 130 : 131));
        const std::string states = recordStates(writes);
        EXPECT_EQ(states, std::string(99, 'N') + (cutBytes ? "x" : "o") +
                              std::string(130, 'o'));
        EXPECT_NE(outcome.message().find(cutBytes ? "Cut: enemy 100, of whose 94 bytes the first 17"
                                                  : "Still as they were: enemies 100, 101"),
                  std::string::npos)
            << outcome.message();
        image_.setBytes(0, before_);
    }
}

// Each refusal writes nothing and says why in words that fit its cause.
TEST_F(WriteRecordsTest, ARefusedWriteWritesNothingAndSaysWhy)
{
    namespace fs = std::filesystem;
    const auto writes = raisingHp({3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 229});
    const struct
    {
        const char *what;
        std::function<void()> change;
        const char *says;
    } cases[] = {
        {"changed behind",
         [&] {
             for (int index = 4; index < 16; ++index)
                 image_.setRecordBytes(index, 90, {0x77});
             image_.setRecordBytes(5, 26, {9});
         },
         "Another program changed enemies 005 (Death Sound), 006 (Pronoun, Death Sound), 007 (Death "
         "Sound), 008 (Death Sound), 009 (Death Sound), 010 (Death Sound), 011 (Death Sound), 012 "
         "(Death Sound), 013 (Death Sound), 014 (Death Sound) and 1 more in"},
        {"write refused", [&] { probe_->failWritesAfter = 0; }, "Nothing was written to"},
        {"resized", [&] { fs::resize_file(image_.path(), image_.size() - 512); },
         "changed from 1437184 to 1436672 bytes since it was opened, so nothing was written."},
        {"replaced", [&] { fs::rename(TestImage(image_.size()).path(), image_.path()); },
         "was replaced, moved or deleted since it was opened, so nothing was written."},
    };
    for (const auto &c : cases) {
        c.change();
        const auto changed = image_.contents();
        const WriteOutcome outcome = WriteRecords(rom_, writes);
        EXPECT_EQ(outcome.kind, Kind::NothingWritten) << c.what;
        EXPECT_NE(outcome.message().find(c.says), std::string::npos) << outcome.message();
        EXPECT_TRUE(image_.contents() == changed) << c.what;
        probe_->failWritesAfter = -1;
        fs::resize_file(image_.path(), image_.size());
        image_.setBytes(0, before_);
    }
}

// A failed sync comes after a whole write: it is told as such.
TEST_F(WriteRecordsTest, AFailedSyncIsToldAfterAWholeWrite)
{
    probe_->failSync = true;
    const auto writes = raisingHp({0, 229});
    const WriteOutcome outcome = WriteRecords(rom_, writes);
    EXPECT_EQ(outcome.kind, Kind::NotSynced);
    EXPECT_TRUE(outcome.wroteAll());
    EXPECT_NE(outcome.message().find("but may not be on the disk yet"), std::string::npos);
    EXPECT_EQ(recordStates(writes), "NN");
}

// Bytes outside the table go with the records: checked alike, written after
// them; what a refusal or a failed write leaves is told.
TEST_F(WriteRecordsTest, BytesOutsideTheTableAreCheckedAndWrittenWithTheRecords)
{
    const auto writes = raisingHp({7});
    const std::uint32_t at = 0x7FDC;
    const BytesWrite bytes{at, {before_.begin() + at, before_.begin() + at + 4}, {1, 2, 3, 4}};
    auto expected = before_;
    std::ranges::copy(writes[0].after.allBytes(), expected.begin() + image_.recordOffset(7));
    const auto bytesOnly = expected;
    std::ranges::copy(bytes.after, expected.begin() + at);
    const std::uint8_t changed[] = {static_cast<std::uint8_t>(bytes.before[1] ^ 1)};
    const struct
    {
        std::function<void()> setUp;
        ImageWrite write;
        Kind kind;
        const char *says;
        const std::vector<std::uint8_t> &leaves;
    } cases[] = {
        {[&] { image_.setBytes(at + 1, changed); }, {writes, {bytes}}, Kind::NothingWritten,
         "changed the bytes at 0x7FDC in", before_},
        {[&] { probe_->failWritesAfter = 1; }, {writes, {bytes}}, Kind::ShortWrite,
         "Written whole: enemy 008. Not written whole: the bytes at 0x7FDC.", bytesOnly},
        {[&] { probe_->failWritesAfter = 0; }, {{}, {bytes}}, Kind::NothingWritten,
         "Nothing was written", before_},
        {[] {}, {writes, {bytes}}, Kind::Written, "", expected},
    };
    for (const auto &c : cases) {
        image_.setBytes(0, before_);
        probe_->writeCalls = 0;
        c.setUp();
        const WriteOutcome outcome = WriteImage(rom_, c.write);
        EXPECT_EQ(outcome.kind, c.kind) << c.says;
        EXPECT_NE(outcome.message().find(c.says), std::string::npos) << outcome.message();
        if (c.kind != Kind::NothingWritten) {
            EXPECT_TRUE(image_.contents() == c.leaves) << c.says;
        }
        probe_->failWritesAfter = -1;
    }
    EXPECT_EQ(probe_->writeCalls, 2);
}
