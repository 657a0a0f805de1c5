#include "EnemyRecord.h"
#include "RecordCursor.h"
#include "RomFile.h"
#include "TestImage.h"

#include <gtest/gtest.h>

using namespace mobwright;
using mobwright::test::TestImage;

namespace {

class RecordPassTest : public testing::TestWithParam<std::uint64_t>
{
protected:
    RecordPassTest()
        : image_(GetParam())
    {
        image_.fillRandom(99);
        rom_ = RomFile::Open(image_.path());
    }

    TestImage image_;
    RomFile rom_;
    int selected_ = 17;
    RecordCursor cursor_{rom_, [this] { return selected_; }};
};

} // namespace

TEST_P(RecordPassTest, ReadsTheWholeRecord)
{
    const auto stored = image_.recordBytes(selected_);
    const EnemyRecord record = ReadEnemyRecord(cursor_);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), record.allBytes().begin()));
    EXPECT_EQ(cursor_.position(), ENEMY_RECORD_SIZE);
}

TEST_P(RecordPassTest, WritesFieldsOverTheBytesAsTheyAreAndNothingOutsideTheRecord)
{
    auto expected = image_.contents();
    const std::uint32_t start = image_.recordOffset(selected_);
    EnemyRecord fields;
    for (const FieldLayout &layout : EnemyLayout) {
        const auto marker = static_cast<std::uint8_t>(layout.offset + 1);
        for (auto &b : fields.bytes(layout.field))
            b = marker;
        std::fill_n(expected.begin() + start + layout.offset, layout.width, marker);
    }
    WriteEnemyRecord(cursor_, ReadEnemyRecord(cursor_).WithFieldsOf(fields));
    rom_.Close();
    EXPECT_TRUE(image_.contents() == expected);
}

TEST_P(RecordPassTest, ReadsBackWhatItWrote)
{
    selected_ = 229;
    EnemyRecord record = ReadEnemyRecord(cursor_);
    record.setValue(Field::Exp, 0xDEADBEEF);
    record.setValue(Field::HP, 0x1234);
    WriteEnemyRecord(cursor_, record);
    EXPECT_EQ(ReadEnemyRecord(cursor_), record);
    EXPECT_EQ(rom_.ReadRomByte(image_.recordOffset(229) + 37), 0xEF);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutCopierHeader, RecordPassTest,
                         testing::Values(test::MIN_IMAGE_SIZE, test::HEADERLESS_IMAGE_SIZE));

TEST(EnemyRecordValue, IsLittleEndianOverTheFieldsWidth)
{
    EnemyRecord record;
    record.setValue(Field::InsidePic, 0x12345);
    EXPECT_EQ(record.bytes(Field::InsidePic)[0], 0x45);
    EXPECT_EQ(record.bytes(Field::InsidePic)[1], 0x23);
    EXPECT_EQ(record.value(Field::InsidePic), 0x2345u);
    EXPECT_EQ(record.value(Field::Type), 0u);
    record.setValue(Field::Exp, 0x80000001);
    EXPECT_EQ(record.value(Field::Exp), 0x80000001u);
}
